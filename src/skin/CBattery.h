#pragma once
// The battery gauge (id always 3406): an empty frame filled from the bottom by the level,
// a charging picture while charging, and the full picture when charged.
#include <cstdint>

#include "skin/CControlBase.h"
#include "skin/SkinImage.h"

namespace corvane {

constexpr unsigned kBatteryId = 3406;

class CBattery : public CControlBase {
 public:
  enum Mode { kNormal = 0, kCharging = 1, kFull = 2 };

  CBattery(ControlHost* parent, unsigned id, CRect rect, std::u16string text, bool visible = true,
           bool shown = true);

  bool LoadFillImage(std::u16string_view skinName);
  bool LoadEmptyImage(std::u16string_view skinName);
  bool LoadChargingFillImage(std::u16string_view skinName);
  bool LoadChargingSymbolImage(std::u16string_view skinName);
  void SetLevel(std::uint8_t level) { level_ = level; }
  std::uint8_t Level() const { return level_; }
  void SetChargingLevel(std::uint8_t level) { chargingLevel_ = level; }
  void SetMode(int mode) { mode_ = mode; }
  int Mode() const { return mode_; }
  // The top of the fill for a level: the frame's fill spans image rows 7 to 57.
  int FillTop(int level) const;

  void Draw(QPainter& dc, CRect clip) override;
  void ReleaseImages() override;

 private:
  void DrawFill(QPainter& dc, const SkinImage& fill, int level) const;

  SkinImage fill_, empty_, chargingFill_, chargingSymbol_;
  std::uint8_t level_ = 100;
  std::uint8_t chargingLevel_ = 25;
  int mode_ = kNormal;
};

}  // namespace corvane
