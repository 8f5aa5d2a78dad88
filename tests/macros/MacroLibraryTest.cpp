#include "macros/MacroLibrary.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/TextUtil.h"
#include "macros/MacroTreeRows.h"

namespace corvane {
namespace {

MacroLocation AddFolder(MacroLibrary& lib, std::u16string_view name, MacroLocation parent = {}) {
  EXPECT_EQ(lib.AddFolder(name, parent), MacroNodeChange::kDone) << std::string(name.begin(), name.end());
  return parent;
}

MacroLocation AddMacro(MacroLibrary& lib, std::u16string_view name, MacroLocation parent = {}) {
  EXPECT_EQ(lib.AddMacro(name, parent), MacroNodeChange::kDone) << std::string(name.begin(), name.end());
  return parent;
}

std::u16string Numbered(std::u16string_view prefix, int i) {
  std::u16string name(prefix);
  name += FormatDecimal(i);
  return name;
}

std::u16string NameAt(const MacroLibrary& lib, const MacroLocation& l) {
  const MacroNode* n = lib.NodeAt(l);
  return n ? n->MacroItemName : u"<outside>";
}

// Games/            top 0, folder
//   FPS/            (0,0) folder
//     Reload        (0,0,0)
//   Jump            (0,1)
// Solo              top 1
struct SmallTree : ::testing::Test {
  void SetUp() override {
    games = AddFolder(lib, u"Games");
    fps = AddFolder(lib, u"FPS", games);
    reload = AddMacro(lib, u"Reload", fps);
    jump = AddMacro(lib, u"Jump", games);
    solo = AddMacro(lib, u"Solo");
  }
  MacroLibrary lib;
  MacroLocation games, fps, reload, jump, solo;
};

TEST_F(SmallTree, BuildsWhereTheSelectionSays) {
  EXPECT_EQ(games, MacroLocation::Top(0));
  EXPECT_EQ(fps, MacroLocation::Child(0, 0));
  EXPECT_EQ(reload, MacroLocation::Grandchild(0, 0, 0));
  EXPECT_EQ(jump, MacroLocation::Child(0, 1));
  EXPECT_EQ(solo, MacroLocation::Top(1));
  EXPECT_EQ(lib.NodeAt(reload)->Item->MacroKeyIndex, 1u);
  EXPECT_EQ(lib.NodeAt(jump)->Item->MacroKeyIndex, 2u);
  EXPECT_EQ(lib.NodeAt(solo)->Item->MacroKeyIndex, 3u);
  EXPECT_EQ(lib.NextKeyIndex, 4);  // folders take no key index
  EXPECT_EQ(lib.NodeAt(games)->Item, nullptr);
  EXPECT_EQ(lib.NodeAt(games)->MacroItemFolderIsOpen, 0);
  EXPECT_EQ(lib.NodeAt(reload)->Item->MacroItemName, u"Reload");
}

TEST_F(SmallTree, NewNodePlacementFollowsTheSelection) {
  struct Case {
    const char* what;
    bool folder;
    std::u16string name;
    MacroLocation selection;
    int clash;
    MacroLocation after;  // the selection afterwards
  };
  const MacroLocation none;
  const std::vector<Case> cases = {
      {"macro, nothing selected: top level", false, u"New", none, 0, MacroLocation::Top(2)},
      {"macro into a top-level folder", false, u"New", games, 0, MacroLocation::Child(0, 2)},
      {"macro into a second-level folder", false, u"New", fps, 0, MacroLocation::Grandchild(0, 0, 1)},
      {"macro beside a macro in a folder goes to the top", false, u"New", jump, 0, MacroLocation::Top(2)},
      {"macro with a third-level macro selected", false, u"New", reload, 0, MacroLocation::Top(2)},
      {"macro with a top-level macro selected", false, u"New", solo, 0, MacroLocation::Top(2)},
      {"selection outside the tree counts as none", false, u"New", {5, 99, 0, 0}, 0, MacroLocation::Top(2)},
      {"folder into a top-level folder", true, u"New", games, 0, MacroLocation::Child(0, 2)},
      {"folder under a second-level folder adds nothing", true, u"New", fps, 0, fps},
      {"folder with a macro selected", true, u"New", jump, 0, MacroLocation::Top(2)},
      {"clash among the target's children", false, u"Jump", games, 1, games},
      {"clash at the top level", true, u"Games", none, 1, none},
      {"a clash counts only in the target group", false, u"Jump", none, 0, MacroLocation::Top(2)},
      {"names compare case-sensitively", false, u"games", none, 0, MacroLocation::Top(2)},
      {"clash with a second-level folder's child", false, u"Reload", fps, 1, fps},
  };
  for (const auto& c : cases) {
    lib = MacroLibrary{};  // a fresh tree per case
    SetUp();
    MacroLocation sel = c.selection;
    const int next = lib.NextKeyIndex;
    const int r = c.folder ? lib.NewFolder(c.name, sel) : lib.NewMacro(c.name, sel);
    EXPECT_EQ(r, c.clash) << c.what;
    EXPECT_EQ(sel, c.after) << c.what;
    const bool added = !(sel == c.selection);
    EXPECT_EQ(lib.NextKeyIndex, next + (added && !c.folder ? 1 : 0)) << c.what;
    if (added) {
      EXPECT_EQ(NameAt(lib, sel), c.name) << c.what;
      EXPECT_EQ(lib.NodeAt(sel)->MacroItemIsFolder, c.folder ? 1 : 0) << c.what;
    }
  }
}

TEST_F(SmallTree, NameTestsLookAtTheRightSiblingGroup) {
  EXPECT_TRUE(lib.NameExistsAmongSiblings(-1, 7, 7, u"Solo"));
  EXPECT_TRUE(lib.NameExistsAmongSiblings(0, 7, 7, u"Games"));
  EXPECT_TRUE(lib.NameExistsAmongSiblings(1, 0, 7, u"Jump"));
  EXPECT_FALSE(lib.NameExistsAmongSiblings(1, 1, 0, u"Jump"));
  EXPECT_TRUE(lib.NameExistsAmongSiblings(2, 0, 0, u"Reload"));
  EXPECT_FALSE(lib.NameExistsAmongSiblings(2, 0, 1, u"Reload"));
  EXPECT_FALSE(lib.NameExistsAmongSiblings(2, 60, 0, u"Reload"));  // outside the tree
  EXPECT_TRUE(lib.NameClashesForNew(games, u"FPS"));
  EXPECT_TRUE(lib.NameClashesForNew(jump, u"Solo"));
  EXPECT_FALSE(lib.NameClashesForNew(jump, u"FPS"));
}

TEST_F(SmallTree, RefusesNamesTheFileCannotHold) {
  MacroLocation sel;
  EXPECT_EQ(lib.AddMacro(u"", sel), MacroNodeChange::kBadName);
  EXPECT_EQ(lib.AddFolder(u"two\nlines", sel), MacroNodeChange::kBadName);
  EXPECT_EQ(lib.RenameNode(solo, u"a\nb"), MacroNodeChange::kBadName);
  EXPECT_EQ(sel, MacroLocation::None());
  EXPECT_EQ(NameAt(lib, MacroLocation::Top(2)), u"");
}

TEST_F(SmallTree, RenameKeepsSiblingNamesUnique) {
  EXPECT_EQ(lib.RenameNode(jump, u"FPS"), MacroNodeChange::kClash);
  EXPECT_EQ(lib.RenameNode(jump, u"Jump"), MacroNodeChange::kDone);
  EXPECT_EQ(lib.RenameNode(jump, u"Solo"), MacroNodeChange::kDone);  // Solo lives one level up
  EXPECT_EQ(NameAt(lib, jump), u"Solo");
  EXPECT_EQ(lib.NodeAt(jump)->Item->MacroItemName, u"Solo");
  EXPECT_EQ(lib.RenameNode(MacroLocation::Top(5), u"X"), MacroNodeChange::kNoNode);
}

TEST(MacroLibraryCapacity, FullGroupAddsNothingAndReportsNoClash) {
  MacroLibrary lib;
  MacroLocation folder = AddFolder(lib, u"F");
  for (int i = 1; i < 60; ++i) AddMacro(lib, Numbered(u"m", i));
  for (int i = 0; i < 60; ++i) AddMacro(lib, Numbered(u"c", i), folder);
  const int next = lib.NextKeyIndex;
  for (MacroLocation start : {MacroLocation::None(), folder}) {
    MacroLocation sel = start;
    EXPECT_EQ(lib.AddMacro(u"extra", sel), MacroNodeChange::kFull);
    EXPECT_EQ(lib.NewMacro(u"extra", sel), 0);
    EXPECT_EQ(lib.NewFolder(u"extra", sel), 0);
    EXPECT_EQ(sel, start);
  }
  EXPECT_EQ(lib.NextKeyIndex, next);
  MacroLocation sel;
  EXPECT_EQ(lib.NewMacro(u"F", sel), 1);  // the clash test still answers
}

// Three top-level folders, each with a sub-folder holding a macro and a macro beside it;
// the second folder is open, the third folder's sub-folder is open.
struct ThreeFolders : ::testing::Test {
  void SetUp() override {
    for (int i = 0; i < 3; ++i) {
      const std::u16string n(1, char16_t(u'A' + i));
      top[i] = AddFolder(lib, u"Folder" + n);
      sub[i] = AddFolder(lib, u"Sub" + n, top[i]);
      deep[i] = AddMacro(lib, u"Deep" + n, sub[i]);
      side[i] = AddMacro(lib, u"Side" + n, top[i]);
    }
    lib.NodeAt(top[1])->MacroItemFolderIsOpen = 1;
    lib.NodeAt(top[2])->MacroItemFolderIsOpen = 1;
    lib.NodeAt(sub[2])->MacroItemFolderIsOpen = 1;
  }
  MacroLibrary lib;
  MacroLocation top[3], sub[3], deep[3], side[3];
};

TEST_F(ThreeFolders, DeletingTheFirstMovesTheOthersWithEverythingBelowThem) {
  const MacroItem* deepB = lib.NodeAt(deep[1])->Item.get();
  const MacroItem* sideC = lib.NodeAt(side[2])->Item.get();
  EXPECT_EQ(RowOfLocation(lib, deep[2]), 6);

  ASSERT_TRUE(lib.DeleteNode(top[0]));

  EXPECT_EQ(NameAt(lib, MacroLocation::Top(0)), u"FolderB");
  EXPECT_EQ(NameAt(lib, MacroLocation::Top(1)), u"FolderC");
  EXPECT_FALSE(lib.Level0(2).IsUsed());
  EXPECT_EQ(NameAt(lib, MacroLocation::Child(0, 0)), u"SubB");
  EXPECT_EQ(NameAt(lib, MacroLocation::Child(0, 1)), u"SideB");
  EXPECT_EQ(NameAt(lib, MacroLocation::Grandchild(0, 0, 0)), u"DeepB");
  EXPECT_EQ(NameAt(lib, MacroLocation::Child(1, 0)), u"SubC");
  EXPECT_EQ(NameAt(lib, MacroLocation::Grandchild(1, 0, 0)), u"DeepC");
  EXPECT_FALSE(lib.Level1(2, 0).IsUsed());
  EXPECT_FALSE(lib.Level2(2, 0, 0).IsUsed());
  // Ownership moved with the slots; open states travelled along.
  EXPECT_EQ(lib.Level2(0, 0, 0).Item.get(), deepB);
  EXPECT_EQ(lib.Level1(1, 1).Item.get(), sideC);
  EXPECT_EQ(lib.Level0(0).MacroItemFolderIsOpen, 1);
  EXPECT_EQ(lib.Level0(1).MacroItemFolderIsOpen, 1);
  EXPECT_EQ(lib.Level1(1, 0).MacroItemFolderIsOpen, 1);
  EXPECT_EQ(lib.Level1(0, 0).MacroItemFolderIsOpen, 0);
  // Rows: B, SubB, SideB, C, SubC, DeepC, SideC.
  EXPECT_EQ(CountVisibleRows(lib), 7);
  EXPECT_EQ(RowOfLocation(lib, MacroLocation::Grandchild(1, 0, 0)), 5);
  EXPECT_EQ(LocationOfRow(lib, 6), MacroLocation::Child(1, 1));
}

TEST_F(ThreeFolders, DeletingASecondLevelNodeMovesLaterSiblingsWithTheirChildren) {
  MacroLocation extra = AddFolder(lib, u"Extra", top[0]);  // (0,2)
  AddMacro(lib, u"InExtra", extra);
  ASSERT_TRUE(lib.DeleteNode(sub[0]));
  EXPECT_EQ(NameAt(lib, MacroLocation::Child(0, 0)), u"SideA");
  EXPECT_EQ(NameAt(lib, MacroLocation::Child(0, 1)), u"Extra");
  EXPECT_EQ(NameAt(lib, MacroLocation::Grandchild(0, 1, 0)), u"InExtra");
  EXPECT_FALSE(lib.Level2(0, 0, 0).IsUsed());  // DeepA went with SubA
  EXPECT_FALSE(lib.Level1(0, 2).IsUsed());
  EXPECT_FALSE(lib.Level2(0, 2, 0).IsUsed());
  EXPECT_EQ(NameAt(lib, MacroLocation::Child(1, 0)), u"SubB");  // other folders untouched
}

TEST_F(ThreeFolders, DeletingAThirdLevelMacroPacksItsGroup) {
  AddMacro(lib, u"Deep2", sub[0]);
  AddMacro(lib, u"Deep3", sub[0]);
  ASSERT_TRUE(lib.DeleteNode(deep[0]));
  EXPECT_EQ(NameAt(lib, MacroLocation::Grandchild(0, 0, 0)), u"Deep2");
  EXPECT_EQ(NameAt(lib, MacroLocation::Grandchild(0, 0, 1)), u"Deep3");
  EXPECT_FALSE(lib.Level2(0, 0, 2).IsUsed());
}

TEST(MacroLibraryDelete, LastSlotOfAFullGroupKeepsTheMovedMacros) {
  MacroLibrary lib;
  std::vector<const MacroItem*> items;
  for (int i = 0; i < 60; ++i) {
    const MacroLocation l = AddMacro(lib, Numbered(u"m", i));
    items.push_back(lib.NodeAt(l)->Item.get());
  }
  ASSERT_TRUE(lib.DeleteNode(MacroLocation::Top(0)));
  for (int i = 0; i < 59; ++i) EXPECT_EQ(lib.Level0(i).Item.get(), items[static_cast<size_t>(i) + 1]);
  EXPECT_FALSE(lib.Level0(59).IsUsed());
  ASSERT_TRUE(lib.DeleteNode(MacroLocation::Top(58)));
  EXPECT_FALSE(lib.Level0(58).IsUsed());
  EXPECT_EQ(lib.Level0(57).Item.get(), items[58]);
  EXPECT_FALSE(lib.DeleteNode(MacroLocation::Top(60)));
  EXPECT_FALSE(lib.DeleteNode(MacroLocation::None()));
}

TEST_F(ThreeFolders, ContainsMacroKeyLooksBelowTheNode) {
  const std::uint32_t deepA = lib.NodeAt(deep[0])->Item->MacroKeyIndex;
  const std::uint32_t sideA = lib.NodeAt(side[0])->Item->MacroKeyIndex;
  struct Case {
    std::uint32_t key;
    MacroLocation at;
    bool contains;
  };
  const Case cases[] = {
      {deepA, deep[0], true},  {deepA, sub[0], true},   {deepA, top[0], true},  {sideA, top[0], true},
      {sideA, sub[0], false},  {deepA, top[1], false},  {deepA, side[0], false}, {deepA, MacroLocation::None(), false},
      {deepA, MacroLocation::Top(59), false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(lib.ContainsMacroKey(c.key, c.at), c.contains)
        << c.key << " at " << c.at.stage << "/" << c.at.stage0Index << "/" << c.at.stage1Index;
  }
}

TEST_F(ThreeFolders, RowsFollowOpenFolders) {
  // A, B, SubB, SideB, C, SubC, DeepC, SideC
  const std::vector<MacroLocation> rows = {top[0], top[1], sub[1], side[1], top[2], sub[2], deep[2], side[2]};
  ASSERT_EQ(CountVisibleRows(lib), 8);
  for (size_t r = 0; r < rows.size(); ++r) {
    EXPECT_EQ(LocationOfRow(lib, static_cast<int>(r)), rows[r]) << r;
    EXPECT_EQ(RowOfLocation(lib, rows[r]), static_cast<int>(r)) << r;
  }
  EXPECT_EQ(LocationOfRow(lib, 8), MacroLocation::None());
  EXPECT_EQ(LocationOfRow(lib, -1), MacroLocation::None());
  EXPECT_EQ(RowOfLocation(lib, deep[0]), -1);  // inside a closed folder
  EXPECT_EQ(RowOfLocation(lib, deep[1]), -1);  // inside a closed sub-folder of an open folder
  EXPECT_EQ(RowOfLocation(lib, MacroLocation::None()), -1);
  // A stored open flag on a macro shows nothing more.
  lib.NodeAt(side[1])->MacroItemFolderIsOpen = 1;
  EXPECT_EQ(CountVisibleRows(lib), 8);

  lib.CollapseAllFolders();
  EXPECT_EQ(CountVisibleRows(lib), 3);
  EXPECT_EQ(lib.NodeAt(sub[2])->MacroItemFolderIsOpen, 0);
}

TEST_F(ThreeFolders, ClearReleasesEverythingButKeepsTheKeyCounter) {
  const int next = lib.NextKeyIndex;
  lib.ClearLibrary();
  EXPECT_TRUE(lib.IsEmpty());
  EXPECT_EQ(lib.NextKeyIndex, next);
  EXPECT_EQ(CountVisibleRows(lib), 0);
  MacroLocation sel;
  EXPECT_EQ(lib.NewMacro(u"After", sel), 0);
  EXPECT_EQ(sel, MacroLocation::Top(0));
  EXPECT_EQ(lib.NodeAt(sel)->Item->MacroKeyIndex, static_cast<std::uint32_t>(next));
}

TEST(MacroLibraryEmpty, AnswersWithoutAllocating) {
  const MacroLibrary lib;
  EXPECT_TRUE(lib.IsEmpty());
  EXPECT_FALSE(lib.Level2(59, 59, 59).IsUsed());
  EXPECT_EQ(lib.NodeAt(MacroLocation::Grandchild(0, 0, 60)), nullptr);
  EXPECT_EQ(CountVisibleRows(lib), 0);
  EXPECT_FALSE(lib.ContainsMacroKey(1, MacroLocation::Top(0)));
}

TEST(MacroLibraryKeys, CounterWrapsInsteadOfOverflowing) {
  MacroLibrary lib;
  lib.NextKeyIndex = 2147483647;
  const MacroLocation a = AddMacro(lib, u"a");
  EXPECT_EQ(lib.NodeAt(a)->Item->MacroKeyIndex, 2147483647u);
  EXPECT_EQ(lib.NextKeyIndex, -2147483647 - 1);
}

// Key 0 means "no macro" to a button: past the largest key the counter stops instead of
// handing out 0, 1, ... again, which would give new macros the identities of old ones.
TEST(MacroLibraryKeys, TheLastKeyIsGivenOnceThenNewMacrosAreRefused) {
  MacroLibrary lib;
  lib.NextKeyIndex = static_cast<int>(4294967294u);
  const MacroLocation a = AddMacro(lib, u"a");
  const MacroLocation b = AddMacro(lib, u"b");
  EXPECT_EQ(lib.NodeAt(a)->Item->MacroKeyIndex, 4294967294u);
  EXPECT_EQ(lib.NodeAt(b)->Item->MacroKeyIndex, 4294967295u);
  EXPECT_EQ(lib.NextKeyIndex, 0);

  MacroLocation sel;
  EXPECT_EQ(lib.AddMacro(u"c", sel), MacroNodeChange::kNoKeyLeft);
  EXPECT_EQ(sel, MacroLocation{});
  EXPECT_FALSE(lib.Level0(2).IsUsed());
  EXPECT_EQ(lib.NewMacro(u"c", sel), 0);
  EXPECT_FALSE(lib.Level0(2).IsUsed());
  // Folders take no key.
  EXPECT_EQ(lib.AddFolder(u"F", sel), MacroNodeChange::kDone);
  EXPECT_EQ(lib.NextKeyIndex, 0);
}

}  // namespace
}  // namespace corvane
