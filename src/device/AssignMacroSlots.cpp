#include "device/AssignMacroSlots.h"

#include <utility>

#include "lang/LanguageEntries.h"
#include "lang/LanguageTable.h"
#include "macros/MacroLibrary.h"
#include "settings/ProfileTable.h"

namespace corvane {

namespace {

constexpr int kGroup = MacroLocation::kSlots;
// Loop type whose value byte 2 carries the repeat count.
constexpr std::uint8_t kLoopTypeCounted = 2;

bool Matches(const MacroNode& node, std::uint32_t keyIndex) {
  return node.IsMacro() && node.Item->MacroKeyIndex == keyIndex;
}

// Searches one packed sibling group; get(i) is its node i.
template <typename Get>
std::optional<int> SearchGroup(Get get, std::uint32_t keyIndex) {
  for (int i = 0; i < kGroup; ++i) {
    const MacroNode& node = get(i);
    if (node.MacroItemName.empty()) break;
    if (Matches(node, keyIndex)) return i;
  }
  return std::nullopt;
}

FoundLibraryMacro Found(const MacroLibrary& library, const MacroLocation& at) {
  return {at, library.NodeAt(at)->Item.get()};
}

}  // namespace

std::optional<FoundLibraryMacro> FindLibraryMacro(const MacroLibrary& library, std::uint32_t keyIndex) {
  if (auto i = SearchGroup([&](int k) -> const MacroNode& { return library.Level0(k); }, keyIndex))
    return Found(library, MacroLocation::Top(*i));
  for (int a = 0; a < kGroup; ++a) {
    if (auto i = SearchGroup([&](int k) -> const MacroNode& { return library.Level1(a, k); }, keyIndex))
      return Found(library, MacroLocation::Child(a, *i));
  }
  for (int a = 0; a < kGroup; ++a) {
    for (int b = 0; b < kGroup; ++b) {
      if (auto i = SearchGroup([&](int k) -> const MacroNode& { return library.Level2(a, b, k); }, keyIndex))
        return Found(library, MacroLocation::Grandchild(a, b, *i));
    }
  }
  return std::nullopt;
}

MacroSlotAssignment AssignMacroSlots(ProfileRecord& profile, const MacroLibrary& library,
                                     const LanguageTable& language, int& refreshMacroCopies) {
  MacroSlotAssignment result;
  // Library position of each slot given out so far; slot n is entry n - 1.
  std::vector<MacroLocation> slots;
  for (int i = 0; i < kButtonCount; ++i) {
    ButtonEntry& button = profile.Buttons[static_cast<std::size_t>(i)];
    if (button.Value[0] != kButtonFamilyMacro) continue;
    const auto found = button.MacroKeyIndex != 0 ? FindLibraryMacro(library, button.MacroKeyIndex) : std::nullopt;
    if (!found) {
      SetButtonName(button, language.Text(kTextDisable));
      button.Value = {0x00, 0x00, 0x00};
      result.DroppedButtons.push_back(i);
      result.ProfileChanged = true;
      continue;
    }
    std::size_t slot = 0;
    while (slot < slots.size() && !(slots[slot] == found->Location)) ++slot;
    if (slot == slots.size()) slots.push_back(found->Location);
    const std::uint8_t slotNumber = static_cast<std::uint8_t>(slot + 1);

    const MacroItem& macro = *found->Item;
    if (refreshMacroCopies) {
      SetButtonMacro(button, &macro);
      result.ProfileChanged = true;
    }
    button.Macro.MacroCommandActionNum = macro.MacroCommandActionNum;
    button.Value[0] = kButtonFamilyMacro;
    button.Value[1] = static_cast<std::uint8_t>((slotNumber & 0x0F) | (macro.MacroKeyLoopType << 4));
    button.Value[2] = macro.MacroKeyLoopType == kLoopTypeCounted ? macro.MacroKeyLoopNum : 0;
  }
  refreshMacroCopies = 0;
  return result;
}

}  // namespace corvane
