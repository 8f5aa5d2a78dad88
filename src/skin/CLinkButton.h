#pragma once
// A text link (id always 3503) that reports the mouse entering (code 4) and leaving
// (code 5) once each.
#include "skin/CControlBase.h"
#include "skin/SkinImage.h"

namespace corvane {

constexpr unsigned kLinkButtonId = 3503;

class CLinkButton : public CControlBase {
 public:
  // The id argument is ignored: the link is always 3503.
  CLinkButton(ControlHost* parent, unsigned id, CRect rect, std::u16string text, unsigned textFormat,
              bool visible = true, bool shown = true, bool disabled = false);

  bool LoadStripImage(std::u16string_view skinName);

  void Draw(QPainter& dc, CRect clip) override;
  bool OnMouseMove(unsigned flags, int x, int y) override;
  bool OnLButtonDown(unsigned flags, int x, int y) override;
  bool OnLButtonUp(unsigned flags, int x, int y) override;
  void ReleaseImages() override;

 private:
  unsigned format_;
  SkinImage strip_;
  bool inside_ = false;
};

}  // namespace corvane
