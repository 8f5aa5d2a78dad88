// The export files a user imports: one macro (.mkf) and a library (.mbf), each into a
// library that already holds a folder with a macro and a macro beside it, so name clashes
// and free slots are weighed.
#include "FuzzScratch.h"
#include "macros/MacroImport.h"

namespace {

corvane::MacroLibrary StartLibrary() {
  corvane::MacroLibrary library;
  corvane::MacroLocation at;
  library.AddFolder(u"Folder", at);
  library.AddMacro(u"Macro1", at);
  at = corvane::MacroLocation{};
  library.AddMacro(u"Macro2", at);
  library.CurrentMacroLocation = corvane::MacroLocation::Top(0);
  return library;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace corvane;
  static fuzz::FuzzScratch scratch;
  const std::filesystem::path file = scratch.Fresh() / "import.mbf";
  fuzz::WriteBytes(file, fuzz::AsBytes(data, size));
  MacroLibrary library = StartLibrary();
  ImportMacro(library, file);
  ImportMacroLibrary(library, file);
  return 0;
}
