#include "settings/SettingsCommands.h"

#include <algorithm>
#include <array>

#include "lang/LanguageEntries.h"
#include "lang/LanguageTable.h"
#include "settings/PollingRateTable.h"
#include "settings/ProfileTable.h"
#include "settings/SettingsStore.h"

namespace corvane {

namespace {

// Speed, brightness and direction are shared by these modes; modes 8 and 9 keep their
// own unless they are the current mode.
constexpr std::size_t kSharedModes = 8;
constexpr int kPollingPopupItems = 4;

CommandEffect Refused() {
  CommandEffect e;
  e.Refused = true;
  return e;
}

CommandEffect Schedule(int& flag, bool refresh = false) {
  flag = 1;
  CommandEffect e;
  e.ScheduleApply = true;
  e.RefreshView = refresh;
  return e;
}

CommandEffect Slide(int& flag, SliderCommit commit) {
  flag = 1;
  CommandEffect e;
  e.ScheduleApply = commit == SliderCommit::Release;
  return e;
}

bool ValidLevel(int level) { return level >= 0 && level < kDpiLevelCount; }

// The current mode's entry and the shared ones take the value; false for a mode past
// the per-mode tables.
bool SetPerMode(ProfileRecord& p, std::array<std::uint8_t, kLightingModeCount>& table, int value) {
  const std::size_t mode = p.Lighting1ModeValue[0];
  if (mode >= table.size()) return false;
  const auto v = static_cast<std::uint8_t>(value);
  table[mode] = v;
  std::fill_n(table.begin(), kSharedModes, v);
  return true;
}

// Which modes keep a minimum of selected colour slots, and the text of the refusal.
struct SlotMinimum {
  int Mode;
  int FirstSlot;
  int LastSlot;
  int RefusedAtCount;  // deselecting is refused with exactly this many selected; -1: always
  int Text;
};

constexpr std::array<SlotMinimum, 4> kSlotMinimums{{
    {6, 0, 9, -1, kTextNeedOneColour},
    {3, 0, 6, 1, kTextNeedOneColour},
    {8, 0, 1, 1, kTextNeedOneColour},
    {5, 0, 7, 2, kTextNeedTwoColours},
}};

}  // namespace

CommandEffect SetDpiLevelEnabled(ProfileRecord& p, int level, bool enabled, DeviceDirtyFlags& dirty) {
  if (!ValidLevel(level)) return Refused();
  const auto bit = static_cast<std::uint8_t>(1u << level);
  const std::uint8_t previous = p.DPIOffOnFlag;
  if (((previous & bit) != 0) == enabled) return {};
  // The only enabled level stays enabled.
  if (!enabled && previous == bit) return Refused();
  if (!enabled && level == p.CurrentDPILevel) {
    for (int step = 1; step <= kDpiLevelCount; ++step) {
      const int k = (level + step) % kDpiLevelCount;
      if ((previous >> k) & 1) {
        p.CurrentDPILevel = static_cast<std::uint8_t>(k);
        break;
      }
    }
  }
  p.DPIOffOnFlag = enabled ? static_cast<std::uint8_t>(previous | bit) : static_cast<std::uint8_t>(previous & ~bit);
  return Schedule(dirty.PerformanceDirty, true);
}

CommandEffect SetDpiLevelColour(ProfileRecord& p, int level, std::uint32_t colour, DeviceDirtyFlags& dirty) {
  if (!ValidLevel(level)) return Refused();
  p.DPILevelIndication[static_cast<std::size_t>(level)] = colour & 0xFFFFFF;
  return Schedule(dirty.PerformanceDirty);
}

CommandEffect SetDpiSliderStep(ProfileRecord& p, int level, int step, SliderCommit commit, DeviceDirtyFlags& dirty) {
  if (!ValidLevel(level) || step < 0 || step > 0xFFFF) return Refused();
  p.XYSettingX[static_cast<std::size_t>(level)] = static_cast<std::uint16_t>(step);
  return Slide(dirty.PerformanceDirty, commit);
}

CommandEffect SetDpiValue(ProfileRecord& p, int level, int xStep, int yStep, DeviceDirtyFlags& dirty) {
  if (!ValidLevel(level) || xStep < 0 || yStep < 0 || xStep > 0xFFFF || yStep > 0xFFFF) return Refused();
  p.XYSettingX[static_cast<std::size_t>(level)] = static_cast<std::uint16_t>(xStep);
  p.XYSettingY[static_cast<std::size_t>(level)] = static_cast<std::uint16_t>(yStep);
  return Schedule(dirty.PerformanceDirty);
}

CommandEffect SelectDpiLevel(ProfileRecord& p, int level, DeviceDirtyFlags& dirty) {
  if (!ValidLevel(level)) return Refused();
  if (level == p.CurrentDPILevel) return {};
  p.CurrentDPILevel = static_cast<std::uint8_t>(level);
  return Schedule(dirty.PerformanceDirty, true);
}

CommandEffect SetLightingMode(ProfileRecord& p, const LanguageTable& language, int mode, DeviceDirtyFlags& dirty) {
  if (mode < 0 || mode > 7) return Refused();
  p.SetLighting1Name(language.Text(mode == 0 ? kTextLightingOff : kTextLightingFirst + mode - 1));
  p.Lighting1ModeValue = {static_cast<std::uint8_t>(mode), 0, 0};
  return Schedule(dirty.PerformanceDirty, true);
}

CommandEffect SetLightingSpeed(ProfileRecord& p, int position, SliderCommit commit, DeviceDirtyFlags& dirty) {
  if (position < 0 || position > 0xFF || !SetPerMode(p, p.Lighting1Speed, position)) return Refused();
  return Slide(dirty.PerformanceDirty, commit);
}

CommandEffect SetLightingBrightness(ProfileRecord& p, int position, SliderCommit commit, DeviceDirtyFlags& dirty) {
  if (position < 0 || position > 0xFF || !SetPerMode(p, p.Lighting1Brightness, position)) return Refused();
  return Slide(dirty.PerformanceDirty, commit);
}

CommandEffect SetLightingDirection(ProfileRecord& p, int direction, DeviceDirtyFlags& dirty) {
  if (!SetPerMode(p, p.Lighting1Direction, direction != 0 ? 1 : 0)) return Refused();
  return Schedule(dirty.PerformanceDirty);
}

CommandEffect SetLightingColour(ProfileRecord& p, int slot, std::uint32_t colour, DeviceDirtyFlags& dirty) {
  const std::size_t mode = p.Lighting1ModeValue[0];
  if (slot < 0 || slot >= kLightingSlotCount || mode >= kLightingModeCount) return Refused();
  p.Lighting1FixedColor[mode][static_cast<std::size_t>(slot)] = colour & 0xFFFFFF;
  return Schedule(dirty.PerformanceDirty);
}

CommandEffect ToggleLightingSlot(ProfileRecord& p, int slot, DeviceDirtyFlags& dirty) {
  const std::size_t mode = p.Lighting1ModeValue[0];
  if (slot < 0 || slot >= kLightingSlotCount || mode >= kLightingModeCount) return Refused();
  auto& selected = p.Lighting1ColorSelected[mode];
  std::uint8_t& s = selected[static_cast<std::size_t>(slot)];
  if (s) {
    for (const auto& rule : kSlotMinimums) {
      if (rule.Mode != static_cast<int>(mode)) continue;
      const auto count = std::count_if(selected.begin() + rule.FirstSlot, selected.begin() + rule.LastSlot + 1,
                                       [](std::uint8_t v) { return v != 0; });
      if (rule.RefusedAtCount < 0 || count == rule.RefusedAtCount) {
        CommandEffect e = Refused();
        e.AttentionText = rule.Text;
        return e;
      }
    }
  }
  s = s ? 0 : 1;
  return Schedule(dirty.PerformanceDirty);
}

CommandEffect SetPollingRate(ProfileRecord& p, int index, DeviceDirtyFlags& dirty) {
  if (index < 0 || index >= static_cast<int>(kPollingRates.size())) return Refused();
  p.SetPollingRateName(kPollingRates[static_cast<std::size_t>(index)].ChoiceName);
  p.PollingRateValue = {static_cast<std::uint8_t>(index), 0, 0};
  return Schedule(dirty.PerformanceDirty, true);
}

CommandEffect SetPollingRateFromPopup(ProfileRecord& p, int index) {
  if (index < 0 || index >= kPollingPopupItems) return Refused();
  p.SetPollingRateName(kPollingRates[static_cast<std::size_t>(index)].ChoiceName);
  p.PollingRateValue = {static_cast<std::uint8_t>(index), 0, 0};
  return {};
}

CommandEffect SetLiftOff(ProfileRecord& p, int height, DeviceDirtyFlags& dirty) {
  p.SetLiftDetectionHeight(height == 1 ? 1 : 2);
  return Schedule(dirty.PerformanceDirty);
}

CommandEffect SetKeyDebounce(ProfileRecord& p, int ms, SliderCommit commit, DeviceDirtyFlags& dirty) {
  p.SetKeyDebounce(ms);
  return Slide(dirty.PerformanceDirty, commit);
}

CommandEffect SetSensorOption(ProfileRecord& p, SensorOption option, bool on, DeviceDirtyFlags& dirty) {
  switch (option) {
    case SensorOption::AngleSnap: p.SetAngleSnap(on); break;
    case SensorOption::MotionSync: p.SetMotionSync(on); break;
    case SensorOption::RippleControl: p.SetRippleControl(on); break;
  }
  return Schedule(dirty.SensorOptionsDirty, true);
}

CommandEffect SetPowerDownTime(ProfileRecord& p, int minutes, SliderCommit commit, DeviceDirtyFlags& dirty) {
  p.SetPowerDownTime(minutes);
  return Slide(dirty.PowerDirty, commit);
}

CommandEffect SetRgbOffTime(ProfileRecord& p, int minutes, SliderCommit commit, DeviceDirtyFlags& dirty) {
  p.SetRgbOffTime(minutes);
  return Slide(dirty.PowerDirty, commit);
}

CommandEffect SetMoveLighting(ProfileRecord& p, bool on, DeviceDirtyFlags& dirty) {
  p.SetMoveLightingOnOffMode(on ? 1 : 0);
  return Schedule(dirty.PowerDirty, true);
}

CommandEffect SetMotionWakeup(ProfileRecord& p, bool on, DeviceDirtyFlags& dirty) {
  p.SetMotionWakeup(on ? 1 : 0);
  return Schedule(dirty.MotionWakeupDirty, true);
}

CommandEffect SetPointerSetting(ProfileRecord& p, PointerSetting setting, int value, SliderCommit commit,
                                DeviceDirtyFlags& dirty) {
  switch (setting) {
    case PointerSetting::ScrollWheelSpeed: p.SetScrollWheelSpeed(value); break;
    case PointerSetting::PointerSpeed: p.SetPointerSpeed(value); break;
    case PointerSetting::DoubleClickSpeed: p.SetDoubleClickSpeed(value); break;
    case PointerSetting::Acceleration: p.SetAccelerationEnable(value); return Schedule(dirty.PointerSettingsDirty);
    case PointerSetting::ScrollByPage:
      // Scrolling by page disables the wheel-speed slider: the window redraws.
      p.SetScrollWheelPageEnable(value);
      return Schedule(dirty.PointerSettingsDirty, true);
  }
  return Slide(dirty.PointerSettingsDirty, commit);
}

CommandEffect SelectProfile(SettingsStore& ctx, int slot, DeviceDirtyFlags& dirty) {
  if (slot < 0 || slot >= kProfileCount) return Refused();
  ctx.Config.SetCurrentProfile(slot);
  ctx.CurrentProfileIndex = slot;
  dirty.ButtonsDirty = 1;
  return Schedule(dirty.PerformanceDirty, true);
}

void RequestFullApply(DeviceDirtyFlags& dirty) {
  dirty.ButtonsDirty = 1;
  dirty.PerformanceDirty = 1;
}

}  // namespace corvane
