#include "macros/MacroPath.h"

namespace corvane {

std::vector<std::u16string> SplitMacroPath(std::u16string_view path) {
  if (!path.empty() && path.back() == u'/') path.remove_suffix(1);
  std::vector<std::u16string> names;
  std::size_t start = 0;
  while (true) {
    const std::size_t slash = path.find(u'/', start);
    names.emplace_back(path.substr(start, slash == std::u16string_view::npos ? std::u16string_view::npos : slash - start));
    if (slash == std::u16string_view::npos) return names;
    start = slash + 1;
  }
}

std::optional<MacroLocation> FindMacroPath(const MacroLibrary& library, std::u16string_view path) {
  const std::vector<std::u16string> names = SplitMacroPath(path);
  if (names.size() > 3) return std::nullopt;
  MacroLocation at;
  for (std::size_t depth = 0; depth < names.size(); ++depth) {
    if (depth > 0 && !library.NodeAt(at)->IsFolder()) return std::nullopt;
    bool found = false;
    for (int k = 0; k < MacroLibrary::kSlots && !found; ++k) {
      const MacroLocation next = depth == 0   ? MacroLocation::Top(k)
                                 : depth == 1 ? MacroLocation::Child(at.stage0Index, k)
                                              : MacroLocation::Grandchild(at.stage0Index, at.stage1Index, k);
      const MacroNode* node = library.NodeAt(next);
      if (node->IsUsed() && node->MacroItemName == names[depth]) {
        at = next;
        found = true;
      }
    }
    if (!found) return std::nullopt;
  }
  return at;
}

std::u16string MacroPathOf(const MacroLibrary& library, const MacroLocation& l) {
  if (!l.IsInsideTree()) return {};
  std::u16string path = library.Level0(l.stage0Index).MacroItemName;
  if (l.stage >= 1) path += u"/" + library.Level1(l.stage0Index, l.stage1Index).MacroItemName;
  if (l.stage == 2) path += u"/" + library.Level2(l.stage0Index, l.stage1Index, l.stage2Index).MacroItemName;
  return path;
}

}  // namespace corvane
