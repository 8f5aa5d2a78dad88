#include "skin/CColorSelectButton.h"

#include <QPainter>

namespace corvane {

CColorSelectButton::CColorSelectButton(ControlHost* parent, unsigned id, CRect rect, std::u16string text,
                                       CRect swatch, bool visible, bool shown, bool disabled)
    : CControlBase(parent, id, rect, std::move(text), visible, shown, disabled), swatch_(swatch) {}

void CColorSelectButton::Draw(QPainter& dc, CRect) {
  if (!swatch_.IsEmpty()) dc.fillRect(swatch_.ToQRect(), ColorOf(colour_));
}

bool CColorSelectButton::OnMouseMove(unsigned, int x, int y) { return ButtonMouseMove(x, y); }
bool CColorSelectButton::OnLButtonDown(unsigned, int x, int y) { return ButtonLButtonDown(x, y); }
bool CColorSelectButton::OnLButtonUp(unsigned, int x, int y) { return ButtonLButtonUp(x, y, [] {}); }

}  // namespace corvane
