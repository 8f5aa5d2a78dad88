#include "settings/StartupLoad.h"

#include <system_error>

#include "lang/LanguageFiles.h"
#include "lang/LoadLanguage.h"
#include "macros/MacroLibraryFile.h"
#include "settings/ConfigTable.h"
#include "settings/DataFolder.h"
#include "settings/SensorTables.h"

namespace corvane {

void RunStartupLoad(AppContext& ctx) {
  // A folder that cannot be made is no reason to stop: reads then fall back to
  // defaults and writes fail quietly.
  EnsureDataFolder(ctx.DataFolder);
  InstallLanguageFiles(ctx.DataFolder);
  LoadLanguage(ctx);
  LoadMacroLibraryFile(ctx);
  LoadConfig(ctx);
  BuildDpiStepTables(ctx.Dpi);
}

std::filesystem::path ExecutableFolder() {
  std::error_code ec;
  const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  return ec ? std::filesystem::current_path(ec) : exe.parent_path();
}

}  // namespace corvane
