#pragma once
// profile import: what the imported profile's buttons would start is listed, and kept
// only with --allow-launch, so a shared profile file cannot start programs unasked.
#include <string>
#include <vector>

#include "cli/Cli.h"

namespace corvane {
struct ProfileRecord;
}

namespace corvane::cli {

constexpr char kAllowLaunchFlag[] = "--allow-launch";

// Removes the flag from args; true when it was there.
bool TakeAllowLaunchFlag(std::vector<std::string>& args);

// Prints each target as "launch.B=TARGET" (B = button 0..6); unless allowed, clears them
// and says so on stderr.
void ReviewLaunchTargets(CliContext& ctx, ProfileRecord& record, bool allowLaunch);

}  // namespace corvane::cli
