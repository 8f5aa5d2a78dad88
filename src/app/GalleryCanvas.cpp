#include "app/GalleryCanvas.h"

#include <QPainter>

#include "skin/DrawTextW.h"
#include "skin/GuiState.h"
#include "skin/SkinFiles.h"
#include "skin/SkinFonts.h"
#include "skin/SkinScaling.h"

namespace corvane {

GalleryCanvas::GalleryCanvas(GuiState& gui, int designWidth, int designHeight)
    : CDlgBase(gui, nullptr, Scaled(gui.SkinScale, designWidth), Scaled(gui.SkinScale, designHeight)) {
  setFixedSize(Scaled(gui.SkinScale, designWidth), Scaled(gui.SkinScale, designHeight));
}

CRect GalleryCanvas::Design(int left, int top, int right, int bottom) const {
  return ScaledRect(Gui().SkinScale, 0, 0, left, top, right, bottom);
}

void GalleryCanvas::AddLabel(int left, int top, int right, int bottom, const QString& text) {
  labels_.push_back({Design(left, top, right, bottom), text});
}

void GalleryCanvas::AddBackdrop(const CRect& rect, std::u16string_view skinName) {
  QImage img(QString::fromStdString(SkinFilePath(Gui(), skinName).string()));
  backdrops_.push_back({rect, img});
}

void GalleryCanvas::DrawDialog(QPainter& dc, const CRect& client) {
  dc.fillRect(client.ToQRect(), QColor(0x16, 0x16, 0x18));
  dc.setRenderHint(QPainter::SmoothPixmapTransform);
  for (const auto& b : backdrops_)
    if (!b.image.isNull()) dc.drawImage(b.rect.ToQRectF(), b.image);
  QFont f = MakeControlFont(Gui().Font);
  f.setPixelSize(std::max(9, f.pixelSize() * 3 / 4));
  dc.setFont(f);
  dc.setPen(QColor(0x80, 0x80, 0x88));
  for (const auto& l : labels_) DrawTextW(dc, l.text, l.rect, DT_CENTER | DT_SINGLELINE | DT_VCENTER);
  DrawControls(dc, client);
}

QImage GalleryCanvas::Render() {
  EnsureInitialized();
  return grab().toImage();
}

}  // namespace corvane
