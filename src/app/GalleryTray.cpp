// The tray icon in the gallery: the battery at 0, 15, 50 and 100 %, charging, full and
// without a mouse, each at the sizes trays use, with the tool tip of each state beside it.
#include <iterator>

#include <QFont>
#include <QPainter>

#include "app/Gallery.h"
#include "app/TrayBatteryIcon.h"
#include "session/AppContext.h"
#include "skin/GuiState.h"

namespace corvane {

void RenderTrayIcons(AppContext& ctx, GuiState& gui, const GallerySink& sink) {
  // The tray draws at the desktop's size, not the window's scale: one page a language.
  if (gui.SkinScale != 1.0f) return;
  struct Sample {
    const char* label;
    TrayStatus status;
  };
  const QString profile = QStringLiteral("Profile 1");
  const Sample samples[] = {
      {"0 %", {TrayConnection::Cable, profile, 0, 0}},
      {"15 %", {TrayConnection::Receiver, profile, 15, 0}},
      {"50 %", {TrayConnection::Bluetooth, profile, 50, 0}},
      {"100 %", {TrayConnection::Receiver, profile, 100, 0}},
      {"50 % charging", {TrayConnection::Cable, profile, 50, 1}},
      {"100 % full", {TrayConnection::Cable, profile, 100, 2}},
      {"no mouse", {TrayConnection::None, {}, 0, 0}},
  };
  const int sizes[] = {16, 22, 32, 64};
  const int rowHeight = 96;
  QImage page(900, rowHeight * static_cast<int>(std::size(samples)) + 16, QImage::Format_RGB32);
  page.fill(QColor(0x2B, 0x2B, 0x30));  // a dark panel, as most trays are
  QPainter p(&page);
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(12);
  p.setFont(font);
  int y = 8;
  for (const Sample& s : samples) {
    p.setPen(QColor(0xE6, 0xE6, 0xE6));
    p.drawText(QRect(12, y, 110, 64), Qt::AlignLeft | Qt::AlignVCenter, QString::fromLatin1(s.label));
    int x = 130;
    for (const int size : sizes) {
      p.drawImage(x, y + (64 - size) / 2, DrawTrayBatteryIcon(s.status, size));
      x += size + 24;
    }
    p.setPen(QColor(0xB4, 0xB4, 0xB4));
    p.drawText(QRect(x + 16, y, 900 - x - 24, rowHeight - 8), Qt::AlignLeft | Qt::AlignTop,
               TrayToolTip(ctx.Language, s.status));
    y += rowHeight;
  }
  p.end();
  sink(QStringLiteral("tray-battery-icons"), page);
}

}  // namespace corvane
