// Load and save of the macro library file, for a library of a realistic size and for a
// large one (60 folders x 10 sub-folders x 10 macros, about 28 MB on disk).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "base/TextUtil.h"
#include "macros/MacroLibraryFile.h"

namespace corvane {
namespace {

namespace fs = std::filesystem;

MacroLibrary BuildLibrary(int folders, int subFolders, int macros) {
  MacroLibrary lib;
  for (int a = 0; a < folders; ++a) {
    MacroLocation top;
    lib.NewFolder(u"Folder " + FormatDecimal(a), top);
    for (int b = 0; b < subFolders; ++b) {
      MacroLocation sub = top;
      lib.NewFolder(u"Sub " + FormatDecimal(b), sub);
      for (int c = 0; c < macros; ++c) {
        MacroLocation m = sub;
        lib.NewMacro(u"Macro " + FormatDecimal(c), m);
        MacroItem& item = *lib.NodeAt(m)->Item;
        for (std::uint32_t s = 0; s < 60; s += 3) {
          item.InsertAction(s, MakeKeyStep(static_cast<std::uint8_t>(0x41 + s % 26), false));
          item.InsertAction(s + 1, MakeDelayStep(30 + s));
          item.InsertAction(s + 2, MakeKeyStep(static_cast<std::uint8_t>(0x41 + s % 26), true));
        }
        item.MacroCommandActionNum = 40;
      }
    }
  }
  return lib;
}

fs::path BenchFile(const char* name) { return fs::temp_directory_path() / name; }

void BM_SaveMacroLibrary(benchmark::State& state) {
  const MacroLibrary lib = BuildLibrary(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)),
                                        static_cast<int>(state.range(2)));
  const fs::path file = BenchFile("corvane-bench-save.mlf");
  for (auto _ : state) {
    if (!SaveMacroLibrary(file, lib, MacroLocation::None())) state.SkipWithError("save failed");
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * fs::file_size(file)));
  fs::remove(file);
}

void BM_LoadMacroLibrary(benchmark::State& state) {
  const fs::path file = BenchFile("corvane-bench-load.mlf");
  {
    const MacroLibrary lib = BuildLibrary(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)),
                                          static_cast<int>(state.range(2)));
    SaveMacroLibrary(file, lib, MacroLocation::None());
  }
  MacroLibrary lib;
  for (auto _ : state) {
    MacroLocation selection;
    if (!LoadMacroLibrary(file, lib, selection)) state.SkipWithError("load failed");
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * fs::file_size(file)));
  fs::remove(file);
}

// A typical library (5 folders x 2 sub-folders x 10 macros) and a large one.
BENCHMARK(BM_SaveMacroLibrary)->Args({5, 2, 10})->Args({60, 10, 10})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadMacroLibrary)->Args({5, 2, 10})->Args({60, 10, 10})->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace corvane
