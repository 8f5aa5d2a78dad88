#include "session/StartupLoad.h"

#include "base/DataFolder.h"
#include "lang/LanguageFiles.h"
#include "lang/LoadLanguage.h"
#include "macros/MacroLibraryFile.h"
#include "settings/ConfigTable.h"
#include "settings/SensorTables.h"

namespace corvane {

UiFont RunStartupLoad(AppContext& ctx, float skinScale) {
  UiFont font;
  // A folder that cannot be made is no reason to stop: reads then fall back to
  // defaults and writes fail quietly.
  EnsureDataFolder(ctx.DataFolder);
  InstallLanguageFiles(ctx.DataFolder);
  LoadLanguage(ctx.DataFolder, ctx.Language, font, skinScale);
  LoadMacroLibraryFile(ctx.DataFolder, ctx.Macros);
  LoadConfig(ctx, ctx.Language);
  BuildDpiStepTables(ctx.Dpi);
  return font;
}

}  // namespace corvane
