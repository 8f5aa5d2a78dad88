#pragma once
// A colour swatch inside a frame picture that shows whether it is the chosen one; a
// double click reports code 10 (the owner opens the palette).
#include "skin/CControlBase.h"
#include "skin/SkinImage.h"

namespace corvane {

class CColorSelectCheckButton : public CControlBase {
 public:
  CColorSelectCheckButton(ControlHost* parent, unsigned id, CRect rect, std::u16string text, CRect swatch,
                          bool visible = true, bool shown = true, bool disabled = false);

  bool LoadNormalImage(std::u16string_view skinName);
  bool LoadCheckedImage(std::u16string_view skinName);
  void SetChecked(int c) { checked_ = c; }
  int Checked() const { return checked_; }
  void SetColor(COLORREF c) { colour_ = c; }
  COLORREF Color() const { return colour_; }
  CRect Swatch() const { return swatch_; }

  void Draw(QPainter& dc, CRect clip) override;
  bool OnMouseMove(unsigned flags, int x, int y) override;
  bool OnLButtonDown(unsigned flags, int x, int y) override;
  bool OnLButtonUp(unsigned flags, int x, int y) override;
  bool OnLButtonDblClk(unsigned flags, int x, int y) override;
  void ReleaseImages() override;

 private:
  SkinImage normal_, checkedImage_;
  int checked_ = 0;
  CRect swatch_;
  COLORREF colour_ = 0x0000FF00;
};

}  // namespace corvane
