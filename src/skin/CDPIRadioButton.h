#pragma once
// The selector of one DPI level slot (ids 3290 to 3297): clicking level k shows levels 0
// to k selected, through the low byte of the shared word DpiRadioSelection.
#include <cstdint>

#include "skin/CRadioButtonBase.h"

namespace corvane {

constexpr unsigned kDpiRadioFirstId = 3290;
constexpr unsigned kDpiRadioLastId = 3297;

// DpiRadioSelection after clicking level k: low byte (1 << (k + 1)) - 1, upper bytes kept.
std::uint32_t SelectDpiLevels(std::uint32_t selection, int level);

class CDPIRadioButton : public CRadioButtonBase {
 public:
  CDPIRadioButton(ControlHost* parent, unsigned id, CRect rect, std::u16string text, bool visible = true,
                  bool shown = true, bool disabled = false);

  // The level's resolution as a display value (DPI / 50).
  void SetDpiValue(int value) { dpiValue_ = value; }
  int DpiValue() const { return dpiValue_; }
  int Level() const { return static_cast<int>(id_) - static_cast<int>(kDpiRadioFirstId); }
  bool Selected() const override;

  void Draw(QPainter& dc, CRect clip) override;

 protected:
  void Select() override;

 private:
  int dpiValue_ = 0;
};

}  // namespace corvane
