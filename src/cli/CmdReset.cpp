// corvanectl reset: the factory reset of the main window without its confirmation. The
// mouse returns to its factory settings, and the current profile to its defaults
// (keeping its name) and is written to its slot file.
#include <ostream>

#include "base/TextUtil.h"
#include "cli/Cli.h"
#include "cli/CliDeviceSession.h"
#include "session/FactoryReset.h"
#include "settings/ProfileFile.h"

namespace corvane::cli {
namespace {

int RunReset(CliContext& ctx, const std::vector<std::string>& args) {
  if (!args.empty()) return ctx.Usage("reset takes no arguments");
  int exitCode = kExitOk;
  const auto session = OpenDeviceSession(ctx, exitCode);
  if (!session) return exitCode;
  DeviceLink& link = session->Link();
  if (!link.MouseReachable()) return RefuseNoDevice(ctx);

  // The profile file goes through the locked save that checks for other programs' changes.
  std::string why;
  const auto write = [&](const ProfileRecord& record, const std::filesystem::path& path, std::string* reason) {
    return SaveStoredFiles(
        ctx, StoredFiles::Settings, [&](std::string* r) { return WriteProfileFile(record, path, r); }, reason);
  };
  const FactoryResetResult reset = ResetMouseAndProfile(*ctx.app, link, write);
  if (reset.Sent != SendResult::Acknowledged) return RefuseSend(ctx, reset.Sent, "factory reset");
  if (!reset.ProfileWritten)
    return ctx.Refuse("the mouse was reset, but profile " + std::to_string(reset.Profile) + " could not be written to " +
                      reset.SlotFile.string() + ": " + reset.WriteError);
  ctx.out << "reset profile=" << reset.Profile << " name=" << Utf8(reset.Name) << "\n";
  return kExitOk;
}

const CliCommandRegistrar kReset{"reset", "reset                       factory reset of the mouse and the current profile",
                                 &RunReset};

}  // namespace
}  // namespace corvane::cli
