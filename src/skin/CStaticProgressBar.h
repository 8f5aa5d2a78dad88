#pragma once
// A progress bar (id always 3002): the background picture and the left part of the fill
// picture in proportion to value / maximum.
#include "skin/CControlBase.h"
#include "skin/SkinImage.h"

namespace corvane {

constexpr unsigned kStaticProgressBarId = 3002;

class CStaticProgressBar : public CControlBase {
 public:
  CStaticProgressBar(ControlHost* parent, unsigned id, CRect rect, std::u16string text, bool visible = true,
                     bool shown = true);

  bool LoadBackgroundImage(std::u16string_view skinName);
  bool LoadFillImage(std::u16string_view skinName);
  void SetMaximum(int m) { maximum_ = m; }
  void SetValue(int v) { value_ = v; }
  int Value() const { return value_; }
  int Maximum() const { return maximum_; }

  void Draw(QPainter& dc, CRect clip) override;
  void ReleaseImages() override;

 private:
  SkinImage background_, fill_;
  int maximum_ = 100;
  int value_ = 10;
};

}  // namespace corvane
