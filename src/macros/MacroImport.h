#pragma once
// Import of one macro (.mkf) and of a library (.mbf). The file is read into a temporary
// library and copied into the given one relative to its CurrentMacroLocation; the
// imported macros receive new MacroKeyIndex values, so profile buttons stay linked to the
// macros they were given, not to imported copies. Nothing is written to disk here.
#include <filesystem>
#include <string>
#include <vector>

#include "macros/MacroLibrary.h"

namespace corvane {

enum class MacroImportStatus {
  kImported,      // at least one node was created
  kClash,         // a name is taken at the destination (language text 241); nothing changed
  kNoSource,      // the file names nothing to import (unreadable, empty, or its selection names no node)
  kFull,          // the destination group had no free slot; nothing was created
  kNothingFits,   // every source was a folder and the destination cannot hold folders
  kNoKeyLeft,     // a macro holds the largest key: no new macro can be made; nothing was created
};

struct MacroImportResult {
  MacroImportStatus status = MacroImportStatus::kNoSource;
  std::vector<MacroLocation> created;  // in creation order
  // What the file held, or was meant to hold, that is not in the library now, one line
  // each ("Games/Reload: no free place at the destination", or the file's own damage);
  // an import that left anything out must not look complete.
  std::vector<std::string> skipped;
};

// A macro file: the node named by the file's selection becomes a new macro at the
// selection (inside a selected folder, which is opened; else at the top level).
MacroImportResult ImportMacro(MacroLibrary& library, const std::filesystem::path& file);
// A library file: the nodes the file's selection picks (see MacroImport.cpp) are copied
// after a clash test of all their names.
MacroImportResult ImportMacroLibrary(MacroLibrary& library, const std::filesystem::path& file);

// The same, from a library already read (used by the two above and by tests).
MacroImportResult ImportMacroFrom(MacroLibrary& library, const MacroLibrary& source, const MacroLocation& fileSelection);
MacroImportResult ImportLibraryFrom(MacroLibrary& library, const MacroLibrary& source,
                                    const MacroLocation& fileSelection);

}  // namespace corvane
