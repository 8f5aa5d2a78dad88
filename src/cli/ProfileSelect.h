#pragma once
// corvanectl profile select N: a profile tab's click: profile N becomes current and the
// mouse takes it.
#include <string>
#include <vector>

#include "cli/Cli.h"

namespace corvane::cli {

int RunProfileSelect(CliContext& ctx, const std::vector<std::string>& args);

}  // namespace corvane::cli
