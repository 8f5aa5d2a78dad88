#include "settings/AppContext.h"
#include "settings/ConfigTable.h"
#include "settings/TextUtil.h"
#include "settings/UnicodeTextFile.h"

namespace corvane {

bool SaveConfig(const AppContext& ctx) {
  UnicodeTextWriter writer;
  writer.WriteLine(u"[Setting]");
  for (const SettingPair& pair : ctx.Config.Pairs) {
    writer.Write(pair.Key);
    writer.Write(u"=");
    writer.WriteLine(pair.Value);
  }
  return writer.Commit(ConfigFilePath(ctx));
}

bool SaveCurrentProfileIndex(AppContext& ctx) {
  ctx.Config.SetCurrentProfile(ctx.CurrentProfileIndex);
  return SaveConfig(ctx);
}

}  // namespace corvane
