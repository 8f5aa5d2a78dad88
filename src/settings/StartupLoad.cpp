#include "settings/StartupLoad.h"

#include <system_error>

#include "settings/DataFolder.h"

namespace corvane {

void RunStartupLoad(AppContext& ctx) {
  EnsureDataFolder(ctx.DataFolder);
}

std::filesystem::path ExecutableFolder() {
  std::error_code ec;
  const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  return ec ? std::filesystem::current_path(ec) : exe.parent_path();
}

}  // namespace corvane
