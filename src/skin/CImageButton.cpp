#include "skin/CImageButton.h"

#include <QPainter>

#include "skin/SkinFiles.h"

namespace corvane {

CImageButton::CImageButton(ControlHost* parent, unsigned id, CRect rect, std::u16string text,
                           unsigned textFormat, bool visible, bool shown, bool disabled)
    : CControlBase(parent, id, rect, std::move(text), visible, shown, disabled), format_(textFormat) {}

bool CImageButton::LoadNormalImage(std::u16string_view skinName) { return normal_.Load(SkinFilePath(Gui(), skinName)); }
bool CImageButton::LoadHoverImage(std::u16string_view skinName) { return hover_.Load(SkinFilePath(Gui(), skinName)); }

void CImageButton::Draw(QPainter& dc, CRect) {
  // Without a normal picture the button is not drawn at all, caption included.
  if (!normal_.HasSlot()) return;
  (state_ == 0 ? normal_ : hover_).Draw(dc, rect_.ToQRectF());
  const COLORREF colour = state_ == 0 ? kTextGrey : state_ == 1 ? kTextWhite : kTextYellow;
  DrawCaption(dc, QString::fromStdU16String(text_), colour, format_, marginLeft_, marginRight_);
}

bool CImageButton::OnMouseMove(unsigned, int x, int y) {
  const bool changed = ButtonMouseMove(x, y);
  if (id_ == kHoverReportId && !disabled_ && state_ != 2 && rect_.Contains(x, y)) Notify(kNotifyHoverReport);
  return changed;
}

bool CImageButton::OnLButtonDown(unsigned, int x, int y) { return ButtonLButtonDown(x, y); }

bool CImageButton::OnLButtonUp(unsigned, int x, int y) {
  return ButtonLButtonUp(x, y, [] {}, id_);
}

void CImageButton::ReleaseImages() {
  normal_.Release();
  hover_.Release();
}

}  // namespace corvane
