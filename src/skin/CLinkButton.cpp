#include "skin/CLinkButton.h"

#include <QPainter>

#include "skin/SkinFiles.h"

namespace corvane {

CLinkButton::CLinkButton(ControlHost* parent, unsigned, CRect rect, std::u16string text, unsigned textFormat,
                         bool visible, bool shown, bool disabled)
    : CControlBase(parent, kLinkButtonId, rect, std::move(text), visible, shown, disabled), format_(textFormat) {}

bool CLinkButton::LoadStripImage(std::u16string_view n) { return strip_.Load(SkinFilePath(Gui(), n)); }

void CLinkButton::Draw(QPainter& dc, CRect) {
  if (strip_.HasSlot()) {
    strip_.DrawFrame(dc, rect_.ToQRectF(), state_, 3);
    return;
  }
  const COLORREF colour = state_ == 0 ? kTextGrey : state_ == 1 ? kTextWhite : kTextYellow;
  DrawCaption(dc, QString::fromStdU16String(text_), colour, format_);
}

bool CLinkButton::OnMouseMove(unsigned, int x, int y) {
  if (disabled_ || state_ == 2) return false;
  const int old = state_;
  if (rect_.Contains(x, y)) {
    state_ = 1;
    if (!inside_) {
      inside_ = true;
      Notify(kNotifyEnter);
    }
  } else {
    state_ = 0;
    if (inside_) {
      inside_ = false;
      Notify(kNotifyLeave);
    }
  }
  return old != state_;
}

bool CLinkButton::OnLButtonDown(unsigned, int x, int y) { return ButtonLButtonDown(x, y); }
bool CLinkButton::OnLButtonUp(unsigned, int x, int y) { return ButtonLButtonUp(x, y, [] {}); }
void CLinkButton::ReleaseImages() { strip_.Release(); }

}  // namespace corvane
