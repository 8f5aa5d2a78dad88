#include "base/TextUtil.h"
#include "base/UnicodeTextFile.h"
#include "settings/ConfigTable.h"
#include "settings/SettingsStore.h"

namespace corvane {

bool SaveConfig(const SettingsStore& ctx, std::string* reason) {
  UnicodeTextWriter writer;
  writer.WriteLine(u"[Setting]");
  for (const SettingPair& pair : ctx.Config.Pairs) {
    writer.Write(pair.Key);
    writer.Write(u"=");
    writer.WriteLine(pair.Value);
  }
  const std::filesystem::path file = ConfigFilePath(ctx.DataFolder);
  std::string why;
  if (writer.Commit(file, &why)) return true;
  if (reason) *reason = "config/config.ini: " + why;
  return false;
}

bool SaveCurrentProfileIndex(SettingsStore& ctx, std::string* reason) {
  ctx.Config.SetCurrentProfile(ctx.CurrentProfileIndex);
  return SaveConfig(ctx, reason);
}

}  // namespace corvane
