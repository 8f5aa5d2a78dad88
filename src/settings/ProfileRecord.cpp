#include <algorithm>
#include <cstdio>

#include "base/TextUtil.h"
#include "lang/LanguageEntries.h"
#include "lang/LanguageTable.h"
#include "settings/ProfileTable.h"

namespace corvane {
namespace {

struct DefaultSetting {
  std::u16string_view Key;
  std::u16string_view Value;  // the name pair's value comes from the language instead
};

constexpr std::array<DefaultSetting, kSettingCount> kDefaultSettings{{
    {u"ProfileName", u""},
    {u"GameFile0", u""},
    {u"GameFile1", u""},
    {u"GameFile2", u""},
    {u"DoubleClickSpeed", u"6"},
    {u"PointerSpeed", u"5"},
    {u"AccelerationEnable", u"1"},
    {u"ScrollWheelSpeed", u"2"},
    {u"ScrollWheelPageEnable", u"0"},
    {u"TiltSpeed", u"2"},
    {u"Sensitivity_X", u"4"},
    {u"Sensitivity_Y", u"4"},
    {u"XYSynchronous", u"1"},
    {u"X_DPI", u"1"},
    {u"Y_DPI", u"1"},
    {u"MoveLightingOnOffMode", u"0"},
    {u"PowerDownTime", u"1"},
    {u"LiftDetectionHeight", u"2"},
    {u"KeyDebounce", u"2"},
    {u"MotionWakeup", u"1"},
    {u"AngleSnap", u"0"},
    {u"MotionSync", u"1"},
    {u"RippleControl", u"0"},
    {u"RgbOffTime", u"1"},
}};

struct DefaultButton {
  int NameText;  // language entry of the label
  std::array<std::uint8_t, 3> Value;
};

constexpr std::array<DefaultButton, kButtonCount> kDefaultButtons{{
    {20, {0x10, 0x01, 0x00}},  // left click
    {21, {0x10, 0x02, 0x00}},  // right click
    {22, {0x10, 0x04, 0x00}},  // middle click
    {23, {0x10, 0x10, 0x00}},  // fifth button
    {24, {0x10, 0x08, 0x00}},  // fourth button
    {42, {0x40, 0x01, 0x00}},  // DPI cycle
    {33, {0x60, 0x04, 0x00}},  // profile switch
}};

constexpr int kDefaultLightingNameText = kTextLightingFirst;

// Colours as written: red, green, blue.
constexpr std::uint32_t Rgb(std::uint32_t rgb) {
  return ((rgb >> 16) & 0xFF) | (rgb & 0xFF00) | ((rgb & 0xFF) << 16);
}

struct DefaultModeColours {
  int Mode;
  int SlotCount;  // slots 0 .. SlotCount - 1 in use
  std::array<std::uint32_t, kLightingSlotCount> Colours;
};

constexpr std::array<DefaultModeColours, 4> kDefaultModeColours{{
    {3, 7, {Rgb(0xFF0000), Rgb(0x00FF00), Rgb(0x0000FF), Rgb(0x00FFFF), Rgb(0xFFFF00), Rgb(0xFF00FF), Rgb(0xFFFFFF)}},
    {5, 8,
     {Rgb(0xFF0000), Rgb(0x00FF00), Rgb(0x0000FF), Rgb(0xFFFF00), Rgb(0x00FFFF), Rgb(0xFA00FA), Rgb(0xFFFFFF),
      Rgb(0xFA46FF)}},
    {6, 1, {Rgb(0xFF0000)}},
    {8, 2, {Rgb(0x00FF00), Rgb(0xFA006A)}},
}};

struct SensorDpiDefaults {
  std::uint16_t SensorId;
  std::array<std::uint16_t, kDpiLevelCount> Steps;
};

constexpr std::array<SensorDpiDefaults, 6> kSensorDpiDefaults{{
    {0x3212, {2, 6, 10, 18, 26, 30, 30, 30}},
    {0x3311, {9, 15, 23, 31, 49, 119, 119, 119}},
    {0x3325, {7, 11, 15, 23, 31, 49, 58, 50}},
    {0x3335, {3, 7, 15, 31, 63, 159, 159, 159}},
    {0x3395, {19, 31, 47, 63, 99, 519, 519, 519}},
    {0x3950, {7, 15, 31, 63, 127, 599, 599, 599}},
}};

constexpr std::array<std::uint32_t, kDpiLevelCount> kDefaultLevelColours{
    Rgb(0xFF0000), Rgb(0x00FF00), Rgb(0x0000FF), Rgb(0xFFA500),
    Rgb(0xFF00FF), Rgb(0xFFFF00), Rgb(0xFFFFFF), Rgb(0xFFFFFF)};

constexpr std::uint8_t kDefaultDpiEnabled = 0x3F;  // levels 0 to 5
constexpr std::uint8_t kDefaultDpiLevel = 2;
constexpr std::uint8_t kDefaultPollingIndex = 3;  // 1000 Hz
constexpr std::uint8_t kDefaultLightingMode = 1;

std::u16string Flag(int b, bool positiveOnly) {
  return (positiveOnly ? b > 0 : b != 0) ? u"1" : u"0";
}

}  // namespace

std::u16string ProfileRecord::GetSettingText(int i, int part) const {
  if (i < 0 || i >= kSettingCount) return {};
  const SettingPair& pair = Settings[static_cast<std::size_t>(i)];
  return part == 0 ? pair.Key : pair.Value;
}

long ProfileRecord::SettingNumber(int i) const { return ParseLong(GetSettingText(i, 1), 10); }

void ProfileRecord::SetDoubleClickSpeed(int n) { Settings[kSettingDoubleClickSpeed].Value = FormatDecimal(n); }
void ProfileRecord::SetPointerSpeed(int n) { Settings[kSettingPointerSpeed].Value = FormatDecimal(n); }
void ProfileRecord::SetAccelerationEnable(int b) { Settings[kSettingAccelerationEnable].Value = Flag(b, false); }
void ProfileRecord::SetScrollWheelSpeed(int n) { Settings[kSettingScrollWheelSpeed].Value = FormatDecimal(n); }
void ProfileRecord::SetScrollWheelPageEnable(int b) {
  Settings[kSettingScrollWheelPageEnable].Value = Flag(b, false);
}
void ProfileRecord::SetTiltSpeed(int n) { Settings[kSettingTiltSpeed].Value = FormatDecimal(n); }
int ProfileRecord::GetMoveLightingOnOffMode() const {
  return static_cast<int>(SettingNumber(kSettingMoveLightingOnOffMode));
}
void ProfileRecord::SetMoveLightingOnOffMode(int b) {
  Settings[kSettingMoveLightingOnOffMode].Value = Flag(b, true);
}
int ProfileRecord::GetPowerDownTime() const { return static_cast<int>(SettingNumber(kSettingPowerDownTime)); }
void ProfileRecord::SetPowerDownTime(int n) { Settings[kSettingPowerDownTime].Value = FormatDecimal(n); }
void ProfileRecord::SetLiftDetectionHeight(int n) {
  Settings[kSettingLiftDetectionHeight].Value = FormatDecimal(n);
}
void ProfileRecord::SetKeyDebounce(int n) { Settings[kSettingKeyDebounce].Value = FormatDecimal(n); }
void ProfileRecord::SetMotionWakeup(int b) { Settings[kSettingMotionWakeup].Value = Flag(b, true); }
void ProfileRecord::SetAngleSnap(int b) { Settings[kSettingAngleSnap].Value = Flag(b, true); }
void ProfileRecord::SetMotionSync(int b) { Settings[kSettingMotionSync].Value = Flag(b, true); }
void ProfileRecord::SetRippleControl(int b) { Settings[kSettingRippleControl].Value = Flag(b, true); }
int ProfileRecord::GetRgbOffTime() const { return static_cast<int>(SettingNumber(kSettingRgbOffTime)); }
void ProfileRecord::SetRgbOffTime(int n) { Settings[kSettingRgbOffTime].Value = FormatDecimal(n); }

ButtonEntry* ButtonAt(ProfileRecord& record, int i) {
  return i >= 0 && i < kButtonCount ? &record.Buttons[static_cast<std::size_t>(i)] : nullptr;
}

const ButtonEntry* ButtonAt(const ProfileRecord& record, int i) {
  return i >= 0 && i < kButtonCount ? &record.Buttons[static_cast<std::size_t>(i)] : nullptr;
}

void SetButtonMacro(ButtonEntry& entry, const MacroItem* macro) {
  MacroItem& own = entry.Macro;
  own.MacroActionNum = 0;
  if (!macro) return;
  own.MacroItemName = macro->MacroItemName;
  own.MacroKeyIndex = macro->MacroKeyIndex;
  own.MacroKeyLoopType = macro->MacroKeyLoopType;
  own.MacroKeyLoopNum = macro->MacroKeyLoopNum;
  own.MacroCommandActionNum = macro->MacroCommandActionNum;
  // A count beyond the slots (a damaged source) copies what the slots hold.
  const std::uint32_t count = std::min(macro->MacroActionNum, MacroItem::kMaxActions);
  for (std::uint32_t i = 0; i < count; ++i) own.InsertAction(own.MacroActionNum, macro->GetAction(i));
}

std::u16string DefaultProfileName(const LanguageTable& language, int p) {
  if (p >= 0 && p < kProfileCount) return language.Text(kTextProfileNameFirst + p);
  char name[32];
  std::snprintf(name, sizeof name, "Profile%u", static_cast<unsigned>(p + 1));
  return U16(name);
}

void ResetProfileToDefaults(ProfileRecord& record, int p, const LanguageTable& language, std::uint16_t sensorId) {
  for (std::size_t i = 0; i < kDefaultSettings.size(); ++i) {
    record.Settings[i] = {std::u16string(kDefaultSettings[i].Key), std::u16string(kDefaultSettings[i].Value)};
  }
  record.Settings[kSettingProfileName].Value = DefaultProfileName(language, p);

  const MacroItem empty;
  for (std::size_t k = 0; k < kDefaultButtons.size(); ++k) {
    ButtonEntry& entry = record.Buttons[k];
    entry.Name = language.Text(kDefaultButtons[k].NameText);
    entry.URL.clear();
    entry.Value = kDefaultButtons[k].Value;
    entry.MacroKeyIndex = 0;
    SetButtonMacro(entry, &empty);
  }

  record.PollingRateName = u"1000HZ";
  record.PollingRateValue = {kDefaultPollingIndex, 0, 0};

  record.Lighting1OffOn = 1;
  record.Lighting1Name = language.Text(kDefaultLightingNameText);
  record.Lighting1ModeValue = {kDefaultLightingMode, 0, 0};
  record.Lighting1Speed.fill(1);
  record.Lighting1Brightness.fill(3);
  record.Lighting1Direction.fill(0);
  record.Lighting1Direction[1] = 1;
  for (auto& mode : record.Lighting1ColorSelected) mode.fill(0);
  for (auto& mode : record.Lighting1FixedColor) mode.fill(0);
  for (const DefaultModeColours& d : kDefaultModeColours) {
    for (int s = 0; s < d.SlotCount; ++s) {
      record.Lighting1ColorSelected[static_cast<std::size_t>(d.Mode)][static_cast<std::size_t>(s)] = 1;
      record.Lighting1FixedColor[static_cast<std::size_t>(d.Mode)][static_cast<std::size_t>(s)] =
          d.Colours[static_cast<std::size_t>(s)];
    }
  }
  record.Lighting2OffOn = 0;
  record.Lighting2Name = language.Text(kDefaultLightingNameText);
  record.Lighting2ModeValue = {kDefaultLightingMode, 0, 0};
  record.Lighting2Speed = 0;
  record.Lighting2Brightness = 0;
  record.Lighting2FixedColor = 0;

  ApplySensorDpiDefaults(record, sensorId);
}

void ApplySensorDpiDefaults(ProfileRecord& record, std::uint16_t sensorId) {
  record.DPIOffOnFlag = kDefaultDpiEnabled;
  const auto row = std::find_if(kSensorDpiDefaults.begin(), kSensorDpiDefaults.end(),
                                [&](const SensorDpiDefaults& d) { return d.SensorId == sensorId; });
  if (row != kSensorDpiDefaults.end()) {
    record.XYSettingX = row->Steps;
    record.XYSettingY = row->Steps;
  }
  record.CurrentDPILevel = kDefaultDpiLevel;
  record.DPILevelIndication = kDefaultLevelColours;
  record.AngleSnapValue = 0;
  record.LiftDetectionValue = 1;
}

}  // namespace corvane
