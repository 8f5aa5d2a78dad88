#pragma once
// What the radio buttons share: a normal, hover and selected picture, the selected one
// shown while the button is selected, and a click that selects it.
#include "skin/CControlBase.h"
#include "skin/SkinImage.h"

namespace corvane {

class CRadioButtonBase : public CControlBase {
 public:
  using CControlBase::CControlBase;

  bool LoadNormalImage(std::u16string_view skinName);
  bool LoadHoverImage(std::u16string_view skinName);
  bool LoadSelectedImage(std::u16string_view skinName);
  virtual bool Selected() const = 0;

  void Draw(QPainter& dc, CRect clip) override;
  bool OnMouseMove(unsigned flags, int x, int y) override;
  bool OnLButtonDown(unsigned flags, int x, int y) override;
  bool OnLButtonUp(unsigned flags, int x, int y) override;
  void ReleaseImages() override;

 protected:
  // Makes this button the selected one; called by a click before it is reported.
  virtual void Select() = 0;

 private:
  SkinImage normal_, hover_, selected_;
};

}  // namespace corvane
