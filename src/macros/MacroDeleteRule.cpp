#include "macros/MacroDeleteRule.h"

#include "macros/MacroLibrary.h"
#include "settings/SettingsStore.h"

namespace corvane {

bool CurrentProfileUsesMacroIn(const SettingsStore& settings, const MacroLibrary& macros,
                               const MacroLocation& location) {
  const int p = settings.CurrentProfileIndex;
  if (p < 0 || p >= kProfileCount) return false;
  for (const ButtonEntry& button : settings.Profiles[p].Buttons) {
    if (button.Value[0] == kButtonFamilyMacro && macros.ContainsMacroKey(button.MacroKeyIndex, location)) {
      return true;
    }
  }
  return false;
}

MacroDeleteOutcome DeleteMacroNode(const SettingsStore& settings, MacroLibrary& macros, const MacroLocation& location) {
  const MacroNode* node = macros.NodeAt(location);
  if (!node || !node->IsUsed()) return MacroDeleteOutcome::kNothingSelected;
  if (CurrentProfileUsesMacroIn(settings, macros, location)) return MacroDeleteOutcome::kInUse;
  macros.DeleteNode(location);
  macros.CurrentMacroLocation = MacroLocation::None();
  return MacroDeleteOutcome::kDeleted;
}

}  // namespace corvane
