#pragma once
// Library nodes named by path, "Folder/Sub/Name", as corvanectl takes and prints them.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "macros/MacroLibrary.h"

namespace corvane {

// The path's names; one trailing "/" is allowed (folders are listed with one).
std::vector<std::u16string> SplitMacroPath(std::u16string_view path);
// The used node the path names, folder by folder; nullopt when there is none.
std::optional<MacroLocation> FindMacroPath(const MacroLibrary& library, std::u16string_view path);
// The path of a node: its ancestors' names and its own, joined by "/".
std::u16string MacroPathOf(const MacroLibrary& library, const MacroLocation& location);

// Calls f(location, node) for every used node, each folder followed by what it holds.
template <typename F>
void ForEachNodeInTreeOrder(const MacroLibrary& library, F&& f) {
  constexpr int n = MacroLibrary::kSlots;
  for (int a = 0; a < n; ++a) {
    const MacroNode& top = library.Level0(a);
    if (!top.IsUsed()) continue;
    f(MacroLocation::Top(a), top);
    for (int b = 0; b < n && top.IsFolder(); ++b) {
      const MacroNode& child = library.Level1(a, b);
      if (!child.IsUsed()) continue;
      f(MacroLocation::Child(a, b), child);
      for (int c = 0; c < n && child.IsFolder(); ++c) {
        if (library.Level2(a, b, c).IsUsed()) f(MacroLocation::Grandchild(a, b, c), library.Level2(a, b, c));
      }
    }
  }
}

}  // namespace corvane
