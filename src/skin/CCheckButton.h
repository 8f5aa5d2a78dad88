#pragma once
// A two-state button: each click toggles its checked flag; a checked button shows its
// checked picture, caption and colour.
#include "skin/CControlBase.h"
#include "skin/SkinImage.h"

namespace corvane {

class CCheckButton : public CControlBase {
 public:
  CCheckButton(ControlHost* parent, unsigned id, CRect rect, std::u16string text, unsigned textFormat,
               bool visible = true, bool shown = true, bool disabled = false);

  bool LoadNormalImage(std::u16string_view skinName);
  bool LoadHoverImage(std::u16string_view skinName);
  bool LoadCheckedImage(std::u16string_view skinName);
  void SetCaptionMargins(int left, int right) { marginLeft_ = left, marginRight_ = right; }
  void SetChecked(bool c) { checked_ = c; }
  bool Checked() const { return checked_; }
  void SetCaptions(std::u16string unchecked, std::u16string checked);
  void SetTextColors(COLORREF normal, COLORREF hover, COLORREF checked);

  void Draw(QPainter& dc, CRect clip) override;
  bool OnMouseMove(unsigned flags, int x, int y) override;
  bool OnLButtonDown(unsigned flags, int x, int y) override;
  bool OnLButtonUp(unsigned flags, int x, int y) override;
  void ReleaseImages() override;

 private:
  unsigned format_;
  SkinImage normal_, hover_, checkedImage_;
  bool checked_ = false;
  std::u16string uncheckedCaption_, checkedCaption_;
  COLORREF colourNormal_ = kTextGrey, colourHover_ = kTextWhite, colourChecked_ = kTextYellow;
  int marginLeft_ = 0, marginRight_ = 0;
};

}  // namespace corvane
