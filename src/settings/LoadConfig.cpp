#include "base/UnicodeTextFile.h"
#include "settings/ConfigTable.h"
#include "settings/ProfileFile.h"
#include "settings/SettingsStore.h"

namespace corvane {
namespace {

// Reads config.ini into the table. False for a missing file, a first line other than
// "[Setting]", a line without a key or value around its first "=", or more than
// seventeen pair lines. Pairs the file does not reach stay empty.
bool ReadConfigFile(SettingsStore& ctx) {
  UnicodeTextReader reader;
  std::u16string line;
  if (!reader.Open(ConfigFilePath(ctx.DataFolder))) return false;
  // A file saved with carriage returns fails here: its first line is "[Setting]\r".
  if (!reader.ReadLine(line) || line != u"[Setting]") return false;
  for (std::size_t n = 0; reader.ReadLine(line); ++n) {
    if (n == kConfigPairCount) return false;
    // An empty line reads as a lone line feed, which has no "=" either.
    const std::size_t eq = line.find(u'=');
    if (eq == std::u16string::npos || eq == 0 || eq + 1 == line.size()) return false;
    ctx.Config.Pairs[n] = {line.substr(0, eq), line.substr(eq + 1)};
  }
  return true;
}

}  // namespace

int LoadConfig(SettingsStore& ctx, const LanguageTable& language) {
  ctx.Config.Pairs = {};
  const bool read = ReadConfigFile(ctx);
  if (!read) {
    ctx.Config.ConfigDefaults();
    SaveConfig(ctx);
  }
  // The sensor is known as soon as the file has been read, so every profile reset to
  // its defaults below gets that sensor's DPI levels.
  ctx.Dpi.SensorId = ctx.Config.ConfigSensor();
  // The main window's copy of the current profile, taken now so that a save during
  // start-up keeps the current profile instead of selecting profile 0.
  ctx.CurrentProfileIndex = ctx.Config.CurrentProfileSlot();
  if (!read) {
    for (int p = 0; p < kProfileCount; ++p) {
      ResetProfileToDefaults(ctx.Profiles[p], p, language, ctx.Dpi.SensorId);
      WriteProfileFile(ctx.Profiles[p], ProfileSlotPath(ctx, p));
    }
  }
  for (int p = 0; p < kProfileCount; ++p) ReadProfileFile(ctx, language, p, ProfileSlotPath(ctx, p));

  // PreST holds the complement of the sensor the DPI levels were made for.
  const std::uint16_t madeFor = static_cast<std::uint16_t>(~ctx.Config.ConfigPreST());
  if (madeFor != ctx.Dpi.SensorId) {
    ctx.Config.SetConfigPreST(static_cast<std::uint16_t>(~ctx.Dpi.SensorId));
    SaveCurrentProfileIndex(ctx);
    for (ProfileRecord& record : ctx.Profiles.Records) ApplySensorDpiDefaults(record, ctx.Dpi.SensorId);
    SaveAllProfiles(ctx);
  }
  return read ? 1 : 0;
}

}  // namespace corvane
