#pragma once
// The program-wide state (profiles, configuration, macro library, language, DPI tables,
// interface settings) in one object created at start-up and passed by reference, so that
// tests can build fresh, independent instances.
#include <array>
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

  // Control state shared by the skinned controls and the main window: selected radio
  // buttons (one bit per button, see CRadioButton), the DPI levels shown selected (low
  // byte), and the selected profile and page tabs.
  std::uint32_t RadioSelection = 0x002802A0;
  std::uint32_t DpiRadioSelection = 2;
  int ProfileTabIndex = 0;
  int PageTabIndex = 0;
  // The open secondary windows, closed with the main window; opaque window handles,
  // first-free order (the GUI's OpenPopupTable helpers keep it).
  std::array<void*, 10> OpenPopupTable{};
};

}  // namespace corvane
