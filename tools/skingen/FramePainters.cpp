#include <QLinearGradient>

#include "Painters.h"
#include "SkinPalette.h"

namespace skingen {

QImage PaintFrame(int w, int h, bool warning) {
  QImage img = Canvas(w, h, kWindow);
  QPainter p(&img);
  Smooth(p);
  QLinearGradient body(0, 0, 0, h);
  body.setColorAt(0, QColor(0x20, 0x20, 0x24));
  body.setColorAt(1, QColor(0x14, 0x14, 0x16));
  p.fillRect(img.rect(), body);
  // Title band.
  const int band = 26;
  p.fillRect(QRect(0, 0, w, band), QColor(0x26, 0x26, 0x2B));
  p.fillRect(QRect(0, band, w, 1), warning ? kOrange : kAccent);
  // Accent edge and a faint inner edge.
  p.setPen(QPen(kEdge, 1));
  p.drawRect(QRectF(0.5, 0.5, w - 1, h - 1));
  p.setPen(QPen(QColor(0x2C, 0x2C, 0x31), 1));
  p.drawRect(QRectF(1.5, 1.5, w - 3, h - 3));
  p.fillRect(QRect(0, 0, 3, band), warning ? kOrange : kAccent);
  return img;
}

QImage PaintProgressFrame(bool filled) {
  QImage img = PaintFrame(429, 140);
  QPainter p(&img);
  Smooth(p);
  const QRect track(20, 66, 389, 12);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0x0E, 0x0E, 0x10));
  p.drawRoundedRect(track, 4, 4);
  if (filled) {
    QLinearGradient g(0, 66, 0, 78);
    g.setColorAt(0, kAccent.lighter(125));
    g.setColorAt(1, kAccentDark);
    p.setBrush(g);
    p.drawRoundedRect(track.adjusted(1, 1, -1, -1), 3, 3);
  } else {
    p.setPen(QPen(kEdge, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(track).adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
  }
  return img;
}

}  // namespace skingen
