// corvanectl reset: the factory reset of the main window without its confirmation. The
// mouse returns to its factory settings, and the current profile to its defaults
// (keeping its name) and is written to its slot file.
#include <ostream>

#include "base/TextUtil.h"
#include "cli/Cli.h"
#include "cli/CliDeviceSession.h"
#include "device/FeatureTransport.h"
#include "settings/ConfigTable.h"
#include "settings/ProfileFile.h"
#include "settings/ProfileTable.h"

namespace corvane::cli {
namespace {

int RunReset(CliContext& ctx, const std::vector<std::string>& args) {
  if (!args.empty()) return ctx.Usage("reset takes no arguments");
  int exitCode = kExitOk;
  const auto session = OpenDeviceSession(ctx, exitCode);
  if (!session) return exitCode;
  DeviceLink& link = session->Link();
  if (!link.MouseReachable()) return RefuseNoDevice(ctx);

  // A reset the mouse did not take leaves the profile alone: the profile would otherwise
  // claim defaults the mouse does not have.
  const SendResult sent = ResetDeviceToDefaults(link);
  if (sent != SendResult::Acknowledged) return RefuseSend(ctx, sent, "factory reset");

  AppContext& app = *ctx.app;
  const int p = app.Config.CurrentProfileSlot();
  ProfileRecord& record = app.Profiles[p];
  const std::u16string name = record.ProfileName();
  ResetProfileToDefaults(record, p, app.Language, app.Dpi.SensorId);
  record.SetProfileName(name);
  const auto path = ProfileSlotPath(app, p);
  std::string why;
  const auto save = [&](std::string* reason) { return WriteProfileFile(record, path, reason); };
  if (!SaveStoredFiles(ctx, StoredFiles::Settings, save, &why))
    return ctx.Refuse("the mouse was reset, but profile " + std::to_string(p) + " could not be written to " +
                      path.string() + ": " + why);
  ctx.out << "reset profile=" << p << " name=" << Utf8(name) << "\n";
  return kExitOk;
}

const CliCommandRegistrar kReset{"reset", "reset                       factory reset of the mouse and the current profile",
                                 &RunReset};

}  // namespace
}  // namespace corvane::cli
