#include "BenchLibrary.h"

#include <cstdint>
#include <string>

#include "base/TextUtil.h"
#include "macros/MacroLibraryFile.h"

namespace corvane::bench {

MacroLibrary BuildBenchLibrary(int macros) {
  constexpr int kPerFolder = 50;  // a folder holds at most 60 entries
  MacroLibrary lib;
  MacroLocation folder;
  for (int n = 0; n < macros; ++n) {
    if (n % kPerFolder == 0) {
      folder = MacroLocation{};
      lib.NewFolder(u"Folder " + FormatDecimal(n / kPerFolder), folder);
    }
    MacroLocation m = folder;
    lib.NewMacro(u"Macro " + FormatDecimal(n), m);
    MacroItem& item = *lib.NodeAt(m)->Item;
    for (std::uint32_t s = 0; s < 30; s += 3) {
      const auto key = static_cast<std::uint8_t>(0x41 + (n + s) % 26);
      item.InsertAction(s, MakeKeyStep(key, false));
      item.InsertAction(s + 1, MakeDelayStep(20 + s));
      item.InsertAction(s + 2, MakeKeyStep(key, true));
    }
    item.MacroCommandActionNum = 20;
  }
  return lib;
}

bool WriteBenchLibrary(const std::filesystem::path& dataFolder, int macros) {
  return SaveMacroLibraryFile(dataFolder, BuildBenchLibrary(macros));
}

}  // namespace corvane::bench
