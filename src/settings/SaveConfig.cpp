#include "base/TextUtil.h"
#include "base/UnicodeTextFile.h"
#include "settings/ConfigTable.h"
#include "settings/SettingsStore.h"

namespace corvane {

bool SaveConfig(const SettingsStore& ctx) {
  UnicodeTextWriter writer;
  writer.WriteLine(u"[Setting]");
  for (const SettingPair& pair : ctx.Config.Pairs) {
    writer.Write(pair.Key);
    writer.Write(u"=");
    writer.WriteLine(pair.Value);
  }
  return writer.Commit(ConfigFilePath(ctx.DataFolder));
}

bool SaveCurrentProfileIndex(SettingsStore& ctx) {
  ctx.Config.SetCurrentProfile(ctx.CurrentProfileIndex);
  return SaveConfig(ctx);
}

}  // namespace corvane
