#pragma once
// The program's state (stored settings, language, macro library) in one object created at
// start-up and passed by reference, so that tests can build fresh, independent instances.
// What only the window needs (scale, fonts, control selections) lives in the GUI's own state.
#include "lang/LanguageTable.h"
#include "macros/MacroLibrary.h"
#include "settings/SettingsStore.h"

namespace corvane {

struct AppContext : SettingsStore {
  LanguageTable Language;
  bool LanguageComplete = false;  // the language file was read whole: the interface font follows it
  MacroLibrary Macros;
};

}  // namespace corvane
