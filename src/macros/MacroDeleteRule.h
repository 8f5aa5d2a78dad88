#pragma once
// Deleting a library node the way the macro manager allows it: never while a button of
// the current profile plays a macro that lies in the node, since that button would keep
// a macro the library no longer has.
#include "macros/MacroLocation.h"

namespace corvane {

struct SettingsStore;
class MacroLibrary;

// Whether a button of the current profile holds a macro (value 90 ..) whose
// MacroKeyIndex belongs to the node or to a macro below it.
bool CurrentProfileUsesMacroIn(const SettingsStore& settings, const MacroLibrary& macros,
                               const MacroLocation& location);

enum class MacroDeleteOutcome {
  kDeleted,          // the selection is cleared afterwards
  kNothingSelected,  // language text 233
  kInUse,            // language text 257
};

// Deletes the node at location from macros unless one of the rules above refuses.
MacroDeleteOutcome DeleteMacroNode(const SettingsStore& settings, MacroLibrary& macros, const MacroLocation& location);

}  // namespace corvane
