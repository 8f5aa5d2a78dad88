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
  // The palette window: a title band, a continuous field (hue across; white at the top,
  // the pure colour in the middle, dark at the bottom) at (18, 26)-(222, 270), a grid of
  // ready colours at (244, 26)-(473, 190) separated by the gap colour 0x0F0F0F, and the
  // frame of the chosen colour's swatch at (245, 212)-(303, 270).
  const QColor gap(0x0F, 0x0F, 0x0F);
  QImage img(500, 291, QImage::Format_RGB32);
  QPainter p(&img);
  QLinearGradient body(0, 0, 0, 291);
  body.setColorAt(0, QColor(0x20, 0x20, 0x24));
  body.setColorAt(1, QColor(0x14, 0x14, 0x16));
  p.fillRect(img.rect(), body);
  p.fillRect(QRect(0, 0, 500, 22), QColor(0x26, 0x26, 0x2B));
  p.fillRect(QRect(0, 22, 500, 1), kAccent);
  p.fillRect(QRect(0, 0, 3, 22), kAccent);
  p.setPen(QPen(kEdge, 1));
  p.drawRect(QRect(0, 0, 499, 290));

  const QRect field(18, 26, 204, 244);
  p.fillRect(field.adjusted(-1, -1, 1, 1), gap);
  p.end();
  for (int y = 0; y < field.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(img.scanLine(field.top() + y));
    const double t = static_cast<double>(y) / (field.height() - 1);
    for (int x = 0; x < field.width(); ++x) {
      const float hue = static_cast<float>(x) / field.width();
      // Upper half: from white to the pure hue; lower half: from the pure hue to dark.
      const float sat = t < 0.5 ? static_cast<float>(t * 2) : 1.0f;
      const float val = t < 0.5 ? 1.0f : static_cast<float>(1.0 - (t - 0.5) * 2 * 0.9);
      line[field.left() + x] = QColor::fromHsvF(hue, sat, val).rgb();
    }
  }
  p.begin(&img);

  const QRect grid(244, 26, 229, 164);
  p.fillRect(grid, gap);
  constexpr int kColumns = 8, kRows = 6;
  const QColor greys[kColumns] = {QColor(0xFF, 0xFF, 0xFF), QColor(0xD8, 0xD8, 0xD8), QColor(0xB0, 0xB0, 0xB0),
                                  QColor(0x88, 0x88, 0x88), QColor(0x60, 0x60, 0x60), QColor(0x40, 0x40, 0x40),
                                  QColor(0x24, 0x24, 0x24), QColor(0x00, 0x00, 0x00)};
  for (int row = 0; row < kRows; ++row) {
    for (int col = 0; col < kColumns; ++col) {
      const int x0 = grid.left() + col * grid.width() / kColumns;
      const int x1 = grid.left() + (col + 1) * grid.width() / kColumns;
      const int y0 = grid.top() + row * grid.height() / kRows;
      const int y1 = grid.top() + (row + 1) * grid.height() / kRows;
      QColor c;
      if (row == 0) {
        c = greys[col];
      } else {
        const float hue = static_cast<float>(col) / kColumns;
        const float sats[] = {1.0f, 1.0f, 0.55f, 0.3f, 1.0f};
        const float vals[] = {1.0f, 0.75f, 1.0f, 1.0f, 0.45f};
        c = QColor::fromHsvF(hue, sats[row - 1], vals[row - 1]);
      }
      p.fillRect(QRect(QPoint(x0 + 2, y0 + 2), QPoint(x1 - 2, y1 - 2)), c);
    }
  }

  // The chosen colour's swatch frame.
  p.setPen(QPen(kEdge, 1));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRect(244, 211, 59, 59));
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
