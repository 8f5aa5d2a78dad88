#include "skin/CColorSelectCheckButton.h"

#include <QPainter>

#include "skin/SkinFiles.h"
#include "skin/SkinScaling.h"

namespace corvane {

CColorSelectCheckButton::CColorSelectCheckButton(ControlHost* parent, unsigned id, CRect rect, std::u16string text,
                                                 CRect swatch, bool visible, bool shown, bool disabled)
    : CControlBase(parent, id, rect, std::move(text), visible, shown, disabled), swatch_(swatch) {}

bool CColorSelectCheckButton::LoadNormalImage(std::u16string_view n) { return normal_.Load(SkinFilePath(Gui(), n)); }
bool CColorSelectCheckButton::LoadCheckedImage(std::u16string_view n) {
  return checkedImage_.Load(SkinFilePath(Gui(), n));
}

void CColorSelectCheckButton::Draw(QPainter& dc, CRect) {
  (checked_ == 1 ? checkedImage_ : normal_).Draw(dc, rect_.ToQRectF());
  const int inset = Scaled(Scale(), 3);
  swatch_ = rect_.Inset(inset, inset, inset, inset);
  if (!swatch_.IsEmpty()) dc.fillRect(swatch_.ToQRect(), ColorOf(colour_));
}

bool CColorSelectCheckButton::OnMouseMove(unsigned, int x, int y) { return ButtonMouseMove(x, y); }
bool CColorSelectCheckButton::OnLButtonDown(unsigned, int x, int y) { return ButtonLButtonDown(x, y); }
bool CColorSelectCheckButton::OnLButtonUp(unsigned, int x, int y) { return ButtonLButtonUp(x, y, [] {}); }

bool CColorSelectCheckButton::OnLButtonDblClk(unsigned, int x, int y) {
  if (disabled_) return false;
  const int old = state_;
  if (rect_.Contains(x, y)) {
    state_ = 1;
    Notify(kNotifyDoubleClick);
  } else {
    state_ = 0;
  }
  return old != state_;
}

void CColorSelectCheckButton::ReleaseImages() {
  normal_.Release();
  checkedImage_.Release();
}

}  // namespace corvane
