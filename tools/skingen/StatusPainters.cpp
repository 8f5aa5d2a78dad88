#include <array>
#include <cmath>

#include <QFont>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include "Painters.h"
#include "SkinPalette.h"

namespace skingen {

QImage PaintSliderThumb() {
  QImage img = Canvas(16, 16);
  QPainter p(&img);
  Smooth(p);
  QRadialGradient g(QPointF(6, 6), 9);
  g.setColorAt(0, kWhite);
  g.setColorAt(1, QColor(0xC8, 0xC8, 0xCC));
  p.setBrush(g);
  p.setPen(QPen(kAccent, 2));
  p.drawEllipse(QRectF(2, 2, 12, 12));
  return img;
}

QImage PaintSliderBar(bool filled) {
  QImage img = Canvas(300, 6);
  QPainter p(&img);
  Smooth(p);
  p.setPen(Qt::NoPen);
  p.setBrush(filled ? kAccent : QColor(0x3A, 0x3A, 0x40));
  p.drawRoundedRect(QRectF(0, 0, 300, 6), 3, 3);
  return img;
}

QImage PaintVerticalBar(bool filled) {
  QImage img = Canvas(14, 120);
  QPainter p(&img);
  Smooth(p);
  p.setPen(filled ? Qt::NoPen : QPen(kEdge, 1));
  if (filled) {
    QLinearGradient g(0, 0, 0, 120);
    g.setColorAt(0, kAccent.lighter(130));
    g.setColorAt(1, kAccentDark);
    p.setBrush(g);
  } else {
    p.setBrush(QColor(0x12, 0x12, 0x14));
  }
  p.drawRoundedRect(QRectF(0.5, 0.5, 13, 119), 3, 3);
  return img;
}

QImage PaintDpiValue() {
  QImage img = Canvas(70, 22);
  QPainter p(&img);
  Smooth(p);
  p.setPen(QPen(kEdge, 1));
  p.setBrush(QColor(0x12, 0x12, 0x14));
  p.drawRoundedRect(QRectF(0.5, 0.5, 69, 21), 3, 3);
  return img;
}

// As wide as the firmware dialog's bar (350 design pixels): the bar draws the fill's left
// part at its own width, so a narrower picture would stop short of the end at 100 %.
QImage PaintProgressBar(bool filled) {
  QImage img = Canvas(350, 8);
  QPainter p(&img);
  Smooth(p);
  p.setPen(Qt::NoPen);
  if (filled) {
    QLinearGradient g(0, 0, 350, 0);
    g.setColorAt(0, kAccentDark);
    g.setColorAt(1, kAccent);
    p.setBrush(g);
  } else {
    p.setBrush(QColor(0x2A, 0x2A, 0x2E));
  }
  p.drawRoundedRect(QRectF(0, 0, 350, 8), 4, 4);
  return img;
}

QImage PaintBattery(const QString& kind) {
  // 28 x 64: the fill lies in rows 7 to 57, which is what the gauge reveals from the bottom.
  QImage img = Canvas(28, 64);
  QPainter p(&img);
  Smooth(p);
  auto outline = [&] {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kGrey, 1.5));
    p.drawRoundedRect(QRectF(3.75, 4.75, 20.5, 55.5), 3, 3);
    p.setPen(Qt::NoPen);
    p.setBrush(kGrey);
    p.drawRoundedRect(QRectF(10, 1, 8, 3.5), 1, 1);
  };
  auto fill = [&](const QColor& c) {
    p.setPen(Qt::NoPen);
    QLinearGradient g(6, 0, 22, 0);
    g.setColorAt(0, c.lighter(120));
    g.setColorAt(1, c.darker(115));
    p.setBrush(g);
    p.drawRect(QRectF(6, 7, 16, 51));
  };
  if (kind == "empty") {
    outline();
  } else if (kind == "lighting") {
    p.setPen(QPen(QColor(0x10, 0x10, 0x10), 1.2));
    p.setBrush(kYellow);
    p.drawPath(ClosedPath({{16, 14}, {8, 35}, {14, 35}, {11, 52}, {20, 29}, {14, 29}}));
  } else {
    const QColor c = kind == "green" || kind == "full" ? kGreen
                     : kind == "orange"                ? kOrange
                     : kind == "red"                   ? kRed
                                                       : kAccent;
    fill(c);
    outline();
  }
  return img;
}

QImage PaintStatusIcon(const QString& kind) {
  QImage img = Canvas(24, 24);
  QPainter p(&img);
  Smooth(p);
  p.setPen(QPen(kAccent, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  if (kind == "BLE") {
    QPainterPath rune;
    rune.moveTo(7, 8);
    rune.lineTo(17, 16);
    rune.lineTo(12, 20);
    rune.lineTo(12, 4);
    rune.lineTo(17, 8);
    rune.lineTo(7, 16);
    p.drawPath(rune);
  } else if (kind == "Wired") {
    p.drawRoundedRect(QRectF(7, 3, 10, 9), 2, 2);
    p.drawLine(QPointF(10, 3), QPointF(10, 0.5));
    p.drawLine(QPointF(14, 3), QPointF(14, 0.5));
    QPainterPath cable;
    cable.moveTo(12, 12);
    cable.cubicTo(12, 18, 6, 17, 6, 22);
    p.drawPath(cable);
  } else {
    for (int i = 0; i < 3; ++i) {
      const double r = 4 + i * 4.5;
      p.drawArc(QRectF(12 - r, 18 - r, 2 * r, 2 * r), 45 * 16, 90 * 16);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(kAccent);
    p.drawEllipse(QPointF(12, 19), 2, 2);
  }
  return img;
}

QImage PaintPowerDial(int level) {
  // Eight sectors around the apex (70, 71), lit up to the level.
  struct Pt {
    double x, y;
  };
  constexpr std::array<Pt, 9> kRim{{{3, 71}, {7, 51}, {17, 32}, {40, 13}, {70, 5}, {100, 14}, {121, 31},
                                     {131, 51}, {134, 71}}};
  QImage img = Canvas(137, 75);
  QPainter p(&img);
  Smooth(p);
  for (int i = 0; i < 8; ++i) {
    const QPainterPath wedge = ClosedPath({{70, 71}, {kRim[i].x, kRim[i].y}, {kRim[i + 1].x, kRim[i + 1].y}});
    const bool lit = i < level;
    QColor c = lit ? kAccent : QColor(0x2C, 0x2C, 0x31);
    if (lit) c = c.darker(100 + (level - 1 - i) * 8);
    p.setPen(QPen(kWindow, 2.2));
    p.setBrush(c);
    p.drawPath(wedge);
  }
  // Hub with the minutes.
  p.setPen(QPen(kEdge, 1));
  p.setBrush(kPanel);
  p.drawPie(QRectF(70 - 26, 71 - 26, 52, 52), 0, 180 * 16);
  QFont f("DejaVu Sans");
  f.setPixelSize(15);
  f.setBold(true);
  p.setFont(f);
  p.setPen(kWhite);
  p.drawText(QRectF(44, 47, 52, 18), Qt::AlignCenter, QString::number(level + 2));
  f.setPixelSize(8);
  f.setBold(false);
  p.setFont(f);
  p.setPen(kGrey);
  p.drawText(QRectF(44, 62, 52, 10), Qt::AlignCenter, QStringLiteral("min"));
  return img;
}

}  // namespace skingen
