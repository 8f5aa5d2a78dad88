#pragma once
// The stored settings the program works on: config.ini, the five profiles and the DPI
// tables of the sensor they were made for, and the data folder that holds their files.
#include <filesystem>
#include <string>
#include <vector>

#include "settings/ConfigTable.h"
#include "settings/ProfileTable.h"
#include "settings/SensorTables.h"

namespace corvane {

struct SettingsStore {
  std::filesystem::path DataFolder;  // holds the "config" subfolder
  ConfigTable Config;
  ProfileTable Profiles;
  DpiStepTables Dpi;  // also holds SensorId
  // The main window's integer copy of the current profile; see ConfigTable::CurrentProfile.
  int CurrentProfileIndex = 0;
  // What the loads found wrong with the stored files, one line each naming the file and
  // what was done ("config/default1.psf: ..."); the program tells the user once.
  std::vector<std::string> FileNotices;
};

}  // namespace corvane
