// The window's load begun on a thread before the window system is up: it hands the window
// what the window's own load would have read (settings, library, notices, the font at the
// screen's scale) and the stamp of the files as read, and it waits for a change another
// program is making under the data folder's lock.
#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "base/DataFolderLock.h"
#include "macros/MacroLibraryFile.h"
#include "session/AppContext.h"
#include "session/ConfigSave.h"
#include "session/StartupLoad.h"
#include "session/StartupLoadAhead.h"
#include "session/StoredFilesGuard.h"
#include "support/TempDataFolder.h"

namespace corvane {
namespace {

using testing::TempDataFolder;

// Profile 1 renamed and two macros in the library, saved as the window saves them.
void PutUserData(const std::filesystem::path& folder, std::u16string_view profileName) {
  auto ctx = std::make_unique<AppContext>();
  ctx->DataFolder = folder;
  RunStartupLoad(*ctx);
  ctx->Profiles[1].SetProfileName(std::u16string(profileName));
  if (ctx->Macros.NodeAt(MacroLocation::Top(0)) == nullptr || !ctx->Macros.NodeAt(MacroLocation::Top(0))->IsMacro()) {
    ctx->Macros.PlaceMacro(MacroLocation::Top(0), std::make_unique<MacroItem>(u"First"));
    ctx->Macros.PlaceMacro(MacroLocation::Top(1), std::make_unique<MacroItem>(u"Second"));
  }
  ASSERT_TRUE(SaveProfilesThenConfig(*ctx));
  ASSERT_TRUE(SaveMacroLibraryFile(ctx->DataFolder, ctx->Macros));
}

std::u16string MacroName(const AppContext& ctx, int slot) {
  const MacroNode* node = ctx.Macros.NodeAt(MacroLocation::Top(slot));
  return node ? node->MacroItemName : std::u16string();
}

TEST(StartupLoadAhead, HandsTheWindowWhatItsOwnLoadReads) {
  struct Case {
    const char* what;
    std::function<void(const TempDataFolder&)> put;  // the same data into each copy
    bool languageComplete;
  };
  const Case cases[] = {
      {"a folder not made yet", [](const TempDataFolder&) {}, true},
      {"the user's settings and library", [](const TempDataFolder& f) { PutUserData(f.Path("data"), u"Mine"); },
       true},
      {"a damaged profile and a language file cut short",
       [](const TempDataFolder& f) {
         PutUserData(f.Path("data"), u"Mine");
         f.PutBytes("data/config/default3.psf", std::string("\xFF\xFE[", 3));
         f.PutText("data/config/LanSetting.ini", u"[ChangeLanguage]\nLanguage=EN\n");
         f.PutText("data/config/Lan_EN.txt", u"[Setting]\n85=Cut\n\n86=never read\n");
       },
       false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TempDataFolder ahead, direct;
    c.put(ahead);
    c.put(direct);

    auto viaThread = std::make_unique<AppContext>();
    StoredFilesStamp stamp;
    {
      StartupLoadAhead load(ahead.Path("data"));
      stamp = load.Take(*viaThread);
    }
    auto own = std::make_unique<AppContext>();
    own->DataFolder = direct.Path("data");
    const UiFont ownFont = RunStartupLoad(*own, 1.5f);

    EXPECT_EQ(viaThread->DataFolder, ahead.Path("data"));
    EXPECT_EQ(viaThread->LanguageComplete, c.languageComplete);
    const UiFont font = InterfaceFont(*viaThread, 1.5f);
    EXPECT_EQ(font.UiFontFace, ownFont.UiFontFace);
    EXPECT_EQ(font.UiFontHeight, ownFont.UiFontHeight);
    EXPECT_EQ(font.UiFontCharset, ownFont.UiFontCharset);
    EXPECT_EQ(viaThread->Language.Text(85), own->Language.Text(85));
    for (int p = 0; p < kProfileCount; ++p) EXPECT_EQ(viaThread->Profiles[p].ProfileName(), own->Profiles[p].ProfileName());
    EXPECT_EQ(MacroName(*viaThread, 0), MacroName(*own, 0));
    EXPECT_EQ(MacroName(*viaThread, 1), MacroName(*own, 1));
    EXPECT_EQ(viaThread->FileNotices.size(), own->FileNotices.size());
    // The stamp names the files as the load left them: nothing changed since.
    EXPECT_EQ(stamp, TakeStoredFilesStamp(*viaThread));
  }
}

TEST(StartupLoadAhead, WaitsForAChangeAnotherProgramIsMaking) {
  TempDataFolder folder;
  PutUserData(folder.Root(), u"Before");
  std::optional<StartupLoadAhead> load;
  {
    // corvanectl holds the lock for a change of several files; the start comes meanwhile.
    const DataFolderLock other(folder.Root(), std::chrono::seconds(1));
    ASSERT_TRUE(other.Held());
    load.emplace(folder.Root());
    PutUserData(folder.Root(), u"After");
  }
  AppContext ctx;
  const StoredFilesStamp stamp = load->Take(ctx);
  EXPECT_EQ(ctx.Profiles[1].ProfileName(), u"After");
  EXPECT_EQ(stamp, TakeStoredFilesStamp(ctx));
}

}  // namespace
}  // namespace corvane
