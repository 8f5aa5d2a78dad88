// corvanectl autoswitch list | add CLASS N | remove CLASS: the per-application profiles
// the window program follows (settings/AutoSwitchMap.h). Changes are saved at once; the
// running program reads the map again at the next change of the active window.
#include <iostream>

#include "cli/Cli.h"
#include "cli/KeyValueOutput.h"
#include "cli/ProfileCliSupport.h"
#include "settings/AutoSwitchMap.h"
#include "settings/ConfigTable.h"

namespace corvane::cli {
namespace {

using Args = std::vector<std::string>;

int Saved(CliContext& ctx, const AutoSwitchMap& map) {
  const auto path = AutoSwitchFilePath(ctx.app->DataFolder);
  return SaveAutoSwitchMap(map, path) ? kExitOk : ctx.Refuse("the map could not be written to " + path.string());
}

// CLASS<TAB>N, one a line (a class may hold spaces); with --json [{"class":C,"profile":N}].
int List(CliContext& ctx, const AutoSwitchMap& map, const Args& args) {
  if (args.size() != 1) return ctx.Usage("usage: autoswitch list");
  if (ctx.options.json) {
    ctx.out << "[";
    const char* sep = "";
    for (const auto& e : map.Entries()) {
      ctx.out << sep << "{\"class\":" << JsonString(e.WindowClass) << ",\"profile\":" << e.Profile << "}";
      sep = ",";
    }
    ctx.out << "]\n";
    return kExitOk;
  }
  for (const auto& e : map.Entries()) ctx.out << e.WindowClass << "\t" << e.Profile << "\n";
  return kExitOk;
}

int Add(CliContext& ctx, AutoSwitchMap& map, const Args& args) {
  if (args.size() != 3) return ctx.Usage("usage: autoswitch add CLASS N");
  const auto p = ParseProfileIndex(args[2]);
  if (!p) return ctx.Usage("profile must be 0 to 4, not \"" + args[2] + "\"");
  if (args[1].empty() || args[1].find_first_of("\r\n") != std::string::npos)
    return ctx.Usage("a window class is one non-empty line");
  // Only a profile with a tab can be switched to.
  const ConfigTable& config = ctx.app->Config;
  bool shown = false;
  for (int i = 0; i < config.ShownPositions(); ++i) shown = shown || config.GetProfileShowList(i) == *p;
  if (!shown) return ctx.Refuse("profile " + args[2] + " is not in the profile list; add it first");
  map.Set(args[1], *p);
  return Saved(ctx, map);
}

int Remove(CliContext& ctx, AutoSwitchMap& map, const Args& args) {
  if (args.size() != 2) return ctx.Usage("usage: autoswitch remove CLASS");
  if (!map.Remove(args[1])) return ctx.Refuse("no profile is set for the window class \"" + args[1] + "\"");
  return Saved(ctx, map);
}

int RunAutoSwitch(CliContext& ctx, const Args& args) {
  if (args.empty()) return ctx.Usage("usage: autoswitch list | add CLASS N | remove CLASS");
  AutoSwitchMap map = LoadAutoSwitchMap(AutoSwitchFilePath(ctx.app->DataFolder));
  if (args[0] == "list") return List(ctx, map, args);
  if (args[0] == "add") return Add(ctx, map, args);
  if (args[0] == "remove") return Remove(ctx, map, args);
  return ctx.Usage("usage: autoswitch list | add CLASS N | remove CLASS");
}

const CliCommandRegistrar kAutoSwitch{
    "autoswitch", "autoswitch list | add CLASS N | remove CLASS   profiles that follow the active application",
    &RunAutoSwitch};

}  // namespace
}  // namespace corvane::cli
