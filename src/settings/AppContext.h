#pragma once
// The program-wide state (profiles, configuration, macro library, language, DPI tables,
// interface settings) in one object created at start-up and passed by reference, so that
// tests can build fresh, independent instances.
#include <cstdint>
#include <filesystem>
#include <memory>

#include "lang/LanguageTable.h"
#include "macros/MacroLibrary.h"
#include "settings/ConfigTable.h"
#include "settings/ProfileTable.h"
#include "settings/SensorTables.h"

namespace corvane {

struct AppContext {
  std::filesystem::path DataFolder;  // holds the "config" subfolder
  std::filesystem::path ExeFolder;   // skins and shipped language files live beside the program
  float SkinScale = 1.0f;
  float DpiFactor = 1.0f;
  UiFont Font;
  LanguageTable Language;
  ConfigTable Config;
  ProfileTable Profiles;
  DpiStepTables Dpi;  // also holds SensorId
  MacroLibrary Macros;
  // The main window's integer copy of the current profile; see ConfigTable::CurrentProfile.
  int CurrentProfileIndex = 0;
};

}  // namespace corvane
