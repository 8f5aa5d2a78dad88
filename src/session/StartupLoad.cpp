#include "session/StartupLoad.h"

#include "base/DataFolder.h"
#include "base/TextUtil.h"
#include "base/UnicodeTextFile.h"
#include "lang/LanguageFiles.h"
#include "lang/LoadLanguage.h"
#include "macros/MacroLibraryFile.h"
#include "settings/ConfigTable.h"
#include "settings/SensorTables.h"

namespace corvane {

UiFont RunStartupLoad(AppContext& ctx, float skinScale) {
  // A folder that cannot be made is no reason to stop: reads then fall back to
  // defaults and writes fail, but the user hears of it now rather than at a save.
  if (std::string problem; !EnsureDataFolder(ctx.DataFolder, &problem))
    ctx.FileNotices.push_back(problem + std::string(kDataFolderUnusable));
  // What a save killed half-way left behind (the file it was replacing is intact).
  const std::filesystem::path configFolder = ctx.DataFolder / "config";
  RemoveLeftoverTempFiles(configFolder);
  InstallLanguageFiles(ctx.DataFolder);
  // The font is chosen from the language below (InterfaceFont), at whatever scale.
  UiFont unscaled;
  ctx.LanguageComplete = LoadLanguage(ctx.DataFolder, ctx.Language, unscaled, 1.0f) == 1;
  LoadMacroLibraryFile(ctx.DataFolder, ctx.Macros, &ctx.FileNotices);
  LoadConfig(ctx, ctx.Language);
  // Profile files kept elsewhere leave their temporary files there.
  for (int p = 0; p < kProfileCount; ++p) {
    const std::filesystem::path slot = ProfileSlotPath(ctx, p);
    if (slot.empty()) continue;
    const std::filesystem::path target = ResolveFileLinks(slot);
    RemoveLeftoverTempFiles(target.parent_path(), target.filename().string());
  }
  BuildDpiStepTables(ctx.Dpi);
  return InterfaceFont(ctx, skinScale);
}

UiFont InterfaceFont(const AppContext& ctx, float skinScale) {
  return ctx.LanguageComplete ? UiFontFor(ctx.Language, skinScale) : UiFont{};
}

std::u16string FileNoticesSummary(const std::vector<std::string>& notices) {
  std::string names;
  std::string folder;  // the data folder's own trouble, said as it is
  for (const std::string& notice : notices) {
    if (notice.ends_with(kDataFolderUnusable)) {
      folder += (folder.empty() ? "" : "\n") + notice;
      continue;
    }
    const std::string file = std::filesystem::path(notice.substr(0, notice.find(": "))).filename().string();
    if (names.find(file) != std::string::npos) continue;
    names += (names.empty() ? "" : ", ") + file;
  }
  if (names.empty()) return U16(folder);
  return U16((folder.empty() ? "" : folder + "\n") + "Damaged files kept aside as *.damaged-*: " + names);
}

}  // namespace corvane
