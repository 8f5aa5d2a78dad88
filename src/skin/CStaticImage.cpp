#include "skin/CStaticImage.h"

#include <QPainter>

#include "skin/SkinFiles.h"

namespace corvane {

CStaticImage::CStaticImage(ControlHost* parent, unsigned id, CRect rect, std::u16string text, bool visible,
                           bool shown)
    : CControlBase(parent, id, rect, std::move(text), visible, shown, true) {}

bool CStaticImage::LoadStripImage(std::u16string_view n, int frameCount) {
  frames_ = frameCount > 0 ? frameCount : 1;
  return strip_.Load(SkinFilePath(Gui(), n));
}

void CStaticImage::Draw(QPainter& dc, CRect) { strip_.DrawFrame(dc, rect_.ToQRectF(), state_, frames_); }

void CStaticImage::ReleaseImages() { strip_.Release(); }

}  // namespace corvane
