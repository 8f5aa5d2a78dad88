#include <system_error>

#include "app/Gallery.h"
#include "macros/MacroLibrary.h"
#include "session/AppContext.h"
#include "session/StartupLoad.h"
#include "base/UnicodeTextFile.h"

namespace corvane {

namespace {

void FillSampleLibrary(AppContext& ctx) {
  MacroLibrary& lib = ctx.Macros;
  MacroLocation sel = MacroLocation::None();
  lib.AddFolder(u"Games", sel);
  const MacroLocation games = sel;
  lib.AddMacro(u"Quick build", sel);
  sel = games;
  lib.AddMacro(u"Reload", sel);
  sel = MacroLocation::None();
  lib.AddFolder(u"Office", sel);
  sel = MacroLocation::None();
  lib.AddMacro(u"Signature", sel);
  if (MacroNode* n = lib.NodeAt(games)) n->MacroItemFolderIsOpen = 1;
  lib.CurrentMacroLocation = MacroLocation::Child(games.stage0Index, 0);
}

}  // namespace

std::unique_ptr<AppContext> MakeGalleryContext(const std::filesystem::path& root, const std::string& language,
                                               float scale) {
  auto ctx = std::make_unique<AppContext>();
  ctx->DataFolder = root / language;
  ctx->ExeFolder = ExecutableFolder();
  ctx->SkinScale = scale;
  std::error_code ec;
  std::filesystem::create_directories(ctx->DataFolder / "config", ec);
  UnicodeTextWriter setting;
  setting.WriteLine(u"[ChangeLanguage]");
  setting.WriteLine(language == "en" ? u"Language=EN" : u"Language=CN");
  setting.Commit(ctx->DataFolder / "config" / "LanSetting.ini");
  RunStartupLoad(*ctx);
  FillSampleLibrary(*ctx);
  return ctx;
}

}  // namespace corvane
