#include "macros/MacroImport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "base/TextUtil.h"
#include "macros/MacroExport.h"
#include "macros/MacroLibraryFile.h"

namespace corvane {
namespace {

namespace fs = std::filesystem;

MacroLocation Add(MacroLibrary& lib, bool folder, std::u16string_view name, MacroLocation parent = {}) {
  const auto r = folder ? lib.AddFolder(name, parent) : lib.AddMacro(name, parent);
  EXPECT_EQ(r, MacroNodeChange::kDone) << Utf8(name);
  return parent;
}

// Paths of every used node in file order, folders with a trailing "/".
std::vector<std::string> Paths(const MacroLibrary& lib) {
  std::vector<std::string> out;
  lib.ForEachUsedNode([&](const MacroLocation& at, const MacroNode& n) {
    std::string p;
    if (at.stage >= 1) p += Utf8(lib.Level0(at.stage0Index).MacroItemName) + "/";
    if (at.stage == 2) p += Utf8(lib.Level1(at.stage0Index, at.stage1Index).MacroItemName) + "/";
    out.push_back(p + Utf8(n.MacroItemName) + (n.IsFolder() ? "/" : ""));
  });
  return out;
}

// The exporting side:
//   Games/ (0)  with Sub/ (0,0) holding Deep (0,0,0), Deep2 (0,0,1); Jump (0,1)
//   Solo (1), Other (2)
struct Source {
  Source() {
    games = Add(lib, true, u"Games");
    sub = Add(lib, true, u"Sub", games);
    deep = Add(lib, false, u"Deep", sub);
    Add(lib, false, u"Deep2", sub);
    jump = Add(lib, false, u"Jump", games);
    solo = Add(lib, false, u"Solo");
    Add(lib, false, u"Other");
    MacroItem& s = *lib.NodeAt(solo)->Item;
    s.InsertAction(0, MakeKeyStep(0x41, false));
    s.InsertAction(1, MakeDelayStep(20));
    s.InsertAction(2, MakeKeyStep(0x41, true));
    s.MacroCommandActionNum = 2;
    s.MacroKeyLoopType = 4;
    s.MacroKeyLoopNum = 9;
    s.SetAction(200, MakeDelayStep(77));  // beyond the count, copied all the same
  }
  MacroLibrary lib;
  MacroLocation games, sub, deep, jump, solo;
};

// The importing side: folder Home/ (0) with Inner/ (0,0); macro Mine (1); key counter at 50.
struct Destination {
  Destination() {
    lib.NextKeyIndex = 50;
    home = Add(lib, true, u"Home");
    inner = Add(lib, true, u"Inner", home);
    mine = Add(lib, false, u"Mine");
  }
  MacroLibrary lib;
  MacroLocation home, inner, mine;
};

TEST(MacroExport, DefaultNamesAndWhatIsWritten) {
  Source src;
  EXPECT_EQ(DefaultLibraryExportName(src.lib), u"AllMacroKey.mbf");
  EXPECT_EQ(DefaultMacroExportName(src.lib), u"");
  src.lib.CurrentMacroLocation = src.games;
  EXPECT_EQ(DefaultLibraryExportName(src.lib), u"Games.mbf");
  EXPECT_EQ(DefaultMacroExportName(src.lib), u"");
  const fs::path file = fs::path(::testing::TempDir()) / "export.mkf";
  EXPECT_FALSE(ExportMacro(src.lib, file));  // a folder is not a macro
  src.lib.CurrentMacroLocation = src.solo;
  EXPECT_EQ(DefaultMacroExportName(src.lib), u"Solo.mkf");
  ASSERT_TRUE(ExportMacro(src.lib, file));
  MacroLibrary back;
  MacroLocation sel;
  ASSERT_TRUE(LoadMacroLibrary(file, back, sel));
  EXPECT_EQ(sel, src.solo);  // the whole library, naming the exported macro
  EXPECT_EQ(Paths(back), Paths(src.lib));
  fs::remove(file);
}

TEST(MacroImport, MacroLandsWhereTheSelectionSays) {
  struct Case {
    const char* what;
    MacroLocation (*selection)(const Destination&);
    MacroLocation placed;
  };
  const Case cases[] = {
      {"nothing selected", [](const Destination&) { return MacroLocation::None(); }, MacroLocation::Top(2)},
      {"top-level folder", [](const Destination& d) { return d.home; }, MacroLocation::Child(0, 1)},
      {"second-level folder", [](const Destination& d) { return d.inner; }, MacroLocation::Grandchild(0, 0, 0)},
      {"a macro selected", [](const Destination& d) { return d.mine; }, MacroLocation::Top(2)},
  };
  Source src;
  for (const auto& c : cases) {
    Destination dst;
    const MacroLocation d = c.selection(dst);
    dst.lib.CurrentMacroLocation = d;
    const MacroImportResult r = ImportMacroFrom(dst.lib, src.lib, src.solo);
    ASSERT_EQ(r.status, MacroImportStatus::kImported) << c.what;
    EXPECT_EQ(r.created, std::vector<MacroLocation>{c.placed}) << c.what;
    EXPECT_EQ(dst.lib.CurrentMacroLocation, c.placed) << c.what;
    const MacroNode* selected = dst.lib.NodeAt(d);
    if (selected && selected->IsFolder()) {
      EXPECT_EQ(selected->MacroItemFolderIsOpen, 1) << c.what;
    }
    const MacroItem& got = *dst.lib.NodeAt(c.placed)->Item;
    const MacroItem& from = *src.lib.NodeAt(src.solo)->Item;
    EXPECT_EQ(got.MacroItemName, u"Solo");
    EXPECT_EQ(got.MacroKeyIndex, 50u + 1u) << "a fresh identity, not the exported " << from.MacroKeyIndex;
    EXPECT_EQ(dst.lib.NextKeyIndex, 52);
    EXPECT_THAT(got.Steps(), ::testing::ElementsAreArray(from.Steps()));
    EXPECT_EQ(got.MacroActionNum, 3u);
    EXPECT_EQ(got.MacroCommandActionNum, 2);
    EXPECT_EQ(got.MacroKeyLoopType, 4);
    EXPECT_EQ(got.MacroKeyLoopNum, 9);
  }
}

TEST(MacroImport, MacroRefusals) {
  Source src;
  Destination dst;
  MacroLocation clash;
  Add(dst.lib, false, u"Solo", clash);
  const auto before = MacroLibraryText(dst.lib, MacroLocation::None());
  EXPECT_EQ(ImportMacroFrom(dst.lib, src.lib, src.solo).status, MacroImportStatus::kClash);
  EXPECT_EQ(MacroLibraryText(dst.lib, MacroLocation::None()), before);
  // The file's selection names no node.
  for (const MacroLocation& none : {MacroLocation::None(), MacroLocation::Top(40), MacroLocation{7, 0, 0, 0},
                                    MacroLocation::Grandchild(0, 0, 60)}) {
    EXPECT_EQ(ImportMacroFrom(dst.lib, src.lib, none).status, MacroImportStatus::kNoSource);
  }
  EXPECT_EQ(MacroLibraryText(dst.lib, MacroLocation::None()), before);
  // A folder named by a macro file gives an empty macro of that name.
  const MacroImportResult r = ImportMacroFrom(dst.lib, src.lib, src.sub);
  ASSERT_EQ(r.status, MacroImportStatus::kImported);
  EXPECT_EQ(dst.lib.NodeAt(r.created[0])->Item->MacroActionNum, 0u);
  // A full destination group takes nothing.
  MacroLibrary full;
  for (int i = 0; i < 60; ++i) Add(full, false, u"m" + FormatDecimal(i));
  EXPECT_EQ(ImportMacroFrom(full, src.lib, src.solo).status, MacroImportStatus::kFull);
  EXPECT_EQ(full.CurrentMacroLocation, MacroLocation::None());
}

TEST(MacroImport, LibraryIntoNothingSelectedCopiesWholeSubtreesToTheTop) {
  Source src;
  Destination dst;
  const MacroImportResult r = ImportLibraryFrom(dst.lib, src.lib, MacroLocation::None());
  ASSERT_EQ(r.status, MacroImportStatus::kImported);
  EXPECT_EQ(Paths(dst.lib), (std::vector<std::string>{"Home/", "Mine", "Games/", "Solo", "Other", "Home/Inner/",
                                                      "Games/Sub/", "Games/Jump", "Games/Sub/Deep", "Games/Sub/Deep2"}));
  EXPECT_EQ(r.created.size(), 7u);
  EXPECT_EQ(dst.lib.CurrentMacroLocation, MacroLocation::Top(4));  // the last node created: Other
  EXPECT_EQ(dst.lib.NodeAt(MacroLocation::Top(3))->Item->MacroKeyLoopNum, 9);
  // Every imported macro has a fresh identity from the destination's counter.
  std::vector<std::uint32_t> keys;
  dst.lib.ForEachUsedNode([&](const MacroLocation&, const MacroNode& n) {
    if (n.Item) keys.push_back(n.Item->MacroKeyIndex);
  });
  EXPECT_EQ(keys, (std::vector<std::uint32_t>{50, 54, 55, 53, 51, 52}));

  // The same library again: every top-level name clashes, nothing changes.
  const auto before = MacroLibraryText(dst.lib, MacroLocation::None());
  dst.lib.CurrentMacroLocation = MacroLocation::None();
  EXPECT_EQ(ImportLibraryFrom(dst.lib, src.lib, MacroLocation::None()).status, MacroImportStatus::kClash);
  EXPECT_EQ(MacroLibraryText(dst.lib, MacroLocation::None()), before);
}

TEST(MacroImport, LibrarySourcesFollowTheFilesSelection) {
  struct Case {
    const char* what;
    MacroLocation fileSelection;
    std::vector<std::string> added;  // into a destination with nothing selected
  };
  const std::vector<Case> cases = {
      {"top-level folder: that folder alone", MacroLocation::Top(0),
       {"Games/", "Games/Sub/", "Games/Jump", "Games/Sub/Deep", "Games/Sub/Deep2"}},
      {"top-level macro: the top level from there", MacroLocation::Top(1), {"Solo", "Other"}},
      {"free top-level slot: nothing", MacroLocation::Top(3), {}},
      {"second-level folder alone becomes a top-level folder", MacroLocation::Child(0, 0),
       {"Sub/", "Sub/Deep", "Sub/Deep2"}},
      {"second-level macro: its group from there", MacroLocation::Child(0, 1), {"Jump"}},
      {"third level: the group from there", MacroLocation::Grandchild(0, 0, 1), {"Deep2"}},
      {"outside the tree: nothing", MacroLocation{1, 0, 60, 0}, {}},
  };
  Source src;
  for (const auto& c : cases) {
    MacroLibrary dst;
    const MacroImportResult r = ImportLibraryFrom(dst, src.lib, c.fileSelection);
    EXPECT_EQ(Paths(dst), c.added) << c.what;
    EXPECT_EQ(r.status, c.added.empty() ? MacroImportStatus::kNoSource : MacroImportStatus::kImported) << c.what;
  }
}

TEST(MacroImport, LibraryIntoAFolder) {
  Source src;
  {
    // Into a top-level folder: macros become children, a folder becomes a second-level
    // folder with the macros directly inside it (its own sub-folders stay behind).
    Destination dst;
    dst.lib.CurrentMacroLocation = dst.home;
    ASSERT_EQ(ImportLibraryFrom(dst.lib, src.lib, MacroLocation::None()).status, MacroImportStatus::kImported);
    EXPECT_EQ(Paths(dst.lib), (std::vector<std::string>{"Home/", "Mine", "Home/Inner/", "Home/Games/", "Home/Solo",
                                                        "Home/Other", "Home/Games/Jump"}));
    EXPECT_EQ(dst.lib.NodeAt(dst.home)->MacroItemFolderIsOpen, 1);
    EXPECT_EQ(dst.lib.CurrentMacroLocation, MacroLocation::Child(0, 3));
  }
  {
    // A file naming a folder, into a folder: that folder alone, as the clash test saw it.
    Destination dst;
    dst.lib.CurrentMacroLocation = dst.home;
    ASSERT_EQ(ImportLibraryFrom(dst.lib, src.lib, src.games).status, MacroImportStatus::kImported);
    EXPECT_EQ(Paths(dst.lib), (std::vector<std::string>{"Home/", "Mine", "Home/Inner/", "Home/Games/", "Home/Games/Jump"}));
  }
  {
    // Into a second-level folder: macros only; folders have no room there.
    Destination dst;
    dst.lib.CurrentMacroLocation = dst.inner;
    ASSERT_EQ(ImportLibraryFrom(dst.lib, src.lib, MacroLocation::None()).status, MacroImportStatus::kImported);
    EXPECT_EQ(Paths(dst.lib), (std::vector<std::string>{"Home/", "Mine", "Home/Inner/", "Home/Inner/Solo",
                                                        "Home/Inner/Other"}));
    Destination only;
    only.lib.CurrentMacroLocation = only.inner;
    const auto before = MacroLibraryText(only.lib, MacroLocation::None());
    EXPECT_EQ(ImportLibraryFrom(only.lib, src.lib, src.games).status, MacroImportStatus::kNothingFits);
    EXPECT_EQ(only.lib.CurrentMacroLocation, only.inner);
  }
}

TEST(MacroImport, OneClashStopsTheWholeLibraryBeforeAnyCopy) {
  Source src;
  Destination dst;
  Add(dst.lib, true, u"Other");  // clashes with the last top-level source only
  const auto before = MacroLibraryText(dst.lib, MacroLocation::None());
  EXPECT_EQ(ImportLibraryFrom(dst.lib, src.lib, MacroLocation::None()).status, MacroImportStatus::kClash);
  EXPECT_EQ(MacroLibraryText(dst.lib, MacroLocation::None()), before);
  // A folder's children are tested only inside the new folder, not against the destination.
  Destination dst2;
  Add(dst2.lib, false, u"Jump");
  EXPECT_EQ(ImportLibraryFrom(dst2.lib, src.lib, src.games).status, MacroImportStatus::kImported);
}

TEST(MacroImport, ThroughFilesTheLibraryImportsWhatTheExportWrote) {
  Source src;
  const fs::path file = fs::path(::testing::TempDir()) / "lib.mbf";
  src.lib.CurrentMacroLocation = src.sub;
  ASSERT_TRUE(ExportMacroLibrary(src.lib, file));
  Destination dst;
  const MacroImportResult r = ImportMacroLibrary(dst.lib, file);
  ASSERT_EQ(r.status, MacroImportStatus::kImported);
  EXPECT_EQ(dst.lib.SavedMacroLocation, src.sub);
  EXPECT_EQ(Paths(dst.lib), (std::vector<std::string>{"Home/", "Mine", "Sub/", "Home/Inner/", "Sub/Deep", "Sub/Deep2"}));

  src.lib.CurrentMacroLocation = src.solo;
  ASSERT_TRUE(ExportMacro(src.lib, file));
  EXPECT_EQ(ImportMacro(dst.lib, file).status, MacroImportStatus::kImported);
  EXPECT_EQ(dst.lib.SavedMacroLocation, src.solo);
  EXPECT_EQ(ImportMacro(dst.lib, file).status, MacroImportStatus::kClash);
  fs::remove(file);
  EXPECT_EQ(ImportMacro(dst.lib, file).status, MacroImportStatus::kNoSource);
  EXPECT_EQ(ImportMacroLibrary(dst.lib, file).status, MacroImportStatus::kNoSource);
  EXPECT_EQ(dst.lib.SavedMacroLocation, MacroLocation::None());
}

}  // namespace
}  // namespace corvane
