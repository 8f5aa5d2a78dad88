#include "skin/CComboButton.h"

#include <QPainter>

#include "skin/SkinFiles.h"

namespace corvane {

CComboButton::CComboButton(ControlHost* parent, unsigned notifyMessage, unsigned id, CRect rect,
                           std::u16string text, unsigned textFormat, std::u16string valueText, bool visible,
                           bool shown, bool disabled)
    : CControlBase(parent, id, rect, std::move(text), visible, shown, disabled),
      notifyMessage_(notifyMessage), format_(textFormat), valueText_(std::move(valueText)) {}

bool CComboButton::LoadNormalImage(std::u16string_view n) { return normal_.Load(SkinFilePath(Gui(), n)); }
bool CComboButton::LoadHoverImage(std::u16string_view n) { return hover_.Load(SkinFilePath(Gui(), n)); }
bool CComboButton::LoadStripImage(std::u16string_view n) { return strip_.Load(SkinFilePath(Gui(), n)); }

void CComboButton::Draw(QPainter& dc, CRect) {
  COLORREF colour;
  if (strip_.HasSlot()) {
    int frame;
    if (locked_) {
      frame = state_ != 0 ? 4 : 3;
      colour = kTextWhite;
    } else {
      frame = popupOpen_ ? 1 : state_;
      colour = frame != 0 ? kTextWhite : kTextGrey;
    }
    strip_.DrawFrame(dc, rect_.ToQRectF(), frame, 5);
  } else {
    const bool lit = popupOpen_ || state_ != 0;
    (lit ? hover_ : normal_).Draw(dc, rect_.ToQRectF());
    colour = lit ? kTextWhite : kTextGrey;
  }
  const QString caption = disabledCaption_ ? QStringLiteral("Disable") : QString::fromStdU16String(valueText_);
  DrawCaption(dc, caption, colour, format_, marginLeft_, marginRight_);
}

bool CComboButton::OnMouseMove(unsigned, int x, int y) {
  if (disabled_ || state_ == 2) return false;
  const int old = state_;
  if (rect_.Contains(x, y)) {
    state_ = 1;
    if (!entered_) {
      if (enterCount_ < 4) {
        left_ = false;
        ++enterCount_;
      } else {
        entered_ = true;
        left_ = false;
      }
      SendTo(notifyMessage_, kNotifyEnter, id_);
    }
  } else {
    state_ = 0;
    if (!left_ && !popupOpen_) {
      entered_ = false;
      enterCount_ = 0;
      left_ = true;
      SendTo(notifyMessage_, kNotifyLeave, id_);
    }
  }
  return old != state_;
}

bool CComboButton::OnLButtonDown(unsigned, int x, int y) {
  if (disabled_ || !rect_.Contains(x, y)) return false;
  const int old = state_;
  state_ = 2;
  if (!locked_) Notify(kNotifyPress);
  return old != state_;
}

bool CComboButton::OnLButtonUp(unsigned, int x, int y) {
  if (disabled_) return false;
  const int old = state_;
  if (rect_.Contains(x, y)) {
    state_ = 1;
    if (!locked_) SendTo(notifyMessage_, kNotifyClick, id_);
  } else {
    state_ = 0;
  }
  return old != state_;
}

void CComboButton::ReleaseImages() {
  normal_.Release();
  hover_.Release();
  strip_.Release();
}

}  // namespace corvane
