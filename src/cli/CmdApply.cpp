// corvanectl apply: the apply button: the buttons and performance settings are compared
// with what the mouse holds and what differs is sent.
#include "cli/Cli.h"
#include "cli/UploadCliSupport.h"
#include "settings/SettingsCommands.h"

namespace corvane::cli {
namespace {

int RunApply(CliContext& ctx, const std::vector<std::string>& args) {
  if (!args.empty()) return ctx.Usage("apply takes no arguments");
  int exitCode = kExitOk;
  const auto upload = UploadSession::Open(ctx, exitCode);
  if (!upload) return exitCode;
  RequestFullApply(upload->State().Dirty);
  return upload->ApplyAndSave();
}

const CliCommandRegistrar kApply{"apply", "apply                       send the current profile's buttons and settings",
                                 &RunApply};

}  // namespace
}  // namespace corvane::cli
