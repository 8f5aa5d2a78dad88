#pragma once
// A caption that never reacts to the mouse.
#include "skin/CControlBase.h"

namespace corvane {

class CStaticText : public CControlBase {
 public:
  CStaticText(ControlHost* parent, unsigned id, CRect rect, std::u16string text, COLORREF colour,
              unsigned textFormat, bool visible = true, bool shown = true);

  void SetColor(COLORREF c) { colour_ = c; }
  COLORREF Color() const { return colour_; }

  void Draw(QPainter& dc, CRect clip) override;

 private:
  COLORREF colour_;
  unsigned format_;
};

}  // namespace corvane
