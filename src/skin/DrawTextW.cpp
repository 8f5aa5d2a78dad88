#include "skin/DrawTextW.h"

#include <QFontMetrics>
#include <QPainter>

namespace corvane {

void DrawTextW(QPainter& p, const QString& text, const CRect& rect, unsigned format) {
  if (text.isEmpty() || rect.IsEmpty()) return;
  const QRect r = rect.ToQRect();
  int flags = 0;
  if (format & DT_CENTER) flags |= Qt::AlignHCenter;
  else if (format & DT_RIGHT) flags |= Qt::AlignRight;
  else flags |= Qt::AlignLeft;
  if (format & DT_VCENTER) flags |= Qt::AlignVCenter;
  else if (format & DT_BOTTOM) flags |= Qt::AlignBottom;
  else flags |= Qt::AlignTop;

  // Clipping to the rectangle is done here, so that DT_NOCLIP can let text overflow.
  flags |= Qt::TextDontClip;
  p.save();
  if (!(format & DT_NOCLIP)) p.setClipRect(r, Qt::IntersectClip);
  if (format & DT_SINGLELINE || !(format & DT_WORDBREAK)) {
    QString shown = text;
    shown.replace('\n', ' ');
    if (format & (DT_WORD_ELLIPSIS | DT_END_ELLIPSIS))
      shown = QFontMetrics(p.font()).elidedText(shown, Qt::ElideRight, r.width());
    p.drawText(r, flags | Qt::TextSingleLine, shown);
  } else {
    p.drawText(r, flags | Qt::TextWordWrap, text);
  }
  p.restore();
}

}  // namespace corvane
