#pragma once
// The settings commands of the main window, written once for every front end: each
// changes the current profile as its control does, sets the dirty flag of the group the
// mouse must learn, and says what the window is to do next.
#include <cstdint>

#include "settings/CommandEffect.h"
#include "settings/DeviceDirtyFlags.h"

namespace corvane {

struct SettingsStore;
struct ProfileRecord;
struct LanguageTable;

// DPI levels. The level shown as current in the DPI section is the profile's
// CurrentDPILevel (the window shows it from there and collects it back).
// Enable check of level k: the last enabled level cannot be switched off; switching off
// the current level makes the next enabled one (cyclically) current.
CommandEffect SetDpiLevelEnabled(ProfileRecord& p, int level, bool enabled, DeviceDirtyFlags& dirty);
CommandEffect SetDpiLevelColour(ProfileRecord& p, int level, std::uint32_t colour, DeviceDirtyFlags& dirty);
// The level's slider: the X step only.
CommandEffect SetDpiSliderStep(ProfileRecord& p, int level, int step, SliderCommit commit, DeviceDirtyFlags& dirty);
// The value dialog: X and Y (the single-value dialog gives the same step for both).
CommandEffect SetDpiValue(ProfileRecord& p, int level, int xStep, int yStep, DeviceDirtyFlags& dirty);
// The level radio: makes level k current.
CommandEffect SelectDpiLevel(ProfileRecord& p, int level, DeviceDirtyFlags& dirty);

// Lighting. Modes 1..7 are named by language texts 100..106, mode 0 by text 109.
CommandEffect SetLightingMode(ProfileRecord& p, const LanguageTable& language, int mode, DeviceDirtyFlags& dirty);
// Speed, brightness and direction go to the current mode and to modes 0..7.
CommandEffect SetLightingSpeed(ProfileRecord& p, int position, SliderCommit commit, DeviceDirtyFlags& dirty);
CommandEffect SetLightingBrightness(ProfileRecord& p, int position, SliderCommit commit, DeviceDirtyFlags& dirty);
CommandEffect SetLightingDirection(ProfileRecord& p, int direction, DeviceDirtyFlags& dirty);
// The palette's colour for slot j of the current mode.
CommandEffect SetLightingColour(ProfileRecord& p, int slot, std::uint32_t colour, DeviceDirtyFlags& dirty);
// Selects or deselects slot j of the current mode; some modes keep a minimum of slots
// (attention text 153 or 154).
CommandEffect ToggleLightingSlot(ProfileRecord& p, int slot, DeviceDirtyFlags& dirty);

// Polling rate radios (index 0..6). The polling popup (index 0..3) stores the rate
// without asking for an upload.
CommandEffect SetPollingRate(ProfileRecord& p, int index, DeviceDirtyFlags& dirty);
CommandEffect SetPollingRateFromPopup(ProfileRecord& p, int index);

CommandEffect SetLiftOff(ProfileRecord& p, int height, DeviceDirtyFlags& dirty);  // 1, else 2
CommandEffect SetKeyDebounce(ProfileRecord& p, int ms, SliderCommit commit, DeviceDirtyFlags& dirty);

enum class SensorOption { AngleSnap, MotionSync, RippleControl };
CommandEffect SetSensorOption(ProfileRecord& p, SensorOption option, bool on, DeviceDirtyFlags& dirty);

// Power: minutes as stored (the sliders store position + 1).
CommandEffect SetPowerDownTime(ProfileRecord& p, int minutes, SliderCommit commit, DeviceDirtyFlags& dirty);
CommandEffect SetRgbOffTime(ProfileRecord& p, int minutes, SliderCommit commit, DeviceDirtyFlags& dirty);
CommandEffect SetMoveLighting(ProfileRecord& p, bool on, DeviceDirtyFlags& dirty);
CommandEffect SetMotionWakeup(ProfileRecord& p, bool on, DeviceDirtyFlags& dirty);

// Pointer settings, kept in the profile only.
enum class PointerSetting { ScrollWheelSpeed, PointerSpeed, DoubleClickSpeed, Acceleration, ScrollByPage };
CommandEffect SetPointerSetting(ProfileRecord& p, PointerSetting setting, int value, SliderCommit commit,
                                DeviceDirtyFlags& dirty);

// A profile tab or row of the profile list: the slot (0..4) becomes current and the
// mouse is to take the whole profile.
CommandEffect SelectProfile(SettingsStore& settings, int slot, DeviceDirtyFlags& dirty);

// The apply button: buttons and performance settings are sent (the caller then runs
// the upload at once).
void RequestFullApply(DeviceDirtyFlags& dirty);

}  // namespace corvane
