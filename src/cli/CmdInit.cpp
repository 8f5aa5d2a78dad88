// corvanectl init: the start-up load only (it already ran before the command).
#include "cli/Cli.h"

namespace corvane::cli {
namespace {

int RunInit(CliContext&, const std::vector<std::string>& args) {
  return args.empty() ? kExitOk : kExitUsage;
}

const CliCommandRegistrar kInit{"init", "init                        create or load the data folder and exit", &RunInit};

}  // namespace
}  // namespace corvane::cli
