#include "skin/CControlBase.h"

#include <QPainter>

#include "skin/DrawTextW.h"
#include "skin/GuiState.h"
#include "skin/SkinFonts.h"

namespace corvane {

CControlBase::CControlBase(ControlHost* parent, unsigned id, CRect rect, std::u16string text, bool visible,
                           bool shown, bool disabled)
    : parent_(parent), id_(id), rect_(rect), visible_(visible), shown_(shown), disabled_(disabled),
      text_(std::move(text)) {
  font_ = parent_ ? MakeControlFont(parent_->Gui().Font) : MakeControlFont(UiFont{});
}

void CControlBase::SetText(const std::u16string& text) {
  if (text == text_) return;
  text_ = text;
  Invalidate();
}

void CControlBase::SetFont(int height, const std::u16string& face) { font_ = MakeGdiFont(face, height); }

float CControlBase::Scale() const { return parent_ ? parent_->Gui().SkinScale : 1.0f; }

LRESULT CControlBase::SendTo(unsigned msg, LPARAM code, WPARAM wParam) {
  return parent_ ? parent_->SendMessage(msg, wParam, code) : 0;
}

void CControlBase::Invalidate() const {
  if (parent_) parent_->InvalidateRect(rect_);
}

bool CControlBase::ButtonMouseMove(int x, int y) {
  if (disabled_ || state_ == 2) return false;
  const int old = state_;
  state_ = rect_.Contains(x, y) ? 1 : 0;
  return old != state_;
}

bool CControlBase::ButtonLButtonDown(int x, int y) {
  if (disabled_ || !rect_.Contains(x, y)) return false;
  const int old = state_;
  state_ = 2;
  Notify(kNotifyPress);
  return old != state_;
}

void CControlBase::DrawCaption(QPainter& p, const QString& text, COLORREF colour, unsigned format,
                               int marginLeft, int marginRight) const {
  if (text.isEmpty()) return;
  p.save();
  p.setFont(font_);
  p.setPen(ColorOf(colour));
  DrawTextW(p, text, rect_.Inset(marginLeft, 0, marginRight, 0), format | kCaptionFormat);
  p.restore();
}

}  // namespace corvane
