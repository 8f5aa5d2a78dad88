#pragma once
// A page or profile tab. A click stores its page in ProfileTabIndex (tabs 2049 to 2053)
// or PageTabIndex (3001 to 3004, 3007 to 3009); a right click reports code 11 with the
// tab's id.
#include <optional>

#include "skin/CControlBase.h"
#include "skin/SkinImage.h"

namespace corvane {

// Page of a profile tab (2049 -> 0 ... 2053 -> 4), none for other ids.
std::optional<int> ProfileTabPage(unsigned id);
// Page of a page tab (3001 -> 0 ... 3004 -> 3, 3007 -> 7, 3008 -> 8, 3009 -> 9).
std::optional<int> PageTabPage(unsigned id);

class CTabControl : public CControlBase {
 public:
  CTabControl(ControlHost* parent, unsigned id, CRect rect, std::u16string text, unsigned textFormat,
              bool visible = true, bool shown = true, bool disabled = false);

  // A strip of four frames: normal, hover, selected, selected and hovered.
  bool LoadStripImage(std::u16string_view skinName);
  bool LoadNormalImage(std::u16string_view skinName);
  bool LoadHoverImage(std::u16string_view skinName);
  bool LoadSelectedImage(std::u16string_view skinName);
  bool LoadSelectedHoverImage(std::u16string_view skinName);
  void SetCaptionMargins(int left, int right) { marginLeft_ = left, marginRight_ = right; }
  // The frame drawn now (0 normal, 1 hover, 2 selected, 3 selected and hovered).
  int Frame() const;

  void Draw(QPainter& dc, CRect clip) override;
  bool OnMouseMove(unsigned flags, int x, int y) override;
  bool OnLButtonDown(unsigned flags, int x, int y) override;
  bool OnLButtonUp(unsigned flags, int x, int y) override;
  bool OnRButtonUp(unsigned flags, int x, int y) override;
  void ReleaseImages() override;

 private:
  unsigned format_;
  SkinImage strip_;
  SkinImage images_[4];
  int marginLeft_ = 0, marginRight_ = 0;
};

}  // namespace corvane
