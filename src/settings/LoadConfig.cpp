#include <string>

#include "base/DamagedFile.h"
#include "base/TextUtil.h"
#include "base/UnicodeTextFile.h"
#include "settings/ConfigTable.h"
#include "settings/ProfileFile.h"
#include "settings/SettingsStore.h"

namespace corvane {
namespace {

// Reads config.ini's lines into the table. False (why set) for a first line other than
// "[Setting]", a line without a key or value around its first "=", more than seventeen
// pair lines, or fewer: a file that ends early is a cut-short copy, and taking it would
// leave the settings it lacks empty, among them the profile files' paths.
bool ParseConfig(UnicodeTextReader& reader, ConfigTable& config, std::string& why) {
  std::u16string line;
  // A file saved with carriage returns fails here: its first line is "[Setting]\r".
  if (!reader.ReadLine(line) || line != u"[Setting]") {
    why = "the first line is not [Setting]";
    return false;
  }
  std::size_t n = 0;
  for (; reader.ReadLine(line); ++n) {
    if (n == kConfigPairCount) {
      why = "more than " + std::to_string(kConfigPairCount) + " settings";
      return false;
    }
    // An empty line reads as a lone line feed, which has no "=" either.
    const std::size_t eq = line.find(u'=');
    if (eq == std::u16string::npos || eq == 0 || eq + 1 == line.size()) {
      why = "line " + std::to_string(n + 2) + " is not a setting";
      return false;
    }
    config.Pairs[n] = {line.substr(0, eq), line.substr(eq + 1)};
  }
  if (n < static_cast<std::size_t>(kConfigPairCount)) {
    why = "only " + std::to_string(n) + " of " + std::to_string(kConfigPairCount) + " settings (cut short)";
    return false;
  }
  return true;
}

// Takes from a damaged file every line that names one of the seventeen settings with a
// value; the others keep their defaults. Returns which were taken.
std::array<bool, kConfigPairCount> RecoverConfig(const std::u16string& text, ConfigTable& config) {
  std::array<bool, kConfigPairCount> taken{};
  UnicodeTextReader reader;
  reader.OpenText(text);
  std::u16string line;
  while (reader.ReadLine(line)) {
    const std::size_t eq = line.find(u'=');
    if (eq == std::u16string::npos || eq == 0 || eq + 1 == line.size()) continue;
    const std::u16string key = line.substr(0, eq);
    for (std::size_t i = 0; i < config.Pairs.size(); ++i) {
      if (taken[i] || config.Pairs[i].Key != key) continue;
      config.Pairs[i].Value = line.substr(eq + 1);
      taken[i] = true;
      break;
    }
  }
  return taken;
}

// config.ini is there but not usable: keep it aside, take what it still says, and carry
// on with the profile files as they are (they hold the user's settings; a damaged
// config.ini is no reason to reset them).
void RecoverDamagedConfig(SettingsStore& ctx, FileReadStatus status, const std::string& bytes, std::string why) {
  const std::filesystem::path file = ConfigFilePath(ctx.DataFolder);
  const std::string shown = ShownPath(file, ctx.DataFolder);
  ctx.Config.ConfigDefaults();
  if (status == FileReadStatus::NotRegularFile) {
    ctx.FileNotices.push_back(shown + ": " + why + "; the default settings are used and not saved there");
    return;
  }
  std::array<bool, kConfigPairCount> taken{};
  if (status == FileReadStatus::Ok) {
    if (const std::string encoding = DescribeTextDamage(bytes); !encoding.empty()) why = encoding;
    taken = RecoverConfig(RecoverDamagedText(bytes), ctx.Config);
  }
  // Without the PreST the file had, the profiles are taken to fit the sensor it names,
  // so their DPI levels are not reset to defaults on the way.
  if (!taken[kConfigPreST]) ctx.Config.SetConfigPreST(static_cast<std::uint16_t>(~ctx.Config.ConfigSensor()));
  std::string asideReason;
  const std::filesystem::path aside = KeepDamagedFileAside(file, &asideReason);
  if (aside.empty()) {
    ctx.FileNotices.push_back(shown + ": " + why + "; it could not be kept aside (" + asideReason +
                              "), so it is left as it is and not saved over");
    return;
  }
  SaveConfig(ctx);
  int count = 0;
  for (bool t : taken) count += t ? 1 : 0;
  ctx.FileNotices.push_back(shown + ": " + why + "; the file was kept as " + aside.filename().string() + "; " +
                            std::to_string(count) + " of " + std::to_string(kConfigPairCount) +
                            " settings were read from it, the rest are defaults; the profiles were read as they are");
}

}  // namespace

int LoadConfig(SettingsStore& ctx, const LanguageTable& language) {
  ctx.Config.Pairs = {};
  std::string bytes, why;
  const FileReadStatus status = ReadFileBytesChecked(ConfigFilePath(ctx.DataFolder), bytes, &why);
  bool read = false;
  if (status == FileReadStatus::Ok) {
    UnicodeTextReader reader;
    reader.OpenBytes(bytes);
    read = ParseConfig(reader, ctx.Config, why);
  }
  if (!read) {
    ctx.Config.Pairs = {};
    if (status == FileReadStatus::Missing) {
      // A first start: the defaults. Profile files that are already there are read
      // below as they are; missing ones get their defaults written.
      ctx.Config.ConfigDefaults();
      SaveConfig(ctx);
    } else {
      RecoverDamagedConfig(ctx, status, bytes, why);
    }
  }
  // The sensor is known as soon as the file has been read, so every profile reset to
  // its defaults below gets that sensor's DPI levels.
  ctx.Dpi.SensorId = ctx.Config.ConfigSensor();
  // The main window's copy of the current profile, taken now so that a save during
  // start-up keeps the current profile instead of selecting profile 0.
  ctx.CurrentProfileIndex = ctx.Config.CurrentProfileSlot();
  for (int p = 0; p < kProfileCount; ++p) LoadProfileSlot(ctx, language, p);

  // PreST holds the complement of the sensor the DPI levels were made for.
  const std::uint16_t madeFor = static_cast<std::uint16_t>(~ctx.Config.ConfigPreST());
  if (madeFor != ctx.Dpi.SensorId) {
    ctx.Config.SetConfigPreST(static_cast<std::uint16_t>(~ctx.Dpi.SensorId));
    for (ProfileRecord& record : ctx.Profiles.Records) ApplySensorDpiDefaults(record, ctx.Dpi.SensorId);
    // The profiles first: config.ini's new PreST is what marks the change as done.
    SaveAllProfiles(ctx);
    SaveCurrentProfileIndex(ctx);
  }
  return read ? 1 : 0;
}

}  // namespace corvane
