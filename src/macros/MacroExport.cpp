#include "macros/MacroExport.h"

#include "macros/MacroLibraryFile.h"

namespace corvane {
namespace {

const MacroNode* SelectedNode(const MacroLibrary& library) {
  const MacroNode* node = library.NodeAt(library.CurrentMacroLocation);
  return node && node->IsUsed() ? node : nullptr;
}

}  // namespace

std::u16string DefaultMacroExportName(const MacroLibrary& library) {
  const MacroNode* node = SelectedNode(library);
  return node && node->IsMacro() ? node->MacroItemName + u".mkf" : std::u16string();
}

std::u16string DefaultLibraryExportName(const MacroLibrary& library) {
  const MacroNode* node = SelectedNode(library);
  return node ? node->MacroItemName + u".mbf" : std::u16string(u"AllMacroKey.mbf");
}

bool ExportMacro(const MacroLibrary& library, const std::filesystem::path& path) {
  const MacroNode* node = SelectedNode(library);
  if (!node || !node->IsMacro()) return false;
  return SaveMacroLibrary(path, library, library.CurrentMacroLocation);
}

bool ExportMacroLibrary(const MacroLibrary& library, const std::filesystem::path& path) {
  return SaveMacroLibrary(path, library, library.CurrentMacroLocation);
}

}  // namespace corvane
