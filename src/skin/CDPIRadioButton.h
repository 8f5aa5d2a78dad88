#pragma once
// The selector of one DPI level slot (ids 3290 to 3297): clicking level k shows levels 0
// to k selected, through the low byte of the shared word DpiRadioSelection.
#include <cstdint>

#include "skin/CControlBase.h"
#include "skin/SkinImage.h"

namespace corvane {

constexpr unsigned kDpiRadioFirstId = 3290;
constexpr unsigned kDpiRadioLastId = 3297;

// DpiRadioSelection after clicking level k: low byte (1 << (k + 1)) - 1, upper bytes kept.
std::uint32_t SelectDpiLevels(std::uint32_t selection, int level);

class CDPIRadioButton : public CControlBase {
 public:
  CDPIRadioButton(ControlHost* parent, unsigned id, CRect rect, std::u16string text, bool visible = true,
                  bool shown = true, bool disabled = false);

  bool LoadNormalImage(std::u16string_view skinName);
  bool LoadHoverImage(std::u16string_view skinName);
  bool LoadSelectedImage(std::u16string_view skinName);
  // The level's resolution as a display value (DPI / 50).
  void SetDpiValue(int value) { dpiValue_ = value; }
  int DpiValue() const { return dpiValue_; }
  int Level() const { return static_cast<int>(id_) - static_cast<int>(kDpiRadioFirstId); }
  bool Selected() const;

  void Draw(QPainter& dc, CRect clip) override;
  bool OnMouseMove(unsigned flags, int x, int y) override;
  bool OnLButtonDown(unsigned flags, int x, int y) override;
  bool OnLButtonUp(unsigned flags, int x, int y) override;
  void ReleaseImages() override;

 private:
  SkinImage normal_, hover_, selected_;
  int dpiValue_ = 0;
};

}  // namespace corvane
