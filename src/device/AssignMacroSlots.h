#pragma once
// Gives each macro button of the current profile a slot of the mouse's macro store and
// makes its value bytes name that slot and the macro's playback mode.
#include <cstdint>
#include <optional>
#include <vector>

#include "macros/MacroLocation.h"

namespace corvane {

struct ProfileRecord;
struct LanguageTable;
class MacroLibrary;
struct MacroItem;

struct FoundLibraryMacro {
  MacroLocation Location;
  const MacroItem* Item = nullptr;
};

// The first library macro with this key index, searching the top level, then the second
// level folder by folder, then the third; each sibling group up to its first free slot.
std::optional<FoundLibraryMacro> FindLibraryMacro(const MacroLibrary& library, std::uint32_t keyIndex);

struct MacroSlotAssignment {
  bool ProfileChanged = false;     // copies refreshed or assignments dropped: save the profile
  std::vector<int> DroppedButtons;  // buttons whose macro is no longer in the library
};

// Slots 1, 2, ... in button order, one per distinct library macro (buttons with the same
// macro share it). With refreshMacroCopies set, each button's macro copy is taken anew
// from the library; the flag is cleared. A button whose macro has gone becomes a plain
// button (label text 34, value 00 00 00).
MacroSlotAssignment AssignMacroSlots(ProfileRecord& profile, const MacroLibrary& library,
                                     const LanguageTable& language, int& refreshMacroCopies);

}  // namespace corvane
