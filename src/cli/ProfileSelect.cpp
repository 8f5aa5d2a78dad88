#include "cli/ProfileSelect.h"

#include "cli/ProfileCliSupport.h"
#include "cli/UploadCliSupport.h"
#include "settings/ConfigTable.h"
#include "settings/SettingsCommands.h"

namespace corvane::cli {

int RunProfileSelect(CliContext& ctx, const std::vector<std::string>& args) {
  if (args.size() != 2) return ctx.Usage("usage: profile select N");
  const auto p = ParseProfileIndex(args[1]);
  if (!p) return ctx.Usage("profile must be 0 to 4, not \"" + args[1] + "\"");
  // Only the profiles of the profile list have a tab to click.
  const ConfigTable& config = ctx.app->Config;
  bool shown = false;
  for (int i = 0; i < config.ShownPositions(); ++i) shown = shown || config.GetProfileShowList(i) == *p;
  if (!shown) return ctx.Refuse("profile " + args[1] + " is not in the profile list; add it first");

  int exitCode = kExitOk;
  const auto upload = UploadSession::Open(ctx, exitCode);
  if (!upload) return exitCode;
  SelectProfile(*ctx.app, *p, upload->State().Dirty);
  return upload->ApplyAndSave();
}

}  // namespace corvane::cli
