#include "macros/MacroLibrary.h"

#include <algorithm>

namespace corvane {
namespace {

constexpr std::size_t kLevel1First = MacroLibrary::kSlots;
constexpr std::size_t kUpperSlots = kLevel1First + MacroLibrary::kSlots * MacroLibrary::kSlots;

// The location of slot k of the sibling group that holds `first`.
MacroLocation WithSlot(MacroLocation first, int k) {
  switch (first.stage) {
    case 0: first.stage0Index = k; break;
    case 1: first.stage1Index = k; break;
    default: first.stage2Index = k; break;
  }
  return first;
}

// Moves a slot's content (and ownership of its macro) and leaves the source free.
void MoveSlot(MacroNode& from, MacroNode& to) {
  if (from.IsBlank() && to.IsBlank()) return;
  to = std::move(from);
  from = MacroNode{};
}

void ReleaseSlot(MacroNode& node) {
  if (!node.IsBlank()) node = MacroNode{};
}

std::size_t UpperIndex(const MacroLocation& l) {
  const auto a = static_cast<std::size_t>(l.stage0Index);
  return l.stage == 0 ? a : kLevel1First + a * MacroLibrary::kSlots + static_cast<std::size_t>(l.stage1Index);
}

std::size_t BlockIndex(const MacroLocation& l) {
  return static_cast<std::size_t>(l.stage1Index) * MacroLibrary::kSlots + static_cast<std::size_t>(l.stage2Index);
}

const MacroNode& FreeNode() {
  static const MacroNode kFree;
  return kFree;
}

}  // namespace

bool IsStorableMacroName(std::u16string_view name) {
  return !name.empty() && name.find(u'\n') == std::u16string_view::npos;
}

const MacroNode& MacroLibrary::Slot(const MacroLocation& l) const {
  if (l.stage == 2) {
    const auto& block = level2_[static_cast<std::size_t>(l.stage0Index)];
    return block ? (*block)[BlockIndex(l)] : FreeNode();
  }
  return upper_.empty() ? FreeNode() : upper_[UpperIndex(l)];
}

MacroNode& MacroLibrary::MutableSlot(const MacroLocation& l) {
  if (l.stage == 2) {
    auto& block = level2_[static_cast<std::size_t>(l.stage0Index)];
    if (!block) block = std::make_unique<Level2Block>();
    return (*block)[BlockIndex(l)];
  }
  if (upper_.empty()) upper_.resize(kUpperSlots);
  return upper_[UpperIndex(l)];
}

const MacroNode& MacroLibrary::SlotOrFree(const MacroLocation& location) const {
  return location.IsInsideTree() ? Slot(location) : FreeNode();
}

const MacroNode* MacroLibrary::NodeAt(const MacroLocation& location) const {
  return location.IsInsideTree() ? &Slot(location) : nullptr;
}

MacroNode* MacroLibrary::NodeAt(const MacroLocation& location) {
  return location.IsInsideTree() ? &MutableSlot(location) : nullptr;
}

bool MacroLibrary::TargetGroup(const MacroLocation& selection, bool folder, MacroLocation& first) const {
  const MacroNode* node = NodeAt(selection);
  first = MacroLocation::Top(0);
  if (!node || !node->IsFolder()) return true;
  if (selection.stage == 0) {
    first = MacroLocation::Child(selection.stage0Index, 0);
  } else if (selection.stage == 1) {
    if (folder) return false;  // folders nest two levels deep only
    first = MacroLocation::Grandchild(selection.stage0Index, selection.stage1Index, 0);
  }
  return true;
}

bool MacroLibrary::NameExistsAmongSiblings(int stage, int stage0Index, int stage1Index,
                                           std::u16string_view name) const {
  MacroLocation first = MacroLocation::Top(0);
  if (stage == 1) first = MacroLocation::Child(stage0Index, 0);
  if (stage == 2) first = MacroLocation::Grandchild(stage0Index, stage1Index, 0);
  if (stage > 2 || !first.IsInsideTree()) return false;
  for (int k = 0; k < kSlots; ++k) {
    const MacroNode& n = Slot((WithSlot(first, k)));
    if (n.IsUsed() && n.MacroItemName == name) return true;
  }
  return false;
}

bool MacroLibrary::NameClashesForNew(const MacroLocation& selection, std::u16string_view name) const {
  MacroLocation first;
  TargetGroup(selection, false, first);
  return NameExistsAmongSiblings(first.stage, first.stage0Index, first.stage1Index, name);
}

MacroNodeChange MacroLibrary::Add(std::u16string_view name, MacroLocation& selection, bool folder) {
  if (!IsStorableMacroName(name)) return MacroNodeChange::kBadName;
  MacroLocation first;
  if (!TargetGroup(selection, folder, first)) return MacroNodeChange::kNotHere;
  if (NameExistsAmongSiblings(first.stage, first.stage0Index, first.stage1Index, name)) {
    return MacroNodeChange::kClash;
  }
  const auto key = static_cast<std::uint32_t>(NextKeyIndex);
  if (!folder && key == 0) return MacroNodeChange::kNoKeyLeft;
  for (int k = 0; k < kSlots; ++k) {
    const MacroLocation at = WithSlot(first, k);
    MacroNode& node = MutableSlot((at));
    if (node.IsUsed()) continue;
    node = MacroNode{};
    node.MacroItemName = std::u16string(name);
    if (folder) {
      node.MacroItemIsFolder = 1;
    } else {
      node.Item = std::make_unique<MacroItem>(std::u16string(name));
      node.Item->MacroKeyIndex = key;
      // Past the largest key the counter becomes 0: no key left, never a reused one.
      NextKeyIndex = static_cast<int>(key + 1u);
    }
    selection = at;
    return MacroNodeChange::kDone;
  }
  return MacroNodeChange::kFull;
}

MacroNodeChange MacroLibrary::AddMacro(std::u16string_view name, MacroLocation& selection) {
  return Add(name, selection, false);
}

MacroNodeChange MacroLibrary::AddFolder(std::u16string_view name, MacroLocation& selection) {
  return Add(name, selection, true);
}

int MacroLibrary::NewMacro(std::u16string_view name, MacroLocation& selection) {
  return AddMacro(name, selection) == MacroNodeChange::kClash ? 1 : 0;
}

int MacroLibrary::NewFolder(std::u16string_view name, MacroLocation& selection) {
  return AddFolder(name, selection) == MacroNodeChange::kClash ? 1 : 0;
}

MacroNodeChange MacroLibrary::RenameNode(const MacroLocation& location, std::u16string_view name) {
  MacroNode* node = NodeAt(location);
  if (!node || !node->IsUsed()) return MacroNodeChange::kNoNode;
  if (!IsStorableMacroName(name)) return MacroNodeChange::kBadName;
  if (node->MacroItemName == name) return MacroNodeChange::kDone;
  if (NameExistsAmongSiblings(location.stage, location.stage0Index, location.stage1Index, name)) {
    return MacroNodeChange::kClash;
  }
  node->MacroItemName = std::u16string(name);
  if (node->Item) node->Item->MacroItemName = node->MacroItemName;
  return MacroNodeChange::kDone;
}

void MacroLibrary::ReleaseSubtree(const MacroLocation& l) {
  ReleaseSlot(MutableSlot(l));
  if (l.stage == 2) return;
  Level2Block* block = level2_[static_cast<std::size_t>(l.stage0Index)].get();
  if (l.stage == 0) {
    for (int b = 0; b < kSlots; ++b) ReleaseSlot(MutableSlot(MacroLocation::Child(l.stage0Index, b)));
    if (block) {
      for (auto& node : *block) ReleaseSlot(node);
    }
  } else if (block) {
    for (int c = 0; c < kSlots; ++c) ReleaseSlot((*block)[BlockIndex(MacroLocation::Grandchild(0, l.stage1Index, c))]);
  }
}

// The target subtree is free when this runs; afterwards the source subtree is.
void MacroLibrary::MoveSubtree(const MacroLocation& from, const MacroLocation& to) {
  MoveSlot(MutableSlot(from), MutableSlot(to));
  if (from.stage == 2) return;
  if (from.stage == 0) {
    for (int b = 0; b < kSlots; ++b) {
      MoveSlot(MutableSlot(MacroLocation::Child(from.stage0Index, b)), MutableSlot(MacroLocation::Child(to.stage0Index, b)));
    }
    std::swap(level2_[static_cast<std::size_t>(from.stage0Index)], level2_[static_cast<std::size_t>(to.stage0Index)]);
    return;
  }
  Level2Block* block = level2_[static_cast<std::size_t>(from.stage0Index)].get();
  if (!block) return;
  for (int c = 0; c < kSlots; ++c) {
    MoveSlot((*block)[BlockIndex(MacroLocation::Grandchild(0, from.stage1Index, c))],
             (*block)[BlockIndex(MacroLocation::Grandchild(0, to.stage1Index, c))]);
  }
}

bool MacroLibrary::DeleteNode(const MacroLocation& location) {
  if (!location.IsInsideTree()) return false;
  const MacroLocation at = location.Normalized();
  ReleaseSubtree(at);
  const int first = at.stage == 0 ? at.stage0Index : at.stage == 1 ? at.stage1Index : at.stage2Index;
  for (int k = first; k + 1 < kSlots; ++k) MoveSubtree(WithSlot(at, k + 1), WithSlot(at, k));
  return true;
}

void MacroLibrary::ClearLibrary() {
  for (auto& node : upper_) ReleaseSlot(node);
  for (auto& block : level2_) {
    if (!block) continue;
    for (auto& node : *block) ReleaseSlot(node);
  }
}

void MacroLibrary::CollapseAllFolders() {
  for (auto& node : upper_) {
    if (node.IsUsed()) node.MacroItemFolderIsOpen = 0;
  }
}

bool MacroLibrary::ContainsMacroKey(std::uint32_t key, const MacroLocation& location) const {
  if (!location.IsInsideTree()) return false;
  const MacroLocation l = location.Normalized();
  const auto holds = [&](const MacroLocation& at) {
    const MacroNode& n = Slot((at));
    return n.IsUsed() && n.Item && n.Item->MacroKeyIndex == key;
  };
  if (holds(l)) return true;
  if (l.stage == 2) return false;
  for (int b = 0; b < kSlots; ++b) {
    if (l.stage == 0) {
      if (holds(MacroLocation::Child(l.stage0Index, b))) return true;
      for (int c = 0; c < kSlots; ++c) {
        if (holds(MacroLocation::Grandchild(l.stage0Index, b, c))) return true;
      }
    } else if (holds(MacroLocation::Grandchild(l.stage0Index, l.stage1Index, b))) {
      return true;
    }
  }
  return false;
}

bool MacroLibrary::PlaceFolder(const MacroLocation& location, std::u16string name, int isOpen) {
  MacroNode* node = NodeAt(location);
  if (!node || !IsStorableMacroName(name)) return false;
  *node = MacroNode{};
  node->MacroItemName = std::move(name);
  node->MacroItemIsFolder = 1;
  node->MacroItemFolderIsOpen = isOpen != 0 ? 1 : 0;
  return true;
}

bool MacroLibrary::PlaceMacro(const MacroLocation& location, std::unique_ptr<MacroItem> item) {
  MacroNode* node = item ? NodeAt(location) : nullptr;
  if (!node || !IsStorableMacroName(item->MacroItemName)) return false;
  *node = MacroNode{};
  node->MacroItemName = item->MacroItemName;
  node->Item = std::move(item);
  return true;
}

bool MacroLibrary::IsEmpty() const {
  const auto used = [](const MacroNode& n) { return n.IsUsed(); };
  if (std::any_of(upper_.begin(), upper_.end(), used)) return false;
  return std::none_of(level2_.begin(), level2_.end(),
                      [&](const auto& block) { return block && std::any_of(block->begin(), block->end(), used); });
}

}  // namespace corvane
