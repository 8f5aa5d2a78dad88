// LanSetting.ini and the language file it chooses. The input is split in two: the first
// part is LanSetting.ini, the rest both Lan_EN.txt and Lan.txt.
#include <fuzzer/FuzzedDataProvider.h>

#include "FuzzScratch.h"
#include "lang/LoadLanguage.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace corvane;
  static fuzz::FuzzScratch scratch;
  FuzzedDataProvider input(data, size);
  const std::string setting = input.ConsumeRandomLengthString(64);
  const std::string texts = input.ConsumeRemainingBytesAsString();
  const std::filesystem::path& folder = scratch.Fresh();
  fuzz::WriteBytes(folder / "config" / "LanSetting.ini", setting);
  fuzz::WriteBytes(folder / "config" / "Lan_EN.txt", texts);
  fuzz::WriteBytes(folder / "config" / "Lan.txt", texts);
  LanguageTable language;
  UiFont font;
  LoadLanguage(folder, language, font, 1.0f);
  return 0;
}
