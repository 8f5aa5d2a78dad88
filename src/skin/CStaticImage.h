#pragma once
// A picture that never reacts to the mouse: frame 0 of its strip over the rectangle.
#include "skin/CControlBase.h"
#include "skin/SkinImage.h"

namespace corvane {

class CStaticImage : public CControlBase {
 public:
  CStaticImage(ControlHost* parent, unsigned id, CRect rect, std::u16string text, bool visible = true,
               bool shown = true);

  // A strip of frameCount frames side by side (1 for a plain picture).
  bool LoadStripImage(std::u16string_view skinName, int frameCount = 1);

  void Draw(QPainter& dc, CRect clip) override;
  void ReleaseImages() override;

 private:
  SkinImage strip_;
  int frames_ = 1;
};

}  // namespace corvane
