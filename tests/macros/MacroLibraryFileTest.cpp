#include "macros/MacroLibraryFile.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "base/TextUtil.h"
#include "base/UnicodeTextFile.h"

namespace corvane {
namespace {

namespace fs = std::filesystem;

const std::u16string kZeroSteps(8, u'0');

// 250 steps: the given ones, then zeros.
std::u16string AllAction(const std::u16string& used) {
  std::u16string out = used;
  while (out.size() < 2000) out += kZeroSteps;
  return out;
}

std::u16string Join(const std::vector<std::u16string>& lines) {
  std::u16string out;
  for (const auto& l : lines) out += l + u"\n";
  return out;
}

std::string Bytes(const std::u16string& text) {
  UnicodeTextWriter w;
  w.Write(text);
  return w.Bytes();
}

std::vector<std::u16string> FolderRecord(const std::u16string& indent, const std::u16string& name,
                                         const std::u16string& location, int open) {
  return {indent + u"++++++++MacroItemName=" + name, indent + u"MacroItemLocation:" + location,
          indent + u"MacroItemIsFolder=1", indent + u"MacroItemFolderIsOpen=" + FormatDecimal(open)};
}

std::vector<std::u16string> MacroRecord(const std::u16string& indent, const std::u16string& name,
                                        const std::u16string& location, int key, const std::u16string& steps,
                                        int actionNum = 3, int commandNum = 2) {
  return {indent + u"++++++++MacroItemName=" + name,
          indent + u"MacroItemLocation:" + location,
          indent + u"MacroItemIsFolder=0",
          indent + u"MacroItemFolderIsOpen=0",
          indent + u"MacroKeyIndex=" + FormatDecimal(key),
          indent + u"MacroKeyLoopType=2",
          indent + u"MacroKeyLoopNum=1",
          indent + u"MacroActionNum=" + FormatDecimal(actionNum),
          indent + u"MacroCommandActionNum=" + FormatDecimal(commandNum),
          indent + u"AllAction=" + AllAction(steps)};
}

std::u16string Loc(int stage, int a, int b, int c) {
  return u"stage=" + FormatDecimal(stage) + u";stage0Index=" + FormatDecimal(a) + u";stage1Index=" +
         FormatDecimal(b) + u";stage2Index=" + FormatDecimal(c) + u";";
}

const std::u16string kReloadSteps = u"520000000300003252800000";

std::vector<std::u16string> Header(int next = 2, const std::u16string& selection = Loc(-1, 0, 0, 0)) {
  return {u"[MacroLibrary]", u"MacroKeyIndex=" + FormatDecimal(next), u"Select Locaton:" + selection};
}

template <typename... V>
std::vector<std::u16string> Lines(V&&... parts) {
  std::vector<std::u16string> out;
  (out.insert(out.end(), parts.begin(), parts.end()), ...);
  return out;
}

// The library of the format's example: folder "Games" holding macro "Reload".
MacroLibrary GamesLibrary() {
  MacroLibrary lib;
  MacroLocation games;
  lib.NewFolder(u"Games", games);
  MacroLocation reload = games;
  lib.NewMacro(u"Reload", reload);
  MacroItem& item = *lib.NodeAt(reload)->Item;
  item.InsertAction(0, MakeKeyStep(0x52, false));
  item.InsertAction(1, MakeDelayStep(50));
  item.InsertAction(2, MakeKeyStep(0x52, true));
  item.MacroCommandActionNum = 2;
  return lib;
}

TEST(MacroLibraryFile, WritesTheExampleLineForLine) {
  const std::u16string expected = Join(Lines(Header(), FolderRecord(u"", u"Games", Loc(0, 0, 0, 0), 0),
                                             MacroRecord(u"\t", u"Reload", Loc(1, 0, 0, 0), 1, kReloadSteps)));
  EXPECT_EQ(MacroLibraryText(GamesLibrary(), MacroLocation::None()), expected);
}

TEST(MacroLibraryFile, EmptyLibraryIsTheThreeHeaderLines) {
  MacroLibrary lib;
  lib.NextKeyIndex = 17;
  EXPECT_EQ(MacroLibraryText(lib, MacroLocation::Child(3, 4)),
            u"[MacroLibrary]\nMacroKeyIndex=17\n"
            u"Select Locaton:stage=1;stage0Index=3;stage1Index=4;stage2Index=0;\n");
  MacroLibrary back;
  MacroLocation sel;
  ASSERT_TRUE(LoadMacroLibraryBytes(Bytes(MacroLibraryText(lib, MacroLocation::None())), back, sel));
  EXPECT_TRUE(back.IsEmpty());
  EXPECT_EQ(back.NextKeyIndex, 17);
  EXPECT_EQ(sel, MacroLocation::None());
}

TEST(MacroLibraryFile, WritesEveryLevelInFileOrderWithItsIndentation) {
  MacroLibrary lib;
  MacroLocation top0, top1, sub, deep, side;
  lib.NewMacro(u"First", top0);
  lib.NewFolder(u"Folder", top1);
  sub = top1;
  lib.NewFolder(u"Sub", sub);
  deep = sub;
  lib.NewMacro(u"Deep", deep);
  side = top1;
  lib.NewMacro(u"Side", side);
  lib.NodeAt(top1)->MacroItemFolderIsOpen = 1;
  lib.NodeAt(deep)->Item->MacroKeyLoopType = 4;
  lib.NodeAt(deep)->Item->MacroKeyLoopNum = 255;
  const MacroLocation selection = MacroLocation::Grandchild(1, 0, 0);

  std::vector<std::u16string> deepRecord = MacroRecord(u"\t\t", u"Deep", Loc(2, 1, 0, 0), 2, u"", 0, 0);
  deepRecord[5] = u"\t\tMacroKeyLoopType=4";
  deepRecord[6] = u"\t\tMacroKeyLoopNum=255";
  const std::u16string expected =
      Join(Lines(Header(4, Loc(2, 1, 0, 0)), MacroRecord(u"", u"First", Loc(0, 0, 0, 0), 1, u"", 0, 0),
                 FolderRecord(u"", u"Folder", Loc(0, 1, 0, 0), 1), FolderRecord(u"\t", u"Sub", Loc(1, 1, 0, 0), 0),
                 MacroRecord(u"\t", u"Side", Loc(1, 1, 1, 0), 3, u"", 0, 0), deepRecord));
  EXPECT_EQ(MacroLibraryText(lib, selection), expected);

  const fs::path file = fs::path(::testing::TempDir()) / "order.mlf";
  ASSERT_TRUE(SaveMacroLibrary(file, lib, selection));
  std::string onDisk;
  ASSERT_TRUE(ReadFileBytes(file, onDisk));
  EXPECT_EQ(onDisk, Bytes(expected));
  EXPECT_EQ(onDisk.substr(0, 4), std::string("\xFF\xFE[\0", 4));
  fs::remove(file);
}

TEST(MacroLibraryFile, RoundTripIsByteExact) {
  MacroLibrary lib = GamesLibrary();
  MacroLocation sel;
  lib.NewMacro(u"name=with=equals", sel);
  MacroItem& m = *lib.NodeAt(sel)->Item;
  for (std::uint32_t i = 0; i < MacroItem::kMaxActions; ++i) {
    m.SetAction(i, MacroAction{{static_cast<std::uint8_t>(i), 0xAB, static_cast<std::uint8_t>(255 - i), 0x0F}});
  }
  m.MacroActionNum = 7;  // steps beyond the count are kept as they are
  m.MacroKeyLoopType = 1;
  m.MacroCommandActionNum = 200;
  MacroLocation f;
  lib.NewFolder(u"Ordner \u00e4\u4e2d", f);
  lib.NodeAt(f)->MacroItemFolderIsOpen = 1;
  for (int i = 0; i < 3; ++i) {
    MacroLocation s = f;
    lib.NewFolder(u"S" + FormatDecimal(i), s);
    for (int k = 0; k < 4; ++k) {
      MacroLocation d = s;
      lib.NewMacro(u"D" + FormatDecimal(k), d);
    }
  }
  MacroLocation gone = MacroLocation::Child(2, 1);
  lib.DeleteNode(gone);
  const MacroLocation selection = MacroLocation::Grandchild(2, 1, 3);

  const std::string first = Bytes(MacroLibraryText(lib, selection));
  MacroLibrary back;
  MacroLocation saved;
  ASSERT_TRUE(LoadMacroLibraryBytes(first, back, saved));
  EXPECT_EQ(saved, selection);
  EXPECT_EQ(back.NextKeyIndex, lib.NextKeyIndex);
  EXPECT_EQ(Bytes(MacroLibraryText(back, saved)), first);
  EXPECT_EQ(back.NodeAt(MacroLocation::Top(1))->MacroItemName, u"name=with=equals");
  EXPECT_EQ(back.NodeAt(MacroLocation::Top(1))->Item->MacroItemName, u"name=with=equals");
  EXPECT_EQ(back.NodeAt(MacroLocation::Top(1))->Item->GetAction(249), (MacroAction{{249, 0xAB, 6, 0x0F}}));
}

struct Loaded {
  bool ok;
  std::vector<std::u16string> names;  // used nodes in file order
  int next;
};

Loaded Load(const std::u16string& text) {
  MacroLibrary lib;
  MacroLocation keep = MacroLocation::Top(59);
  lib.NewMacro(u"stale", keep);  // every load starts by clearing
  MacroLocation sel;
  Loaded out{LoadMacroLibraryBytes(Bytes(text), lib, sel), {}, lib.NextKeyIndex};
  lib.ForEachUsedNode([&](const MacroLocation&, const MacroNode& n) { out.names.push_back(n.MacroItemName); });
  return out;
}

// Two records (a folder, a macro inside it) and a third one after the line under test.
std::vector<std::u16string> ThreeRecords() {
  return Lines(Header(4), FolderRecord(u"", u"Games", Loc(0, 0, 0, 0), 0),
               MacroRecord(u"\t", u"Reload", Loc(1, 0, 0, 0), 1, kReloadSteps),
               MacroRecord(u"", u"Later", Loc(0, 1, 0, 0), 2, kReloadSteps));
}

TEST(MacroLibraryFile, EveryMalformedLineStopsReadingAndKeepsWhatCameBefore) {
  struct Case {
    const char* what;
    int line;  // 0-based line of ThreeRecords() to replace
    std::u16string replacement;
    std::vector<std::u16string> kept;
  };
  const std::vector<std::u16string> none;
  const std::vector<std::u16string> games = {u"Games"};
  const std::vector<std::u16string> both = {u"Games", u"Reload"};
  const std::vector<Case> cases = {
      {"header in other case", 0, u"[macroLibrary]", none},
      {"header with a carriage return", 0, u"[MacroLibrary]\r", none},
      {"key counter without =", 1, u"MacroKeyIndex", none},
      {"key counter without value", 1, u"MacroKeyIndex=", none},
      {"selection with three =", 2, u"Select Locaton:stage=-1;stage0Index=0;stage1Index=0;", none},
      {"empty line before a record", 3, u"", none},
      {"name without value", 7, u"\t++++++++MacroItemName=", games},
      {"name without =", 7, u"\t++++++++MacroItemName", games},
      {"location with three =", 8, u"\tMacroItemLocation:stage=1;stage0Index=0;stage1Index=0;", games},
      {"folder flag without value", 9, u"\tMacroItemIsFolder=", games},
      {"open flag without =", 10, u"\tMacroItemFolderIsOpen", games},
      {"key index without value", 11, u"\tMacroKeyIndex=", games},
      {"loop type without =", 12, u"\tMacroKeyLoopType 2", games},
      {"loop count empty", 13, u"", games},
      {"action count without value", 14, u"\tMacroActionNum=", games},
      {"command count without value", 15, u"\tMacroCommandActionNum=", games},
      {"1999 step digits", 16, u"\tAllAction=" + AllAction(kReloadSteps).substr(1), games},
      {"2001 step digits", 16, u"\tAllAction=" + AllAction(kReloadSteps) + u"0", games},
      {"empty line between records", 17, u"", both},
      {"100000-character step line", 26, u"AllAction=" + std::u16string(100000, u'0'), both},
  };
  for (const auto& c : cases) {
    auto lines = ThreeRecords();
    lines[static_cast<size_t>(c.line)] = c.replacement;
    const Loaded l = Load(Join(lines));
    EXPECT_FALSE(l.ok) << c.what;
    EXPECT_EQ(l.names, c.kept) << c.what;
  }
}

TEST(MacroLibraryFile, AFileThatEndsInsideARecordKeepsTheEarlierOnes) {
  auto lines = ThreeRecords();
  for (size_t cut : {4u, 8u, 12u, 16u, 20u, 26u}) {
    std::vector<std::u16string> part(lines.begin(), lines.begin() + static_cast<long>(cut));
    const Loaded l = Load(Join(part));
    EXPECT_FALSE(l.ok) << cut;
    EXPECT_EQ(l.names.size(), cut < 7 ? 0u : cut < 17 ? 1u : 2u) << cut;
  }
  const Loaded whole = Load(Join(lines));
  EXPECT_TRUE(whole.ok);
  EXPECT_EQ(whole.names, (std::vector<std::u16string>{u"Games", u"Later", u"Reload"}));
  // No final line feed still ends the last line.
  std::u16string text = Join(lines);
  text.pop_back();
  EXPECT_TRUE(Load(text).ok);
}

TEST(MacroLibraryFile, UnreadableFileLeavesTheLibraryUntouched) {
  MacroLibrary lib = GamesLibrary();
  MacroLocation sel = MacroLocation::Top(7);
  EXPECT_FALSE(LoadMacroLibrary(fs::path(::testing::TempDir()) / "no-such-file.mlf", lib, sel));
  EXPECT_EQ(lib.Level0(0).MacroItemName, u"Games");
  EXPECT_EQ(sel, MacroLocation::Top(7));
  EXPECT_FALSE(LoadMacroLibrary(fs::path(::testing::TempDir()), lib, sel));  // a folder
  EXPECT_EQ(lib.Level1(0, 0).MacroItemName, u"Reload");
}

TEST(MacroLibraryFile, RecordsOutsideTheTreeAreSkippedAndReadingGoesOn) {
  const std::vector<std::u16string> where = {
      Loc(3, 0, 0, 0),  Loc(-1, 0, 0, 0), Loc(0, 60, 0, 0),  Loc(0, -1, 0, 0), Loc(1, 0, 60, 0),
      Loc(2, 0, 0, 60), Loc(2, 0, 0, -5), u"stage=99999999999999999999;stage0Index=0;stage1Index=0;stage2Index=0;",
      u"stage=2;stage0Index=" + std::u16string(100000, u'9') + u";stage1Index=0;stage2Index=0;",
  };
  for (const auto& w : where) {
    const auto lines = Lines(Header(), MacroRecord(u"", u"Bad", w, 7, u""), FolderRecord(u"", u"BadFolder", w, 1),
                             MacroRecord(u"", u"Good", Loc(0, 0, 0, 0), 1, u""));
    const Loaded l = Load(Join(lines));
    EXPECT_TRUE(l.ok) << Utf8(w);
    EXPECT_EQ(l.names, std::vector<std::u16string>{u"Good"}) << Utf8(w);
  }
}

TEST(MacroLibraryFile, OddValuesAreReadTheWayTheFormatSays) {
  auto lines = Lines(Header(), MacroRecord(u"", u"M", Loc(0, 0, 5, 9), 1, u"4G1z+F-1"),
                     FolderRecord(u"", u"F", Loc(1, 0, 1, 0), 7));
  lines[1] = u"MacroKeyIndex=99999999999999999999";
  lines[8] = u"MacroKeyLoopType=300";
  lines[9] = u"MacroKeyLoopNum=-1";
  lines[10] = u"MacroActionNum=99999";
  lines[11] = u"MacroCommandActionNum=x";
  lines.push_back(u"++++++++MacroItemName=" + std::u16string(100000, u'n'));
  lines.push_back(u"MacroItemLocation:" + Loc(0, 1, 0, 0));
  lines.push_back(u"MacroItemIsFolder=00");
  lines.push_back(u"MacroItemFolderIsOpen=1");
  lines.push_back(u"MacroKeyIndex=5");
  lines.push_back(u"MacroKeyLoopType=2");
  lines.push_back(u"MacroKeyLoopNum=1");
  lines.push_back(u"MacroActionNum=0");
  lines.push_back(u"MacroCommandActionNum=0");
  lines.push_back(u"AllAction=" + AllAction(u""));

  MacroLibrary lib;
  MacroLocation sel;
  ASSERT_TRUE(LoadMacroLibraryBytes(Bytes(Join(lines)), lib, sel));
  EXPECT_EQ(lib.NextKeyIndex, 2147483647);
  const MacroNode& m = lib.Level0(0);  // unused indexes are not looked at
  ASSERT_TRUE(m.IsMacro());
  EXPECT_EQ(m.Item->MacroKeyLoopType, 300 & 0xFF);
  EXPECT_EQ(m.Item->MacroKeyLoopNum, 0xFF);
  EXPECT_EQ(m.Item->MacroActionNum, 250u);  // never more than the steps there are
  EXPECT_EQ(m.Item->MacroCommandActionNum, 0);
  // Pairs that are not two hexadecimal digits read as the standard conversion reads them.
  EXPECT_EQ(m.Item->GetAction(0), (MacroAction{{0x04, 0x01, 0x0F, 0xFF}}));
  EXPECT_TRUE(lib.Level1(0, 1).IsFolder());
  EXPECT_EQ(lib.Level1(0, 1).MacroItemFolderIsOpen, 1);
  EXPECT_EQ(lib.Level0(1).MacroItemName.size(), 100000u);
  EXPECT_EQ(lib.Level0(1).MacroItemFolderIsOpen, 0);  // a macro keeps its flags at 0
}

// Every way of reaching a loaded macro's steps: one step, all slots, and after a change
// to another slot (which reads them all into the macro).
std::vector<MacroAction> StepsThreeWays(const MacroItem& loaded, std::uint32_t slot) {
  MacroItem changed = loaded;
  changed.SetAction(slot == 0 ? 1 : 0, MakeDelayStep(1));
  return {loaded.GetAction(slot), loaded.Steps()[slot], changed.GetAction(slot)};
}

TEST(MacroLibraryFile, OddStepDigitsReadAlikeWhenLoadedAndInAProfile) {
  struct Case {
    std::u16string pair;
    std::uint8_t value;
  };
  const std::vector<Case> cases = {
      {u"ab", 0xAB},          {u"Ab", 0xAB},       {u"4G", 0x04},       {u"G4", 0x00},
      {u" 1", 0x01},          {u"\t1", 0x01},      {u"1 ", 0x01},       {u"-1", 0xFF},
      {u"-F", 0xF1},          {u"+F", 0x0F},       {u"--", 0x00},       {u"zz", 0x00},
      {u"0x", 0x00},          {std::u16string(u"1\0", 2), 0x01},        {u"\u0661\u0662", 0x00},
      {u"\uFF11\uFF12", 0x00}, {u"\xD800\xDC00", 0x00},
  };
  for (const auto& c : cases) {
    // The pair as the third byte of step 7.
    const std::u16string digits = AllAction(std::u16string(7 * 8, u'0') + u"0102" + c.pair + u"04");
    const std::string what = "pair " + Utf8(c.pair);
    MacroLibrary lib;
    MacroLocation sel;
    ASSERT_TRUE(LoadMacroLibraryBytes(Bytes(Join(Lines(Header(), MacroRecord(u"", u"M", Loc(0, 0, 0, 0), 1, digits, 8, 0)))),
                                      lib, sel))
        << what;
    const MacroAction expected{{0x01, 0x02, c.value, 0x04}};
    for (const MacroAction& step : StepsThreeWays(*lib.Level0(0).Item, 7)) EXPECT_EQ(step, expected) << what;
    MacroItem eager;
    ASSERT_TRUE(eager.ReadStepDigits(digits)) << what;
    EXPECT_THAT(eager.Steps(), ::testing::ElementsAreArray(lib.Level0(0).Item->Steps())) << what;
    // Saved again, the pair is written as the byte it read as.
    MacroLibrary written;
    MacroLocation at;
    written.NewMacro(u"M", at);
    MacroItem& m = *written.NodeAt(at)->Item;
    m.MacroActionNum = 8;
    m.SetSteps(eager.Steps());
    EXPECT_EQ(MacroLibraryText(lib, MacroLocation::None()), MacroLibraryText(written, MacroLocation::None()))
        << what;
  }
}

TEST(MacroLibraryFile, StepsReadLaterOutliveTheFileAndFollowTheirMacro) {
  const std::u16string firstSteps = u"41000000030000324180000000000000";
  const std::u16string laterSteps = u"E5000005E60000FDE7000001";
  const auto fileText = [&](const std::u16string& steps) {
    return Join(Lines(Header(3), MacroRecord(u"", u"First", Loc(0, 0, 0, 0), 1, steps, 4, 2),
                      MacroRecord(u"", u"Later", Loc(0, 1, 0, 0), 2, laterSteps)));
  };
  const MacroAction a0 = MakeKeyStep(0x41, false), a1 = MakeDelayStep(50), a2 = MakeKeyStep(0x41, true);
  const MacroAction l0 = MakeMotionStep(kMacroMoveX, 5), l1 = MakeMotionStep(kMacroMoveY, -3),
                    l2 = MakeMotionStep(kMacroWheel, 1);

  MacroLibrary lib;
  MacroLocation sel;
  ASSERT_TRUE(LoadMacroLibraryBytes(Bytes(fileText(firstSteps)), lib, sel));
  MacroItem copy = *lib.Level0(0).Item;  // taken before anything changes

  // A changed step leaves the others as the file held them, in the macro and in its copy.
  MacroItem& first = *lib.NodeAt(MacroLocation::Top(0))->Item;
  ASSERT_TRUE(first.SetAction(1, MakeDelayStep(99)));
  EXPECT_EQ(first.GetAction(0), a0);
  EXPECT_EQ(first.GetAction(1), MakeDelayStep(99));
  EXPECT_EQ(first.GetAction(2), a2);
  EXPECT_EQ(copy.GetAction(1), a1);
  ASSERT_TRUE(first.DeleteAction(0));
  EXPECT_EQ(first.GetAction(0), MakeDelayStep(99));
  EXPECT_EQ(first.GetAction(249), MacroAction{});
  ASSERT_TRUE(copy.InsertAction(0, a2));
  EXPECT_EQ(copy.GetAction(1), a0);
  EXPECT_EQ(copy.GetAction(3), a2);

  // Deleting the first macro moves the later one into its slot; its steps go with it.
  ASSERT_TRUE(lib.DeleteNode(MacroLocation::Top(0)));
  ASSERT_EQ(lib.Level0(0).MacroItemName, u"Later");
  MacroItem later = *lib.Level0(0).Item;
  EXPECT_EQ(later.GetAction(0), l0);
  EXPECT_EQ(lib.Level0(0).Item->GetAction(1), l1);

  // Loading another file into the library, or dropping the library, leaves copies of
  // earlier macros reading the file they came from.
  ASSERT_TRUE(LoadMacroLibraryBytes(Bytes(fileText(u"")), lib, sel));
  EXPECT_EQ(lib.Level0(0).Item->GetAction(0), MacroAction{});
  MacroLibrary moved = std::move(lib);
  moved.ClearLibrary();
  for (const MacroAction& step : StepsThreeWays(later, 2)) EXPECT_EQ(step, l2);
  EXPECT_EQ(later.Steps()[1], l1);
  MacroItem assigned;
  assigned = later;
  later = MacroItem();
  EXPECT_EQ(assigned.GetAction(0), l0);
  EXPECT_EQ(later.GetAction(0), MacroAction{});
  // Digits of any other length are refused and change nothing.
  EXPECT_FALSE(assigned.ReadStepDigits(laterSteps));
  EXPECT_EQ(assigned.GetAction(2), l2);
  // An index past the slots reads step 0, as it always has.
  EXPECT_EQ(assigned.GetAction(250), l0);
  EXPECT_EQ(assigned.GetAction(4000000000u), l0);
}

TEST(MacroLibraryFile, NewMacrosNeverTakeAnIndexTheFileAlreadyUses) {
  const auto lines = Lines(Header(1), MacroRecord(u"", u"A", Loc(0, 0, 0, 0), 41, u""),
                           MacroRecord(u"", u"B", Loc(0, 1, 0, 0), 7, u""));
  MacroLibrary lib;
  MacroLocation sel;
  ASSERT_TRUE(LoadMacroLibraryBytes(Bytes(Join(lines)), lib, sel));
  EXPECT_EQ(lib.NextKeyIndex, 42);
}

// The counter after loading is above the highest key in use; with a macro at the largest
// key none is left, and a new macro is refused rather than given key 0 (a button's "no
// macro") or an identity another macro already has.
TEST(MacroLibraryFile, TheKeyCounterAfterLoadingNeverWraps) {
  struct Case {
    const char* what;
    std::u16string counter;
    std::vector<std::u16string> keys;
    std::uint32_t next;  // 0: no key left
  };
  const Case cases[] = {
      {"a macro at the largest key", u"1", {u"4294967295"}, 0},
      {"the largest key among others", u"8", {u"3", u"4294967295", u"7"}, 0},
      {"the key just below the largest", u"1", {u"4294967294"}, 4294967295u},
      {"a counter past 2^31 kept as a negative number", u"-2", {}, 4294967294u},
      {"a counter of 0 without macros", u"0", {}, 1},
      {"a counter of 0 after the largest key's macro was deleted", u"0", {u"7"}, 8},
  };
  for (const Case& c : cases) {
    auto lines = Header();
    lines[1] = u"MacroKeyIndex=" + c.counter;
    for (std::size_t i = 0; i < c.keys.size(); ++i) {
      auto record = MacroRecord(u"", u"M" + FormatDecimal(static_cast<int>(i)), Loc(0, static_cast<int>(i), 0, 0), 1, u"");
      record[4] = u"MacroKeyIndex=" + c.keys[i];
      lines.insert(lines.end(), record.begin(), record.end());
    }
    MacroLibrary lib;
    MacroLocation sel;
    ASSERT_TRUE(LoadMacroLibraryBytes(Bytes(Join(lines)), lib, sel)) << c.what;
    EXPECT_EQ(static_cast<std::uint32_t>(lib.NextKeyIndex), c.next) << c.what;
    MacroLocation at;
    const MacroNodeChange change = lib.AddMacro(u"New", at);
    if (c.next == 0) {
      EXPECT_EQ(change, MacroNodeChange::kNoKeyLeft) << c.what;
      EXPECT_FALSE(lib.Level0(static_cast<int>(c.keys.size())).IsUsed()) << c.what;
    } else {
      ASSERT_EQ(change, MacroNodeChange::kDone) << c.what;
      EXPECT_EQ(lib.NodeAt(at)->Item->MacroKeyIndex, c.next) << c.what;
    }
  }
}

TEST(MacroLibraryFile, GarbageNeverCrashes) {
  std::string noise;
  std::uint32_t x = 12345;
  for (int i = 0; i < 200000; ++i) {
    x = x * 1103515245u + 12345u;
    noise.push_back(static_cast<char>(x >> 16));
  }
  const std::string header = Bytes(Join(Header()));
  for (const std::string& bytes : {noise, header + noise, header + noise.substr(0, 3), std::string("\xFF")}) {
    MacroLibrary lib;
    MacroLocation sel;
    LoadMacroLibraryBytes(bytes, lib, sel);
    MacroLocation added;
    EXPECT_NE(lib.AddMacro(u"still usable", added), MacroNodeChange::kBadName);
  }
  // Many records placed on the same slot: the last one wins, nothing leaks.
  auto lines = Header();
  for (int i = 0; i < 50; ++i) {
    std::u16string name = u"R";
    name += FormatDecimal(i);
    const auto r = MacroRecord(u"", name, Loc(2, 3, 4, 5), i + 1, kReloadSteps);
    lines.insert(lines.end(), r.begin(), r.end());
  }
  const Loaded l = Load(Join(lines));
  EXPECT_TRUE(l.ok);
  EXPECT_EQ(l.names, std::vector<std::u16string>{u"R49"});
  EXPECT_EQ(l.next, 51);
}

}  // namespace
}  // namespace corvane

namespace corvane {
namespace {

// A library too large for the reader's file limit is not written: the old file stays,
// rather than being replaced by one the next start could not read at all.
TEST(MacroLibraryFile, NeverWritesAFileTooLargeToReadBack) {
  MacroLibrary lib;
  const std::size_t nameLength = UnicodeTextReader::kMaxFileBytes / 2 / 60 + 1;
  for (int a = 0; a < 60; ++a) {
    std::u16string name = FormatDecimal(a);  // names differ at once, so comparing them is quick
    name.append(nameLength, u'n');
    MacroLocation top;
    ASSERT_EQ(lib.AddFolder(name, top), MacroNodeChange::kDone);
  }
  const fs::path file = fs::path(::testing::TempDir()) / "too-large.mlf";
  MacroLibrary small;
  ASSERT_TRUE(SaveMacroLibrary(file, small, MacroLocation::None()));
  std::string before;
  ASSERT_TRUE(ReadFileBytes(file, before));
  EXPECT_FALSE(SaveMacroLibrary(file, lib, MacroLocation::None()));
  std::string after;
  ASSERT_TRUE(ReadFileBytes(file, after));
  EXPECT_TRUE(after == before) << after.size() << " bytes on disk";
  fs::remove(file);
}

}  // namespace
}  // namespace corvane
