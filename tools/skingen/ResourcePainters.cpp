#include <QFont>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include "Painters.h"
#include "SkinPalette.h"

namespace skingen {

QImage PaintAppIcon(int size) {
  QImage img = Canvas(size, size);
  QPainter p(&img);
  Smooth(p);
  p.scale(size / 128.0, size / 128.0);
  QLinearGradient g(0, 0, 0, 128);
  g.setColorAt(0, QColor(0x2A, 0x2A, 0x30));
  g.setColorAt(1, QColor(0x12, 0x12, 0x16));
  p.setPen(QPen(kAccent, 4));
  p.setBrush(g);
  p.drawRoundedRect(QRectF(4, 4, 120, 120), 26, 26);
  p.setPen(Qt::NoPen);
  p.setBrush(kAccent);
  p.drawPath(ClosedPath({{28, 96}, {64, 26}, {100, 96}, {64, 74}}));
  return img;
}

QImage PaintMainBackground() {
  QImage img = Canvas(1127, 740, kWindow);
  QPainter p(&img);
  Smooth(p);
  QLinearGradient g(0, 0, 0, 740);
  g.setColorAt(0, QColor(0x1C, 0x1C, 0x20));
  g.setColorAt(1, QColor(0x10, 0x10, 0x12));
  p.fillRect(img.rect(), g);
  QRadialGradient glow(QPointF(300, 380), 360);
  glow.setColorAt(0, QColor(0x35, 0xA0, 0xDE, 40));
  glow.setColorAt(1, QColor(0x35, 0xA0, 0xDE, 0));
  p.fillRect(img.rect(), glow);
  p.fillRect(QRect(0, 0, 1127, 48), QColor(0x22, 0x22, 0x27));
  p.fillRect(QRect(0, 48, 1127, 1), kAccent);
  p.setPen(QPen(kEdge, 1));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(0.5, 0.5, 1126, 739));
  return img;
}

QImage PaintPalette() {
  // Hue across, from full colour at the top to white at the bottom.
  QImage img(500, 291, QImage::Format_RGB32);
  for (int y = 0; y < img.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
    const double sat = 1.0 - static_cast<double>(y) / (img.height() - 1);
    for (int x = 0; x < img.width(); ++x) {
      const double hue = static_cast<double>(x) / img.width();
      line[x] = QColor::fromHsvF(static_cast<float>(hue), static_cast<float>(sat), 1.0f).rgb();
    }
  }
  return img;
}

QImage PaintArrowStrip(bool up) {
  // Three 14 x 14 frames: normal, hover, pressed.
  QImage img = Canvas(42, 14);
  QPainter p(&img);
  Smooth(p);
  const QColor fills[3] = {QColor(0x1F, 0x1F, 0x1F), QColor(0x2C, 0x2C, 0x32), kAccentDark};
  const QColor glyphs[3] = {kGrey, kWhite, kYellow};
  for (int k = 0; k < 3; ++k) {
    const double x0 = k * 14;
    p.setPen(Qt::NoPen);
    p.setBrush(fills[k]);
    p.drawRect(QRectF(x0, 0, 14, 14));
    p.setBrush(glyphs[k]);
    p.drawPath(up ? ClosedPath({{x0 + 3.5, 9.5}, {x0 + 7, 5}, {x0 + 10.5, 9.5}})
                  : ClosedPath({{x0 + 3.5, 4.5}, {x0 + 7, 9}, {x0 + 10.5, 4.5}}));
  }
  return img;
}

}  // namespace skingen
