#pragma once
// corvanectl firmware update: the subcommand beside "firmware info".
#include <string>
#include <vector>

#include "cli/Cli.h"

namespace corvane::cli {

int RunFirmwareUpdate(CliContext& ctx, const std::vector<std::string>& args);

}  // namespace corvane::cli
