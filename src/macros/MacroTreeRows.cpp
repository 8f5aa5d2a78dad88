#include "macros/MacroTreeRows.h"

namespace corvane {
namespace {

constexpr int kSlots = MacroLibrary::kSlots;

// Calls visit(location) for each visible row in order until it returns true.
template <typename Visit>
void WalkRows(const MacroLibrary& lib, Visit&& visit) {
  for (int a = 0; a < kSlots; ++a) {
    const MacroNode& top = lib.Level0(a);
    if (!top.IsUsed()) continue;
    if (visit(MacroLocation::Top(a))) return;
    if (!top.IsFolder() || !top.MacroItemFolderIsOpen) continue;
    for (int b = 0; b < kSlots; ++b) {
      const MacroNode& child = lib.Level1(a, b);
      if (!child.IsUsed()) continue;
      if (visit(MacroLocation::Child(a, b))) return;
      if (!child.IsFolder() || !child.MacroItemFolderIsOpen) continue;
      for (int c = 0; c < kSlots; ++c) {
        if (lib.Level2(a, b, c).IsUsed() && visit(MacroLocation::Grandchild(a, b, c))) return;
      }
    }
  }
}

}  // namespace

int CountVisibleRows(const MacroLibrary& library) {
  int rows = 0;
  WalkRows(library, [&](const MacroLocation&) {
    ++rows;
    return false;
  });
  return rows;
}

MacroLocation LocationOfRow(const MacroLibrary& library, int row) {
  MacroLocation found;
  if (row < 0) return found;
  int r = 0;
  WalkRows(library, [&](const MacroLocation& l) {
    if (r++ != row) return false;
    found = l;
    return true;
  });
  return found;
}

int RowOfLocation(const MacroLibrary& library, const MacroLocation& location) {
  if (!location.IsInsideTree()) return -1;
  const MacroLocation wanted = location.Normalized();
  int r = 0;
  int found = -1;
  WalkRows(library, [&](const MacroLocation& l) {
    if (l == wanted) {
      found = r;
      return true;
    }
    ++r;
    return false;
  });
  return found;
}

}  // namespace corvane
