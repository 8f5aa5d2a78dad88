// The macro library file. A library read from any file is saved as a file that reads back
// into the same library.
#include <cstdlib>

#include "FuzzScratch.h"
#include "base/UnicodeTextFile.h"
#include "macros/MacroLibraryFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace corvane;
  static MacroLibrary library;
  static MacroLibrary reread;
  MacroLocation selection;
  LoadMacroLibraryBytes(fuzz::AsBytes(data, size), library, selection);

  UnicodeTextWriter writer;
  writer.Write(MacroLibraryText(library, selection));
  MacroLocation selectionAgain;
  if (!LoadMacroLibraryBytes(writer.Bytes(), reread, selectionAgain)) std::abort();
  if (MacroLibraryText(reread, selectionAgain) != writer.Text()) std::abort();
  return 0;
}
