#include "skin/CStaticText.h"

#include <QPainter>

#include "skin/DrawTextW.h"

namespace corvane {

CStaticText::CStaticText(ControlHost* parent, unsigned id, CRect rect, std::u16string text, COLORREF colour,
                         unsigned textFormat, bool visible, bool shown)
    : CControlBase(parent, id, rect, std::move(text), visible, shown, true), colour_(colour), format_(textFormat) {}

void CStaticText::Draw(QPainter& dc, CRect) {
  if (text_.empty()) return;
  dc.save();
  dc.setFont(font_);
  dc.setPen(ColorOf(colour_));
  DrawTextW(dc, QString::fromStdU16String(text_), rect_, format_ | DT_VCENTER | DT_WORD_ELLIPSIS);
  dc.restore();
}

}  // namespace corvane
