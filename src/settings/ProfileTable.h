#pragma once
// The five profiles: for each, the named text settings, the seven button assignments
// (each with its own macro copy), the polling rate, the lighting and the eight DPI
// levels. DPI levels are stored as step indices into the current sensor's ladder;
// colours are COLORREF values (red in bits 0-7, green 8-15, blue 16-23).
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "settings/MacroItem.h"
#include "settings/SettingPair.h"

namespace corvane {

struct LanguageTable;

constexpr int kProfileCount = 5;
constexpr int kButtonCount = 7;
constexpr int kSettingCount = 24;
constexpr int kDpiLevelCount = 8;
constexpr int kLightingModeCount = 10;
constexpr int kLightingSlotCount = 10;

// Index of each named setting; also its line order in the profile file.
enum SettingIndex : int {
  kSettingProfileName = 0,
  kSettingGameFile0 = 1,
  kSettingGameFile1 = 2,
  kSettingGameFile2 = 3,
  kSettingDoubleClickSpeed = 4,
  kSettingPointerSpeed = 5,
  kSettingAccelerationEnable = 6,
  kSettingScrollWheelSpeed = 7,
  kSettingScrollWheelPageEnable = 8,
  kSettingTiltSpeed = 9,
  kSettingSensitivityX = 10,
  kSettingSensitivityY = 11,
  kSettingXYSynchronous = 12,
  kSettingXDpi = 13,
  kSettingYDpi = 14,
  kSettingMoveLightingOnOffMode = 15,
  kSettingPowerDownTime = 16,
  kSettingLiftDetectionHeight = 17,
  kSettingKeyDebounce = 18,
  kSettingMotionWakeup = 19,
  kSettingAngleSnap = 20,
  kSettingMotionSync = 21,
  kSettingRippleControl = 22,
  kSettingRgbOffTime = 23,
};

// Function families of byte 0 of a button value.
constexpr std::uint8_t kButtonFamilyDisabled = 0x00;
constexpr std::uint8_t kButtonFamilyMouse = 0x10;
constexpr std::uint8_t kButtonFamilyFire = 0x30;
constexpr std::uint8_t kButtonFamilyDpi = 0x40;
constexpr std::uint8_t kButtonFamilyDpiLock = 0x50;
constexpr std::uint8_t kButtonFamilySystem = 0x60;
constexpr std::uint8_t kButtonFamilyConsumer = 0x80;
constexpr std::uint8_t kButtonFamilyMacro = 0x90;

struct ButtonEntry {
  std::u16string Name;  // label shown on the button page
  std::u16string URL;   // quick-launch target; empty otherwise
  std::array<std::uint8_t, 3> Value{};
  std::uint32_t MacroKeyIndex = 0;  // of the macro copied into Macro, 0 when none
  // The button's own macro copy. It lives exactly as long as the entry and is only ever
  // copied into (SetButtonMacro), never replaced or shared.
  MacroItem Macro;
};

struct ProfileRecord {
  // Construction state: what a record holds before start-up loads or defaults it.
  std::array<SettingPair, kSettingCount> Settings;
  std::array<ButtonEntry, kButtonCount> Buttons;
  std::u16string PollingRateName;
  std::array<std::uint8_t, 3> PollingRateValue{};  // byte 0 = polling-rate index 0..6
  std::uint8_t Lighting1OffOn = 1;
  std::u16string Lighting1Name;
  std::array<std::uint8_t, 3> Lighting1ModeValue{};  // byte 0 = effect mode 0..9
  std::array<std::uint8_t, kLightingModeCount> Lighting1Speed{};
  std::array<std::uint8_t, kLightingModeCount> Lighting1Brightness{};  // 0..3 = 25..100 %
  std::array<std::array<std::uint8_t, kLightingSlotCount>, kLightingModeCount> Lighting1ColorSelected{};
  std::array<std::array<std::uint32_t, kLightingSlotCount>, kLightingModeCount> Lighting1FixedColor{};
  std::array<std::uint8_t, kLightingModeCount> Lighting1Direction{};
  std::uint8_t Lighting2OffOn = 1;
  std::u16string Lighting2Name;
  std::array<std::uint8_t, 3> Lighting2ModeValue{};
  std::uint8_t Lighting2Speed = 2;
  std::uint8_t Lighting2Brightness = 100;
  std::uint32_t Lighting2FixedColor = 0;
  std::uint8_t DPIOffOnFlag = 0x7F;  // bit i = level i enabled
  std::array<std::uint16_t, kDpiLevelCount> XYSettingX{};  // step indices
  std::array<std::uint16_t, kDpiLevelCount> XYSettingY{};
  std::uint8_t CurrentDPILevel = 0;
  std::array<std::uint32_t, kDpiLevelCount> DPILevelIndication{};
  std::uint8_t AngleSnapValue = 0;
  std::uint8_t LiftDetectionValue = 0;

  // Key (part 0) or value (part 1) of pair i; empty for a pair that does not exist.
  std::u16string GetSettingText(int i, int part) const;
  // Value of pair i read as a decimal number, unparsable text as 0 (how every reader of
  // a setting takes it).
  long SettingNumber(int i) const;
  std::u16string ProfileName() const { return Settings[kSettingProfileName].Value; }
  void SetProfileName(std::u16string_view name) { Settings[kSettingProfileName].Value = name; }

  void SetDoubleClickSpeed(int n);
  void SetPointerSpeed(int n);
  void SetAccelerationEnable(int b);    // "1" for any non-zero b
  void SetScrollWheelSpeed(int n);
  void SetScrollWheelPageEnable(int b); // "1" for any non-zero b
  void SetTiltSpeed(int n);
  int GetMoveLightingOnOffMode() const;
  void SetMoveLightingOnOffMode(int b);  // "1" only for b > 0
  int GetPowerDownTime() const;
  void SetPowerDownTime(int n);
  void SetLiftDetectionHeight(int n);
  void SetKeyDebounce(int n);
  void SetMotionWakeup(int b);   // "1" only for b > 0
  void SetAngleSnap(int b);      // "1" only for b > 0
  void SetMotionSync(int b);     // "1" only for b > 0
  void SetRippleControl(int b);  // "1" only for b > 0
  int GetRgbOffTime() const;
  void SetRgbOffTime(int n);

  void SetPollingRateName(std::u16string_view text) { PollingRateName = text; }
  void SetLighting1Name(std::u16string_view text) { Lighting1Name = text; }
  void SetLighting2Name(std::u16string_view text) { Lighting2Name = text; }
  std::u16string GetLighting1Name() const { return Lighting1Name; }

  bool DpiLevelEnabled(int level) const {
    return level >= 0 && level < kDpiLevelCount && ((DPIOffOnFlag >> level) & 1) != 0;
  }
};

struct ProfileTable {
  std::array<ProfileRecord, kProfileCount> Records;

  ProfileRecord& operator[](int p) { return Records.at(static_cast<std::size_t>(p)); }
  const ProfileRecord& operator[](int p) const { return Records.at(static_cast<std::size_t>(p)); }
};

// Button entry i (0..6) of the record; null for any other i.
ButtonEntry* ButtonAt(ProfileRecord& record, int i);
const ButtonEntry* ButtonAt(const ProfileRecord& record, int i);

// Empties the entry's macro steps and, for a macro, copies its name, key index, loop
// settings and steps into the entry's own macro. The entry's MacroKeyIndex is left to
// the caller.
void SetButtonMacro(ButtonEntry& entry, const MacroItem* macro);
inline void SetButtonName(ButtonEntry& entry, std::u16string_view text) { entry.Name = text; }
inline void SetButtonURL(ButtonEntry& entry, std::u16string_view text) { entry.URL = text; }
inline std::u16string GetButtonURL(const ButtonEntry& entry) { return entry.URL; }

// The default name of profile p: language text 85 + p, "Profile%u" (p + 1) beyond the
// language's five names.
std::u16string DefaultProfileName(const LanguageTable& language, int p);

// Every field to its default; p only chooses the default name. DPI levels follow the
// given sensor.
void ResetProfileToDefaults(ProfileRecord& record, int p, const LanguageTable& language, std::uint16_t sensorId);

// The DPI fields to the sensor's defaults. A sensor without a default row keeps the
// step indices; everything else is reset all the same.
void ApplySensorDpiDefaults(ProfileRecord& record, std::uint16_t sensorId);

}  // namespace corvane
