#include "macros/MacroDeleteRule.h"

#include "settings/AppContext.h"

namespace corvane {

bool CurrentProfileUsesMacroIn(const AppContext& ctx, const MacroLocation& location) {
  const int p = ctx.CurrentProfileIndex;
  if (p < 0 || p >= kProfileCount) return false;
  for (const ButtonEntry& button : ctx.Profiles[p].Buttons) {
    if (button.Value[0] == kButtonFamilyMacro && ctx.Macros.ContainsMacroKey(button.MacroKeyIndex, location)) {
      return true;
    }
  }
  return false;
}

MacroDeleteOutcome DeleteMacroNode(AppContext& ctx, const MacroLocation& location) {
  const MacroNode* node = ctx.Macros.NodeAt(location);
  if (!node || !node->IsUsed()) return MacroDeleteOutcome::kNothingSelected;
  if (CurrentProfileUsesMacroIn(ctx, location)) return MacroDeleteOutcome::kInUse;
  ctx.Macros.DeleteNode(location);
  ctx.Macros.CurrentMacroLocation = MacroLocation::None();
  return MacroDeleteOutcome::kDeleted;
}

}  // namespace corvane
