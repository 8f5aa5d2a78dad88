// corvanectl devices: the present connections of the mouse, their interfaces and version.
#include <ostream>

#include "base/TextUtil.h"
#include "cli/Cli.h"
#include "cli/CliDeviceSession.h"

namespace corvane::cli {
namespace {

std::string Version(std::uint16_t v) { return "0x" + Utf8(FormatHexFixed(v, 4)); }

// The connection commands go to (the first open command interface).
std::string ActiveRole(DeviceLink& link) {
  const auto route = link.PickCommandInterface();
  return route ? std::string(RoleInfo(route->Role).name) : std::string();
}

int RunDevices(CliContext& ctx, const std::vector<std::string>& args) {
  if (!args.empty()) return ctx.Usage("devices takes no arguments");
  int exitCode = kExitOk;
  const auto session = OpenDeviceSession(ctx, exitCode);
  if (!session) return exitCode;
  DeviceLink& link = session->Link();
  if (!link.AnyPresent) return RefuseNoDevice(ctx);

  if (ctx.options.json) {
    ctx.out << "{\"active\":\"" << ActiveRole(link) << "\",\"devices\":[";
    const char* sep = "";
    for (const auto& info : kDeviceRoles) {
      const RoleLink& r = link.Role(info.role);
      if (!r.Present) continue;
      ctx.out << sep << "{\"role\":\"" << info.name << "\",\"feature\":\"" << r.FeatureInterfacePath
              << "\",\"input\":\"" << r.InputInterfacePath << "\",\"version\":\"" << Version(r.FeatureVersion)
              << "\",\"open\":" << (r.FeatureHandle ? "true" : "false") << "}";
      sep = ",";
    }
    ctx.out << "]}\n";
    return kExitOk;
  }
  for (const auto& info : kDeviceRoles) {
    const RoleLink& r = link.Role(info.role);
    if (!r.Present) continue;
    ctx.out << info.name << " feature=" << r.FeatureInterfacePath << " input=" << r.InputInterfacePath
            << " version=" << Version(r.FeatureVersion) << (r.FeatureHandle ? "" : " (cannot be opened)") << "\n";
  }
  ctx.out << "active=" << ActiveRole(link) << "\n";
  return kExitOk;
}

const CliCommandRegistrar kDevices{"devices", "devices                     present connections, interface paths, version",
                                   &RunDevices};

}  // namespace
}  // namespace corvane::cli
