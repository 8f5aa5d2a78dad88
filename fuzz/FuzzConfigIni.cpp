// config.ini as the start-up load reads it, with the five profile files it names.
#include "FuzzScratch.h"
#include "lang/LanguageTable.h"
#include "settings/ConfigTable.h"
#include "settings/SettingsStore.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace corvane;
  static fuzz::FuzzScratch scratch;
  const std::string_view bytes = fuzz::AsBytes(data, size);
  if (fuzz::CouldLeaveScratch(fuzz::Utf16Units(bytes))) return -1;
  SettingsStore settings;
  settings.DataFolder = scratch.Fresh();
  fuzz::WriteBytes(ConfigFilePath(settings.DataFolder), bytes);
  const LanguageTable language;
  LoadConfig(settings, language);
  return 0;
}
