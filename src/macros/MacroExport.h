#pragma once
// Export of one macro (.mkf) and of the library (.mbf): both write the whole library in
// the library file format; the file's selection line tells the import what to take.
#include <filesystem>
#include <string>

#include "macros/MacroLibrary.h"

namespace corvane {

// "<macro name>.mkf" for the selected macro; empty when no macro is selected.
std::u16string DefaultMacroExportName(const MacroLibrary& library);
// "<node name>.mbf" for the selected node, "AllMacroKey.mbf" when nothing is selected.
std::u16string DefaultLibraryExportName(const MacroLibrary& library);

// Writes the library naming the selected macro; false when the selection is not a macro
// or the file cannot be written.
bool ExportMacro(const MacroLibrary& library, const std::filesystem::path& path);
// Writes the library with the current selection (stage -1 when nothing is selected).
bool ExportMacroLibrary(const MacroLibrary& library, const std::filesystem::path& path);

}  // namespace corvane
