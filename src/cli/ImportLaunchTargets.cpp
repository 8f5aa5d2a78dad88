#include "cli/ImportLaunchTargets.h"

#include <algorithm>
#include <ostream>

#include "cli/KeyValueOutput.h"
#include "settings/LaunchTargets.h"
#include "settings/ProfileTable.h"

namespace corvane::cli {

bool TakeAllowLaunchFlag(std::vector<std::string>& args) {
  const auto it = std::find(args.begin(), args.end(), kAllowLaunchFlag);
  if (it == args.end()) return false;
  args.erase(it);
  return true;
}

void ReviewLaunchTargets(CliContext& ctx, ProfileRecord& record, bool allowLaunch) {
  const std::vector<LaunchTarget> targets = LaunchTargetsOf(record);
  if (targets.empty()) return;
  KeyValueOutput out;
  for (const LaunchTarget& t : targets) out.Text("launch." + std::to_string(t.Button), t.Target);
  out.Print(ctx.out, ctx.options.json);
  if (allowLaunch) return;
  ClearLaunchTargets(record);
  ctx.err << "corvanectl: the imported buttons start nothing; give " << kAllowLaunchFlag
          << " to keep what they start\n";
}

}  // namespace corvane::cli
