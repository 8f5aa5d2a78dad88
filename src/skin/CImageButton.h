#pragma once
// A push button drawn from a normal and a hover picture with its caption on top.
#include "skin/CControlBase.h"
#include "skin/SkinImage.h"

namespace corvane {

class CImageButton : public CControlBase {
 public:
  // The button whose mouse moves are reported with code 12.
  static constexpr unsigned kHoverReportId = 3502;

  CImageButton(ControlHost* parent, unsigned id, CRect rect, std::u16string text, unsigned textFormat,
               bool visible = true, bool shown = true, bool disabled = false);

  bool LoadNormalImage(std::u16string_view skinName);
  bool LoadHoverImage(std::u16string_view skinName);
  void SetCaptionMargins(int left, int right) { marginLeft_ = left, marginRight_ = right; }

  void Draw(QPainter& dc, CRect clip) override;
  bool OnMouseMove(unsigned flags, int x, int y) override;
  bool OnLButtonDown(unsigned flags, int x, int y) override;
  bool OnLButtonUp(unsigned flags, int x, int y) override;
  void ReleaseImages() override;

 private:
  unsigned format_;
  SkinImage normal_, hover_;
  int marginLeft_ = 0, marginRight_ = 0;
};

}  // namespace corvane
