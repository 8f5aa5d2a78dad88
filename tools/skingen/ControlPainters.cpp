#include <QFont>
#include <QLinearGradient>
#include <QPainterPath>

#include "Painters.h"
#include "SkinPalette.h"

namespace skingen {

namespace {

QColor FaceOf(int state) { return state == 0 ? kRaised : state == 1 ? kRaisedHover : kAccentDark; }
QColor EdgeOf(int state) { return state == 0 ? kEdge : kAccent; }

void Face(QPainter& p, const QRectF& r, int state, double radius) {
  QLinearGradient g(r.topLeft(), r.bottomLeft());
  g.setColorAt(0, FaceOf(state).lighter(112));
  g.setColorAt(1, FaceOf(state));
  p.setBrush(g);
  p.setPen(QPen(EdgeOf(state), 1));
  p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
}

void Chevron(QPainter& p, QPointF c, double size, bool up, const QColor& colour, double width = 1.6) {
  QPainterPath path;
  const double d = up ? -1 : 1;
  path.moveTo(c.x() - size, c.y() - d * size / 2);
  path.lineTo(c.x(), c.y() + d * size / 2);
  path.lineTo(c.x() + size, c.y() - d * size / 2);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(path);
}

}  // namespace

QImage PaintButton(int w, int h, int state, const QString& caption) {
  QImage img = Canvas(w, h);
  QPainter p(&img);
  Smooth(p);
  Face(p, QRectF(0, 0, w, h), state, 3);
  if (!caption.isEmpty()) {
    QFont f("DejaVu Sans");
    f.setPixelSize(h * 9 / 20);
    f.setBold(true);
    p.setFont(f);
    p.setPen(state == 2 ? kYellow : state == 1 ? kWhite : kGrey);
    p.drawText(img.rect(), Qt::AlignCenter, caption);
  }
  return img;
}

QImage PaintCloseGlyph(int state) {
  QImage img = Canvas(15, 15);
  QPainter p(&img);
  Smooth(p);
  if (state) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xC8, 0x3C, 0x3C));
    p.drawRoundedRect(QRectF(0, 0, 15, 15), 3, 3);
  }
  p.setPen(QPen(state ? kWhite : kGrey, 1.6, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(4, 4), QPointF(11, 11));
  p.drawLine(QPointF(11, 4), QPointF(4, 11));
  return img;
}

QImage PaintMinimiseGlyph(int state) {
  QImage img = Canvas(15, 15);
  QPainter p(&img);
  Smooth(p);
  if (state) {
    p.setPen(Qt::NoPen);
    p.setBrush(kRaisedHover);
    p.drawRoundedRect(QRectF(0, 0, 15, 15), 3, 3);
  }
  p.setPen(QPen(state ? kWhite : kGrey, 1.6, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(4, 10.5), QPointF(11, 10.5));
  return img;
}

QImage PaintMenuRow(int w, int h, bool hover, bool submenu) {
  QImage img = Canvas(w, h, hover ? kAccentDark : kPanel);
  QPainter p(&img);
  Smooth(p);
  if (hover) {
    p.fillRect(QRect(0, 0, 3, h), kAccent);
  } else {
    p.fillRect(QRect(6, h - 1, w - 12, 1), QColor(0x2A, 0x2A, 0x2F));
  }
  if (submenu) {
    const double cx = w - 10, cy = h / 2.0;
    p.setPen(Qt::NoPen);
    p.setBrush(hover ? kWhite : kGrey);
    p.drawPath(ClosedPath({{cx - 2.5, cy - 4}, {cx + 2.5, cy}, {cx - 2.5, cy + 4}}));
  }
  return img;
}

QImage PaintCheckBox(int state) {
  QImage img = Canvas(16, 16);
  QPainter p(&img);
  Smooth(p);
  p.setPen(QPen(state == 0 ? kEdge : kAccent, 1.2));
  p.setBrush(state == 2 ? kAccent : QColor(0x18, 0x18, 0x1B));
  p.drawRoundedRect(QRectF(1.5, 1.5, 13, 13), 2.5, 2.5);
  if (state == 2) {
    QPainterPath tick;
    tick.moveTo(4.2, 8.2);
    tick.lineTo(7, 11);
    tick.lineTo(12, 5);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kWhite, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(tick);
  }
  return img;
}

QImage PaintRadio(int state) {
  QImage img = Canvas(16, 16);
  QPainter p(&img);
  Smooth(p);
  p.setPen(QPen(state == 0 ? kEdge : kAccent, 1.2));
  p.setBrush(QColor(0x18, 0x18, 0x1B));
  p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
  if (state == 2) {
    p.setPen(Qt::NoPen);
    p.setBrush(kAccent);
    p.drawEllipse(QRectF(4.5, 4.5, 7, 7));
  }
  return img;
}

QImage PaintDpiSlot(int state) {
  // The caption strip (top 11 rows) stays clear; the slot's bar lies below it.
  QImage img = Canvas(60, 40);
  QPainter p(&img);
  Smooth(p);
  Face(p, QRectF(2, 14, 56, 24), state, 4);
  p.setPen(Qt::NoPen);
  p.setBrush(state == 2 ? kAccent : state == 1 ? kGrey : kEdge);
  p.drawRoundedRect(QRectF(10, 24, 40, 4), 2, 2);
  return img;
}

QImage PaintCombo(int w, int h, bool hover) {
  QImage img = Canvas(w, h);
  QPainter p(&img);
  Smooth(p);
  Face(p, QRectF(0, 0, w, h), hover ? 1 : 0, 3);
  Chevron(p, QPointF(w - 12, h / 2.0), 3.5, false, hover ? kWhite : kGrey);
  return img;
}

QImage PaintArrowButton(bool up, int state) {
  QImage img = Canvas(16, 16);
  QPainter p(&img);
  Smooth(p);
  Face(p, QRectF(0, 0, 16, 16), state, 3);
  Chevron(p, QPointF(8, 8), 4, up, state == 2 ? kYellow : state == 1 ? kWhite : kGrey);
  return img;
}

QImage PaintAddGlyph(bool hover) {
  QImage img = Canvas(20, 20);
  QPainter p(&img);
  Smooth(p);
  p.setPen(QPen(hover ? kAccent : kEdge, 1.2));
  p.setBrush(hover ? kAccentDark : kRaised);
  p.drawEllipse(QRectF(1, 1, 18, 18));
  p.setPen(QPen(hover ? kWhite : kGrey, 1.8, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(10, 5.5), QPointF(10, 14.5));
  p.drawLine(QPointF(5.5, 10), QPointF(14.5, 10));
  return img;
}

QImage PaintHeader(int w, int h, bool hover, bool variant) {
  QImage img = Canvas(w, h);
  QPainter p(&img);
  Smooth(p);
  QLinearGradient g(0, 0, 0, h);
  g.setColorAt(0, hover ? QColor(0x30, 0x30, 0x36) : QColor(0x28, 0x28, 0x2D));
  g.setColorAt(1, hover ? QColor(0x26, 0x26, 0x2B) : QColor(0x1E, 0x1E, 0x22));
  p.fillRect(img.rect(), g);
  p.fillRect(QRect(0, h - 1, w, 1), variant ? kAccent : kEdge);
  if (!variant) Chevron(p, QPointF(w - 14, h / 2.0), 4, false, hover ? kWhite : kGrey);
  return img;
}

QImage PaintProfileSlot(bool hover, bool variant) {
  QImage img = Canvas(180, 30);
  QPainter p(&img);
  Smooth(p);
  Face(p, QRectF(0, 0, 180, 30), hover ? 1 : 0, 4);
  if (variant) p.fillRect(QRect(1, 4, 3, 22), kAccent);
  return img;
}

QImage PaintPollingButton(const QString& caption, bool selected) {
  return PaintButton(64, 24, selected ? 2 : 0, caption);
}

QImage PaintRecordButton(bool pressed) {
  QImage img = PaintButton(90, 24, pressed ? 2 : 0);
  QPainter p(&img);
  Smooth(p);
  p.setPen(Qt::NoPen);
  p.setBrush(pressed ? kRed : QColor(0x90, 0x30, 0x30));
  p.drawEllipse(QPointF(14, 12), 5, 5);
  return img;
}

QImage PaintColorFrame(bool checked) {
  QImage img = Canvas(30, 30);
  QPainter p(&img);
  Smooth(p);
  p.setPen(QPen(checked ? kAccent : kEdge, checked ? 2 : 1));
  p.setBrush(QColor(0x10, 0x10, 0x12));
  p.drawRoundedRect(QRectF(1, 1, 28, 28), 3, 3);
  return img;
}

}  // namespace skingen
