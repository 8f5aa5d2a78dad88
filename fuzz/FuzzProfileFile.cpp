// A profile file (.psf). Whatever a file holds, a profile read from it is written back as
// a file that reads into the same profile.
#include <cstdlib>

#include "FuzzScratch.h"
#include "base/UnicodeTextFile.h"
#include "settings/ProfileFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace corvane;
  UnicodeTextReader reader;
  reader.OpenBytes(fuzz::AsBytes(data, size));
  ProfileRecord record;
  if (!ParseProfileFile(reader, record)) return 0;

  UnicodeTextWriter writer;
  writer.Write(ProfileFileText(record));
  UnicodeTextReader again;
  again.OpenBytes(writer.Bytes());
  ProfileRecord reread;
  if (!ParseProfileFile(again, reread) || ProfileFileText(reread) != writer.Text()) std::abort();
  return 0;
}
