#pragma once
// The face of a drop-down: shows the current value, tells its owner when the mouse comes
// in (code 4, on each of the first five moves) and goes out (code 5), and asks for the
// drop-down on a click. Codes 2, 4 and 5 go to the notification message number.
#include "skin/CControlBase.h"
#include "skin/SkinImage.h"

namespace corvane {

class CComboButton : public CControlBase {
 public:
  CComboButton(ControlHost* parent, unsigned notifyMessage, unsigned id, CRect rect, std::u16string text,
               unsigned textFormat, std::u16string valueText, bool visible = true, bool shown = true,
               bool disabled = false);

  bool LoadNormalImage(std::u16string_view skinName);
  bool LoadHoverImage(std::u16string_view skinName);
  // A strip of five frames: normal, hover or open, pressed, locked, locked and hovered.
  bool LoadStripImage(std::u16string_view skinName);
  void SetCaptionMargins(int left, int right) { marginLeft_ = left, marginRight_ = right; }
  void SetValueText(std::u16string v) { valueText_ = std::move(v); }
  const std::u16string& ValueText() const { return valueText_; }
  void SetDisabledCaption(bool d) { disabledCaption_ = d; }
  void SetPopupOpen(bool o) { popupOpen_ = o; }
  bool PopupOpen() const { return popupOpen_; }
  void SetLocked(bool l) { locked_ = l; }
  bool Locked() const { return locked_; }
  unsigned NotifyMessage() const { return notifyMessage_; }

  void Draw(QPainter& dc, CRect clip) override;
  bool OnMouseMove(unsigned flags, int x, int y) override;
  bool OnLButtonDown(unsigned flags, int x, int y) override;
  bool OnLButtonUp(unsigned flags, int x, int y) override;
  void ReleaseImages() override;

 private:
  unsigned notifyMessage_;
  unsigned format_;
  std::u16string valueText_;
  SkinImage normal_, hover_, strip_;
  int marginLeft_ = 0, marginRight_ = 0;
  bool popupOpen_ = false, locked_ = false, disabledCaption_ = false;
  int enterCount_ = 0;
  bool entered_ = false, left_ = false;
};

}  // namespace corvane
