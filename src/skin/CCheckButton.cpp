#include "skin/CCheckButton.h"

#include <QPainter>

#include "skin/SkinFiles.h"

namespace corvane {

CCheckButton::CCheckButton(ControlHost* parent, unsigned id, CRect rect, std::u16string text, unsigned textFormat,
                           bool visible, bool shown, bool disabled)
    : CControlBase(parent, id, rect, std::move(text), visible, shown, disabled), format_(textFormat) {}

bool CCheckButton::LoadNormalImage(std::u16string_view n) { return normal_.Load(SkinFilePath(Gui(), n)); }
bool CCheckButton::LoadHoverImage(std::u16string_view n) { return hover_.Load(SkinFilePath(Gui(), n)); }
bool CCheckButton::LoadCheckedImage(std::u16string_view n) { return checkedImage_.Load(SkinFilePath(Gui(), n)); }

void CCheckButton::SetCaptions(std::u16string unchecked, std::u16string checked) {
  uncheckedCaption_ = std::move(unchecked);
  checkedCaption_ = std::move(checked);
}

void CCheckButton::SetTextColors(COLORREF normal, COLORREF hover, COLORREF checked) {
  colourNormal_ = normal;
  colourHover_ = hover;
  colourChecked_ = checked;
}

void CCheckButton::Draw(QPainter& dc, CRect) {
  const int frame = checked_ ? 2 : state_;
  const SkinImage& img = frame == 0 ? normal_ : frame == 1 ? hover_ : checkedImage_;
  img.Draw(dc, rect_.ToQRectF());
  const std::u16string& own = frame == 2 ? checkedCaption_ : uncheckedCaption_;
  const std::u16string& caption = own.empty() ? text_ : own;
  const COLORREF colour = frame == 0 ? colourNormal_ : frame == 1 ? colourHover_ : colourChecked_;
  DrawCaption(dc, QString::fromStdU16String(caption), colour, format_, marginLeft_, marginRight_);
}

bool CCheckButton::OnMouseMove(unsigned, int x, int y) { return ButtonMouseMove(x, y); }
bool CCheckButton::OnLButtonDown(unsigned, int x, int y) { return ButtonLButtonDown(x, y); }
bool CCheckButton::OnLButtonUp(unsigned, int x, int y) {
  return ButtonLButtonUp(x, y, [this] { checked_ = !checked_; });
}

void CCheckButton::ReleaseImages() {
  normal_.Release();
  hover_.Release();
  checkedImage_.Release();
}

}  // namespace corvane
