#include "app/CollectUiIntoProfile.h"

#include <algorithm>

#include "app/MainWindowIds.h"
#include "settings/ProfileTable.h"
#include "skin/CCheckButton.h"
#include "skin/CDlgBase.h"
#include "skin/CPowerManageButton.h"
#include "skin/CRadioButton.h"
#include "skin/CSliderControl.h"
#include "skin/GuiState.h"

namespace corvane {

using namespace mainwnd;

namespace {

// Speed, brightness and direction of the current mode are also those of modes 0..7;
// modes 8 and 9 keep their own unless current.
constexpr std::size_t kSharedModes = 8;
// The key debounce when the window has no debounce slider.
constexpr int kDefaultDebounceMs = 12;
// The dial's eight levels stand for 3 to 10 minutes.
constexpr int kDialFirstMinutes = 3;

template <class T>
const T* Find(const CDlgBase& dlg, unsigned id) {
  return dynamic_cast<const T*>(dlg.FindControl(id));
}

bool Checked(const CDlgBase& dlg, unsigned id) {
  const auto* c = Find<CCheckButton>(dlg, id);
  return c && c->Checked();
}

bool Chosen(const GuiState& gui, unsigned id) {
  const auto bit = RadioBitOf(id);
  return bit && ((gui.RadioSelection >> bit->bit) & 1u) != 0;
}

const CSliderControl* Slider(const CDlgBase& dlg, unsigned id) { return Find<CSliderControl>(dlg, id); }

void SetShared(std::array<std::uint8_t, kLightingModeCount>& table, std::size_t mode, int value) {
  const auto v = static_cast<std::uint8_t>(value);
  if (mode < table.size()) table[mode] = v;
  std::fill_n(table.begin(), kSharedModes, v);
}

}  // namespace

void CollectUiIntoProfile(const CDlgBase& dlg, const GuiState& gui, ProfileRecord& p) {
  p.SetScrollWheelPageEnable(Chosen(gui, kScrollPage) ? 1 : 0);

  p.SetMoveLightingOnOffMode(Checked(dlg, kMoveLighting) ? 1 : 0);
  p.SetMotionWakeup(Checked(dlg, kMotionWakeup) ? 1 : 0);
  p.SetAngleSnap(Checked(dlg, kAngleSnap) ? 1 : 0);
  p.SetMotionSync(Checked(dlg, kMotionSync) ? 1 : 0);
  p.SetRippleControl(Checked(dlg, kRippleControl) ? 1 : 0);

  if (const auto* dial = Find<CPowerManageButton>(dlg, kPowerDial))
    p.SetPowerDownTime(dial->Level() + kDialFirstMinutes - 1);
  if (const auto* s = Slider(dlg, kSleepSlider)) p.SetPowerDownTime(s->CurrentStop() + 1);
  if (const auto* s = Slider(dlg, kLightsOffSlider)) p.SetRgbOffTime(s->CurrentStop() + 1);

  if (const auto* s = Slider(dlg, kScrollSpeed)) p.SetScrollWheelSpeed(s->CurrentStop());
  if (const auto* s = Slider(dlg, kTiltSpeed)) p.SetTiltSpeed(s->CurrentStop());
  if (const auto* s = Slider(dlg, kPointerSpeed)) p.SetPointerSpeed(s->CurrentStop());
  if (const auto* s = Slider(dlg, kDoubleClickSpeed)) p.SetDoubleClickSpeed(s->CurrentStop());

  std::uint8_t enabled = 0;
  for (int k = 0; k < kDpiLevelCount; ++k)
    if (Checked(dlg, kDpiEnableFirst + static_cast<unsigned>(k))) enabled |= static_cast<std::uint8_t>(1u << k);
  p.DPIOffOnFlag = enabled;

  const std::size_t mode = p.Lighting1ModeValue[0];
  if (const auto* s = Slider(dlg, kLightingSpeed)) SetShared(p.Lighting1Speed, mode, s->CurrentStop());
  if (const auto* s = Slider(dlg, kLightingBrightness)) SetShared(p.Lighting1Brightness, mode, s->CurrentStop());
  SetShared(p.Lighting1Direction, mode, Chosen(gui, kLightingForward) ? 1 : 0);

  p.SetAccelerationEnable(Checked(dlg, kAcceleration) ? 1 : 0);
  p.SetLiftDetectionHeight(Chosen(gui, kLiftLow) ? 1 : 2);
  const auto* debounce = Slider(dlg, kDebounceSlider);
  p.SetKeyDebounce(debounce ? debounce->CurrentStop() : kDefaultDebounceMs);
}

}  // namespace corvane
