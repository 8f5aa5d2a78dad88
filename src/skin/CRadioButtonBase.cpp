#include "skin/CRadioButtonBase.h"

#include <QPainter>

#include "skin/SkinFiles.h"

namespace corvane {

bool CRadioButtonBase::LoadNormalImage(std::u16string_view n) { return normal_.Load(SkinFilePath(Gui(), n)); }
bool CRadioButtonBase::LoadHoverImage(std::u16string_view n) { return hover_.Load(SkinFilePath(Gui(), n)); }
bool CRadioButtonBase::LoadSelectedImage(std::u16string_view n) { return selected_.Load(SkinFilePath(Gui(), n)); }

void CRadioButtonBase::Draw(QPainter& dc, CRect) {
  const int frame = Selected() ? 2 : state_;
  (frame == 0 ? normal_ : frame == 1 ? hover_ : selected_).Draw(dc, rect_.ToQRectF());
}

bool CRadioButtonBase::OnMouseMove(unsigned, int x, int y) { return ButtonMouseMove(x, y); }
bool CRadioButtonBase::OnLButtonDown(unsigned, int x, int y) { return ButtonLButtonDown(x, y); }
bool CRadioButtonBase::OnLButtonUp(unsigned, int x, int y) { return ButtonLButtonUp(x, y, [this] { Select(); }); }

void CRadioButtonBase::ReleaseImages() {
  normal_.Release();
  hover_.Release();
  selected_.Release();
}

}  // namespace corvane
