#pragma once
// A macro library of a given size for the benchmarks: folders of 50 macros, each a few
// dozen steps long, as a heavy user's library would be.
#include <filesystem>

#include "macros/MacroLibrary.h"

namespace corvane::bench {

MacroLibrary BuildBenchLibrary(int macros);

// Writes it as the data folder's library file; false when the file cannot be written.
bool WriteBenchLibrary(const std::filesystem::path& dataFolder, int macros);

}  // namespace corvane::bench
