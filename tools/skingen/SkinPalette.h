#pragma once
// The dark theme every generated picture shares.
#include <initializer_list>

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QString>

namespace skingen {

inline const QColor kWindow(0x16, 0x16, 0x18);
inline const QColor kPanel(0x1F, 0x1F, 0x22);
inline const QColor kRaised(0x2A, 0x2A, 0x2E);
inline const QColor kRaisedHover(0x34, 0x34, 0x39);
inline const QColor kEdge(0x3A, 0x3A, 0x40);
inline const QColor kGrey(0xB4, 0xB4, 0xB4);
inline const QColor kWhite(0xFF, 0xFF, 0xFF);
inline const QColor kYellow(0xFF, 0xFF, 0x00);
inline const QColor kAccent(0x35, 0xA0, 0xDE);  // COLORREF 0x00DEA035
inline const QColor kAccentDark(0x1C, 0x55, 0x78);
inline const QColor kGreen(0x3C, 0xC8, 0x64);
inline const QColor kOrange(0xF0, 0x96, 0x28);
inline const QColor kRed(0xE0, 0x40, 0x40);

// A transparent ARGB canvas with antialiasing on.
inline QImage Canvas(int w, int h, QColor fill = Qt::transparent) {
  QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
  img.fill(fill);
  return img;
}

inline void Smooth(QPainter& p) {
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
}

// The closed polygon through the corners, in order.
inline QPainterPath ClosedPath(std::initializer_list<QPointF> corners) {
  QPainterPath path;
  bool first = true;
  for (const QPointF& c : corners) {
    if (first)
      path.moveTo(c);
    else
      path.lineTo(c);
    first = false;
  }
  path.closeSubpath();
  return path;
}

}  // namespace skingen
