#pragma once
// A colour swatch that can be clicked; the swatch rectangle is independent of the
// control's own rectangle.
#include "skin/CControlBase.h"

namespace corvane {

class CColorSelectButton : public CControlBase {
 public:
  CColorSelectButton(ControlHost* parent, unsigned id, CRect rect, std::u16string text, CRect swatch,
                     bool visible = true, bool shown = true, bool disabled = false);

  void SetColor(COLORREF c) { colour_ = c; }
  COLORREF Color() const { return colour_; }
  CRect Swatch() const { return swatch_; }

  void Draw(QPainter& dc, CRect clip) override;
  bool OnMouseMove(unsigned flags, int x, int y) override;
  bool OnLButtonDown(unsigned flags, int x, int y) override;
  bool OnLButtonUp(unsigned flags, int x, int y) override;

 private:
  CRect swatch_;
  COLORREF colour_ = 0x0000FF00;
};

}  // namespace corvane
