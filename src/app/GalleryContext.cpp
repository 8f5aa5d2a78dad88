#include "app/GalleryContext.h"

#include <system_error>

#include "base/DataFolder.h"
#include "base/UnicodeTextFile.h"
#include "macros/MacroLibrary.h"
#include "session/StartupLoad.h"

namespace corvane {

namespace {

void FillSampleLibrary(MacroLibrary& lib) {
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

std::unique_ptr<GalleryContext> MakeGalleryContext(const std::filesystem::path& root, const std::string& language,
                                                   float scale) {
  auto ctx = std::make_unique<GalleryContext>();
  AppContext& app = ctx->App;
  app.DataFolder = root / language;
  ctx->Gui.ExeFolder = ProgramResourceFolder();
  ctx->Gui.SkinScale = scale;
  std::error_code ec;
  std::filesystem::create_directories(app.DataFolder / "config", ec);
  UnicodeTextWriter setting;
  setting.WriteLine(u"[ChangeLanguage]");
  setting.WriteLine(language == "en" ? u"Language=EN" : u"Language=CN");
  setting.Commit(app.DataFolder / "config" / "LanSetting.ini");
  ctx->Gui.Font = RunStartupLoad(app, scale);
  FillSampleLibrary(app.Macros);
  return ctx;
}

}  // namespace corvane
