#include <QFont>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include "Painters.h"
#include "SkinPalette.h"

namespace skingen {

QImage PaintFolder(bool open) {
  QImage img = Canvas(16, 14);
  QPainter p(&img);
  Smooth(p);
  const QColor body(0xE8, 0xB8, 0x48);
  p.setPen(QPen(body.darker(140), 1));
  p.setBrush(body.darker(115));
  p.drawPath(ClosedPath({{1, 2}, {6, 2}, {7.5, 3.5}, {14.5, 3.5}, {14.5, 12.5}, {1, 12.5}}));
  p.setBrush(body);
  if (open) {
    p.drawPath(ClosedPath({{3, 6}, {15.5, 6}, {13.5, 12.5}, {1, 12.5}}));
  } else {
    p.drawRect(QRectF(1, 5, 13.5, 7.5));
  }
  return img;
}

QImage PaintMacroIcon(const QString& kind) {
  QImage img = Canvas(12, 12);
  QPainter p(&img);
  Smooth(p);
  if (kind == "time") {
    p.setPen(QPen(kGrey, 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(1, 1, 10, 10));
    p.drawLine(QPointF(6, 6), QPointF(6, 3));
    p.drawLine(QPointF(6, 6), QPointF(8.5, 7));
    return img;
  }
  const bool down = kind == "down";
  const QPainterPath arrow = down ? ClosedPath({{3.5, 1}, {8.5, 1}, {8.5, 6}, {11, 6}, {6, 11}, {1, 6}, {3.5, 6}})
                                  : ClosedPath({{3.5, 11}, {8.5, 11}, {8.5, 6}, {11, 6}, {6, 1}, {1, 6}, {3.5, 6}});
  p.setPen(Qt::NoPen);
  p.setBrush(down ? kAccent : kOrange);
  p.drawPath(arrow);
  return img;
}

QImage PaintLaunch(bool hover) {
  QImage img = Canvas(24, 24);
  QPainter p(&img);
  Smooth(p);
  p.setPen(QPen(hover ? kAccent : kEdge, 1.2));
  p.setBrush(hover ? kAccentDark : kRaised);
  p.drawRoundedRect(QRectF(1, 1, 22, 22), 4, 4);
  QPainterPath rocket;
  rocket.moveTo(8, 16);
  rocket.lineTo(16, 8);
  p.setPen(QPen(hover ? kWhite : kGrey, 2, Qt::SolidLine, Qt::RoundCap));
  p.drawPath(rocket);
  p.drawLine(QPointF(11, 8), QPointF(16, 8));
  p.drawLine(QPointF(16, 8), QPointF(16, 13));
  return img;
}

QImage PaintLogo() {
  QImage img = Canvas(180, 40);
  QPainter p(&img);
  Smooth(p);
  p.setPen(Qt::NoPen);
  p.setBrush(kAccent);
  p.drawPath(ClosedPath({{4, 30}, {16, 8}, {28, 30}, {16, 22}}));
  QFont f("DejaVu Sans");
  f.setPixelSize(20);
  f.setBold(true);
  f.setLetterSpacing(QFont::AbsoluteSpacing, 2);
  p.setFont(f);
  p.setPen(kWhite);
  p.drawText(QRectF(36, 0, 144, 40), Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("CORVANE"));
  return img;
}

QImage PaintDeviceName() {
  QImage img = Canvas(220, 30);
  QPainter p(&img);
  Smooth(p);
  QLinearGradient g(0, 0, 220, 0);
  g.setColorAt(0, QColor(0x35, 0xA0, 0xDE, 90));
  g.setColorAt(1, QColor(0x35, 0xA0, 0xDE, 0));
  p.fillRect(img.rect(), g);
  p.fillRect(QRect(0, 0, 3, 30), kAccent);
  return img;
}

QImage PaintMouse() {
  QImage img = Canvas(240, 360);
  QPainter p(&img);
  Smooth(p);
  QPainterPath shell;
  shell.addRoundedRect(QRectF(30, 10, 180, 340), 90, 110);
  QLinearGradient g(0, 0, 240, 0);
  g.setColorAt(0, QColor(0x2A, 0x2A, 0x30));
  g.setColorAt(0.5, QColor(0x3A, 0x3A, 0x42));
  g.setColorAt(1, QColor(0x22, 0x22, 0x28));
  p.setPen(QPen(kEdge, 2));
  p.setBrush(g);
  p.drawPath(shell);
  p.setPen(QPen(QColor(0x18, 0x18, 0x1C), 2));
  p.drawLine(QPointF(120, 12), QPointF(120, 140));
  p.drawLine(QPointF(34, 140), QPointF(206, 140));
  p.setPen(QPen(kAccent, 2));
  p.setBrush(QColor(0x14, 0x14, 0x18));
  p.drawRoundedRect(QRectF(111, 50, 18, 44), 9, 9);
  p.setPen(Qt::NoPen);
  p.setBrush(kAccent);
  p.drawRoundedRect(QRectF(60, 300, 120, 4), 2, 2);
  return img;
}

QImage PaintNumber(int n, bool serial) {
  QImage img = Canvas(20, 20);
  QPainter p(&img);
  Smooth(p);
  p.setPen(serial ? QPen(kAccent, 1.2) : Qt::NoPen);
  p.setBrush(serial ? QColor(0x14, 0x14, 0x18) : kAccent);
  p.drawEllipse(QRectF(1, 1, 18, 18));
  QFont f("DejaVu Sans");
  f.setPixelSize(12);
  f.setBold(true);
  p.setFont(f);
  p.setPen(serial ? kAccent : kWhite);
  p.drawText(QRectF(0, 0, 20, 20), Qt::AlignCenter, QString::number(n));
  return img;
}

}  // namespace skingen
