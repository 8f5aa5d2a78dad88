#pragma once
// The seventeen global settings of config.ini: start-up option, sensor model, which
// profile is current, which profiles the profile list shows, and each profile's file.
#include <array>
#include <cstdint>
#include <filesystem>
#include <string>

#include "settings/SettingPair.h"

namespace corvane {

struct SettingsStore;
struct LanguageTable;

constexpr int kConfigPairCount = 17;

enum ConfigIndex : int {
  kConfigNeedPassword = 0,
  kConfigSensor = 1,
  kConfigPreST = 2,
  kConfigMacId = 3,
  kConfigDataChange = 4,
  kConfigCurrentProfile = 5,
  kConfigProfileShowCount = 6,
  kConfigProfileShowList0 = 7,   // .. 11
  kConfigProfileSlot0URL = 12,   // .. 16
};

constexpr int kProfileShowPositions = 5;

struct ConfigTable {
  // Empty keys and values until the configuration has been loaded.
  std::array<SettingPair, kConfigPairCount> Pairs;

  void ConfigDefaults();
  // Key (part 0) or value (part 1) of pair i; empty for a pair that does not exist.
  std::u16string GetConfigText(int i, int part) const;

  // The CurrentProfile value as a decimal number (unparsable text reads 0).
  int GetCurrentProfile() const;
  void SetCurrentProfile(int n);
  // The profile record the current profile selects: an index outside 0..4 selects
  // profile 0 rather than a record that does not exist.
  int CurrentProfileSlot() const;

  int GetProfileShowCount() const;
  void SetProfileShowCount(int n);
  // Profile index shown at list position i (0..4); -1 for a position that does not exist.
  int GetProfileShowList(int i) const;
  void SetProfileShowList(int i, int n);

  // Number of list positions shown, limited to the five positions that exist.
  int ShownPositions() const;
  // The profile at the first hidden position, the one an added profile takes; -1 when
  // all five are shown or the list does not name a profile there.
  int FirstHiddenProfile() const;
  // Adds the first hidden profile to the shown ones (the count goes up by one).
  void ShowNextProfile();
  // Removes profile p from the shown part of the list: the later entries move up one
  // position, p goes to the last position and the count goes down by one. False, with
  // nothing changed, when p is not shown.
  bool HideProfile(int p);

  // Sensor := "0x%4X" of the sensor model; PreST := "0x%4X" of the low 16 bits of v.
  void SetConfigSensor(std::uint16_t sensorId);
  void SetConfigPreST(unsigned v);
  // The Sensor and PreST values parsed as hexadecimal, low 16 bits.
  std::uint16_t ConfigSensor() const;
  std::uint16_t ConfigPreST() const;
  // NeedPassword as a number: 0 normal start, 1 minimised, other values hidden until the
  // mouse answers.
  long ConfigNeedPassword() const;

  // The stored slot-file path of profile p, exactly as config.ini holds it.
  std::u16string ProfileSlotText(int p) const;
};

// DataFolder/config/config.ini
std::filesystem::path ConfigFilePath(const std::filesystem::path& dataFolder);
// The file a stored slot path names (relative paths resolve against the data folder);
// empty when the configuration names no file for p.
std::filesystem::path ProfileSlotPath(const SettingsStore& settings, int p);

// Writes "[Setting]" and the seventeen pairs; false when the file cannot be written
// (reason, when given, names the file and why).
bool SaveConfig(const SettingsStore& settings, std::string* reason = nullptr);
// CurrentProfile := the main window's CurrentProfileIndex, then SaveConfig.
bool SaveCurrentProfileIndex(SettingsStore& settings, std::string* reason = nullptr);

// Start-up: reads config.ini and the five profile files and re-defaults the DPI levels
// when the sensor changed since they were made. A missing config.ini gets the defaults
// (and missing profile files theirs). A damaged one (cut short, another encoding, an
// eighteenth line ...) is kept aside, what it still says is taken, and the profile files
// are read as they are, never reset because of it; see LoadProfileSlot for damaged
// profile files. Each damage adds a line to FileNotices. 1 when config.ini was read as
// it is, 0 otherwise.
int LoadConfig(SettingsStore& settings, const LanguageTable& language);

// The mouse reports another sensor model: store it, re-default every profile's DPI
// levels for it, save everything and rebuild the DPI step tables.
void OnSensorChanged(SettingsStore& settings, std::uint16_t sensorId);

}  // namespace corvane
