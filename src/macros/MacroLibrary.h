#pragma once
// The macro library: a three-level tree of folders and macros with a fixed capacity of
// 60 top-level slots, 60 x 60 second-level and 60 x 60 x 60 third-level slots.
//
// Siblings are packed in creation order; names are unique within a sibling group;
// folders live at the first two levels only. The slots live on the heap: the first two
// levels in one array made on the first change, the third level in one block of 60 x 60
// slots per top-level slot, made the first time that top-level slot needs it. Blocks are
// kept for the library's life and move with their top-level node, so an empty library
// is cheap to create and deleting a top-level node moves no third-level slot.
#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "macros/MacroLocation.h"
#include "settings/MacroItem.h"

namespace corvane {

struct MacroNode {
  std::u16string MacroItemName;      // empty = free slot
  std::unique_ptr<MacroItem> Item;   // the macro; absent for a folder
  int MacroItemIsFolder = 0;
  int MacroItemFolderIsOpen = 0;     // whether the tree list shows the children

  bool IsUsed() const { return !MacroItemName.empty(); }
  bool IsFolder() const { return IsUsed() && MacroItemIsFolder != 0; }
  bool IsMacro() const { return IsUsed() && MacroItemIsFolder == 0 && Item != nullptr; }
  bool IsBlank() const {
    return MacroItemName.empty() && !Item && MacroItemIsFolder == 0 && MacroItemFolderIsOpen == 0;
  }
};

// Why NewMacro / NewFolder / RenameNode added or changed nothing.
enum class MacroNodeChange {
  kDone,
  kClash,      // the name is taken in the target sibling group
  kFull,       // the target sibling group holds 60 nodes
  kNotHere,    // a folder below a second-level folder: the tree has no such level
  kBadName,    // empty, or holding a line feed the library file could not keep
  kNoNode,     // the location names no used node
  kNoKeyLeft,  // a macro holds key 4294967295: no key is left above the highest in use
};

class MacroLibrary {
 public:
  static constexpr int kSlots = MacroLocation::kSlots;
  static constexpr std::size_t kNodeCount = 60 + 60 * 60 + 60 * 60 * 60;

  MacroLibrary() = default;
  MacroLibrary(MacroLibrary&&) noexcept = default;
  MacroLibrary& operator=(MacroLibrary&&) noexcept = default;

  // The MacroKeyIndex of the next macro created, read as an unsigned 32-bit key (the
  // library file keeps it as a signed number). Key 0 means "no macro" to a button, so the
  // counter never wraps onto it: 0 here means that key 4294967295 is given and no new
  // macro can be made.
  int NextKeyIndex = 1;
  // The node selected in the macro manager or picker.
  MacroLocation CurrentMacroLocation;
  // The selection read from the last file imported.
  MacroLocation SavedMacroLocation;

  // The node at a location; nullptr for a location outside the tree (stage -1 included).
  const MacroNode* NodeAt(const MacroLocation& location) const;
  MacroNode* NodeAt(const MacroLocation& location);
  // Slots by index (0..59 each); a free slot for an index outside the tree.
  const MacroNode& Level0(int a) const { return SlotOrFree(MacroLocation::Top(a)); }
  const MacroNode& Level1(int a, int b) const { return SlotOrFree(MacroLocation::Child(a, b)); }
  const MacroNode& Level2(int a, int b, int c) const { return SlotOrFree(MacroLocation::Grandchild(a, b, c)); }

  // 1 when the name clashes in the target group, else 0. On success the selection becomes
  // the new node's location; a full group adds nothing, answers 0 and keeps the selection.
  int NewMacro(std::u16string_view name, MacroLocation& selection);
  int NewFolder(std::u16string_view name, MacroLocation& selection);
  // The same with the reason when nothing was added.
  MacroNodeChange AddMacro(std::u16string_view name, MacroLocation& selection);
  MacroNodeChange AddFolder(std::u16string_view name, MacroLocation& selection);

  bool NameExistsAmongSiblings(int stage, int stage0Index, int stage1Index, std::u16string_view name) const;
  bool NameClashesForNew(const MacroLocation& selection, std::u16string_view name) const;
  // Gives the node (and its macro) a new name unless a sibling has it already.
  MacroNodeChange RenameNode(const MacroLocation& location, std::u16string_view name);

  // Releases the node and everything below it and moves its later siblings down by one,
  // each with its whole subtree and open states. False for a location outside the tree.
  bool DeleteNode(const MacroLocation& location);
  // Releases every node and macro; NextKeyIndex stays.
  void ClearLibrary();
  void CollapseAllFolders();
  // Whether the node, or a macro anywhere below it, has this MacroKeyIndex.
  bool ContainsMacroKey(std::uint32_t key, const MacroLocation& location) const;

  // Used by the library file reader: the slot becomes a folder, or a macro owning item
  // (named after the slot). False, and nothing placed, for a location outside the tree.
  bool PlaceFolder(const MacroLocation& location, std::u16string name, int isOpen);
  bool PlaceMacro(const MacroLocation& location, std::unique_ptr<MacroItem> item);

  bool IsEmpty() const;
  // Calls f(location, node) for every used node in file order: the whole top level, then
  // every second-level group, then every third-level group.
  template <typename F>
  void ForEachUsedNode(F&& f) const;

 private:
  using Level2Block = std::array<MacroNode, kSlots * kSlots>;

  // Both take a location inside the tree.
  const MacroNode& Slot(const MacroLocation& location) const;
  MacroNode& MutableSlot(const MacroLocation& location);
  const MacroNode& SlotOrFree(const MacroLocation& location) const;
  MacroNodeChange Add(std::u16string_view name, MacroLocation& selection, bool folder);
  // First slot of the group a new node goes to, or false when the tree has no such group.
  bool TargetGroup(const MacroLocation& selection, bool folder, MacroLocation& first) const;
  void ReleaseSubtree(const MacroLocation& location);
  void MoveSubtree(const MacroLocation& from, const MacroLocation& to);

  std::vector<MacroNode> upper_;  // Level0 then Level1 [a][b]; empty until the first change
  std::array<std::unique_ptr<Level2Block>, kSlots> level2_;  // Level2 [a] as [b * 60 + c]
};

template <typename F>
void MacroLibrary::ForEachUsedNode(F&& f) const {
  for (std::size_t i = 0; i < upper_.size(); ++i) {
    if (!upper_[i].IsUsed()) continue;
    const int k = static_cast<int>(i);
    f(k < kSlots ? MacroLocation::Top(k) : MacroLocation::Child(k / kSlots - 1, k % kSlots), upper_[i]);
  }
  for (int a = 0; a < kSlots; ++a) {
    if (!level2_[static_cast<std::size_t>(a)]) continue;
    const Level2Block& block = *level2_[static_cast<std::size_t>(a)];
    for (int i = 0; i < kSlots * kSlots; ++i) {
      const MacroNode& n = block[static_cast<std::size_t>(i)];
      if (n.IsUsed()) f(MacroLocation::Grandchild(a, i / kSlots, i % kSlots), n);
    }
  }
}

// Whether a name can be stored: not empty, and no line feed (the library file keeps one
// value per line).
bool IsStorableMacroName(std::u16string_view name);

}  // namespace corvane
