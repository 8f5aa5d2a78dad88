#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "base/TextUtil.h"
#include "base/UnicodeTextFile.h"
#include "macros/MacroLibraryFile.h"
#include "support/CorvanectlRun.h"
#include "support/TempDataFolder.h"

namespace corvane {
namespace {

namespace fs = std::filesystem;

// A fresh data folder per test; corvanectl runs on it.
class MacroCli : public ::testing::Test {
 protected:
  testing::CliRun Ctl(const std::vector<std::string>& args, const fs::path& dataDir = {}) {
    return testing::RunCorvanectl(dataDir.empty() ? dir_ : dataDir, args);
  }

  void Ok(const std::vector<std::string>& args) {
    const testing::CliRun r = Ctl(args);
    ASSERT_EQ(r.status, 0) << args[1] << ": " << r.err;
  }

  std::string LibraryBytes(const fs::path& dataDir = {}) {
    std::string bytes;
    ReadFileBytes((dataDir.empty() ? dir_ : dataDir) / "config" / "MacroLibraryFile.mlf", bytes);
    return bytes;
  }

  testing::TempDataFolder folder_;
  const fs::path& dir_ = folder_.Root();
};

using testing::Utf16File;

std::u16string Zeros(std::size_t n) { return std::u16string(n, u'0'); }

TEST_F(MacroCli, BuildsTheLibraryFileByteExact) {
  Ok({"macro", "folder", "Games"});
  Ok({"macro", "add", "Games/Reload"});
  Ok({"macro", "steps", "Games/Reload", "+R", "50ms", "-R"});
  const std::u16string expected =
      u"[MacroLibrary]\nMacroKeyIndex=2\n"
      u"Select Locaton:stage=-1;stage0Index=0;stage1Index=0;stage2Index=0;\n"
      u"++++++++MacroItemName=Games\n"
      u"MacroItemLocation:stage=0;stage0Index=0;stage1Index=0;stage2Index=0;\n"
      u"MacroItemIsFolder=1\nMacroItemFolderIsOpen=0\n"
      u"\t++++++++MacroItemName=Reload\n"
      u"\tMacroItemLocation:stage=1;stage0Index=0;stage1Index=0;stage2Index=0;\n"
      u"\tMacroItemIsFolder=0\n\tMacroItemFolderIsOpen=0\n\tMacroKeyIndex=1\n\tMacroKeyLoopType=2\n"
      u"\tMacroKeyLoopNum=1\n\tMacroActionNum=3\n\tMacroCommandActionNum=2\n"
      u"\tAllAction=520000000300003252800000" + Zeros(2000 - 24) + u"\n";
  EXPECT_EQ(LibraryBytes(), Utf16File(expected));

  // Commands that only read leave the file as it is; reading it back gives the same bytes.
  const testing::CliRun list = Ctl({"macro", "list"});
  EXPECT_EQ(list.status, 0);
  EXPECT_EQ(list.out, "Games/\nGames/Reload\n");
  const testing::CliRun show = Ctl({"macro", "show", "Games/Reload"});
  EXPECT_EQ(show.out,
            "path=Games/Reload\ntype=macro\nkey=1\nmode=2\nrepeat=1\nsteps=3\ncommands=2\n"
            "step.0=+R\nstep.1=50ms\nstep.2=-R\n");
  EXPECT_EQ(Ctl({"macro", "show", "Games"}).out, "path=Games\ntype=folder\nopen=0\nchildren=1\n");
  Ok({"macro", "mode", "Games/Reload", "2", "1"});
  EXPECT_EQ(LibraryBytes(), Utf16File(expected));
}

// A library whose macro holds the largest key has no key left for a new macro: adding
// one is refused and the library file stays as it was; folders need no key.
TEST_F(MacroCli, NoKeyLeftRefusesNewMacros) {
  MacroLibrary lib;
  lib.NextKeyIndex = static_cast<int>(4294967295u);
  MacroLocation at;
  ASSERT_EQ(lib.AddMacro(u"Last", at), MacroNodeChange::kDone);
  fs::create_directories(dir_ / "config");
  ASSERT_TRUE(SaveMacroLibraryFile(dir_, lib));
  const std::string before = LibraryBytes();
  const testing::CliRun add = Ctl({"macro", "add", "New"});
  EXPECT_EQ(add.status, 1);
  EXPECT_EQ(add.err, "corvanectl: no macro key is left: a macro holds the largest key, 4294967295\n");
  EXPECT_EQ(LibraryBytes(), before);
  Ok({"macro", "folder", "Games"});
  EXPECT_EQ(Ctl({"macro", "list"}).out, "Last\nGames/\n");
}

TEST_F(MacroCli, ModeAndSteps) {
  Ok({"macro", "add", "M"});
  Ok({"macro", "mode", "M", "2", "7"});
  Ok({"macro", "steps", "M", "+Page Up", "wheel:-3", "mx:5", "my:-2", "-Page Up", "+L Key", "4096ms", "-L Key"});
  testing::CliRun r = Ctl({"--json", "macro", "show", "M"});
  EXPECT_NE(r.out.find("\"mode\":2,\"repeat\":7,\"commands\":7"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("{\"step\":\"wheel:-3\",\"text\":\"Wheel Up 3\",\"icon\":\"\"}"), std::string::npos) << r.out;
  Ok({"macro", "mode", "M", "4"});
  Ok({"macro", "folder", "F \"q\""});
  EXPECT_EQ(Ctl({"--json", "macro", "list"}).out,
            "[{\"path\":\"M\",\"type\":\"macro\",\"key\":1,\"mode\":4,\"repeat\":7,\"steps\":8},"
            "{\"path\":\"F \\\"q\\\"\",\"type\":\"folder\",\"open\":0}]\n");
  r = Ctl({"macro", "show", "M"});
  EXPECT_NE(r.out.find("mode=4\nrepeat=7\nsteps=8\ncommands=7\n"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("step.1=wheel:-3\nstep.2=mx:5\nstep.3=my:-2\n"), std::string::npos) << r.out;
  // Fewer steps than before: the rest is cleared, nothing of the old steps lingers.
  Ok({"macro", "steps", "M"});
  EXPECT_NE(Ctl({"macro", "show", "M"}).out.find("steps=0\ncommands=0\n"), std::string::npos);
  MacroLibrary lib;
  MacroLocation sel;
  ASSERT_TRUE(LoadMacroLibrary(dir_ / "config" / "MacroLibraryFile.mlf", lib, sel));
  EXPECT_TRUE(lib.Level0(0).Item->Steps().empty());
}

TEST_F(MacroCli, StepLimitsAreRefusedAndChangeNothing) {
  Ok({"macro", "add", "M"});
  const std::string before = LibraryBytes();
  std::vector<std::string> delays = {"macro", "steps", "M"};
  for (int i = 0; i < 251; ++i) delays.push_back("1ms");
  testing::CliRun r = Ctl(delays);
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("at most 250 steps"), std::string::npos) << r.err;
  std::vector<std::string> keys = {"macro", "steps", "M"};
  for (int i = 0; i < 63; ++i) {
    keys.push_back("+A");
    keys.push_back("-A");
  }
  r = Ctl(keys);  // 126 key steps
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("125"), std::string::npos) << r.err;
  EXPECT_EQ(LibraryBytes(), before);
  // 125 key steps with 125 delays between and after them fill the macro exactly.
  std::vector<std::string> full = {"macro", "steps", "M"};
  for (int i = 0; i < 125; ++i) {
    full.push_back(i % 2 ? "-A" : "+A");
    full.push_back("8ms");
  }
  Ok(full);
  EXPECT_NE(Ctl({"macro", "show", "M"}).out.find("steps=250\ncommands=125\n"), std::string::npos);
}

TEST_F(MacroCli, RefusalsExitOneWithTheLanguageText) {
  Ok({"macro", "folder", "Games"});
  Ok({"macro", "folder", "Games/Sub"});
  Ok({"macro", "add", "Games/Sub/Deep"});
  const std::string before = LibraryBytes();
  struct Case {
    std::vector<std::string> args;
    std::string message;
  };
  const std::vector<Case> cases = {
      {{"macro", "folder", "Games"}, "This name is already in use here."},
      {{"macro", "add", "Games/Sub"}, "This name is already in use here."},
      {{"macro", "add", ""}, "The name cannot be empty."},
      {{"macro", "add", "Games/"}, "This name is already in use here."},
      {{"macro", "add", "Nope/M"}, "no macro or folder \"Nope\""},
      {{"macro", "add", "Games/Sub/Deep/X"}, "too deep"},
      {{"macro", "folder", "Games/Sub/X"}, "too deep"},
      {{"macro", "add", "Games/Sub/Deep/"}, "This name is already in use here."},
      {{"macro", "steps", "Games", "+A"}, "is a folder, not a macro"},
      {{"macro", "mode", "Games/Sub", "1"}, "is a folder, not a macro"},
      {{"macro", "delete", "Games/Nope"}, "no macro or folder"},
      {{"macro", "export", "Games", (dir_ / "x.mkf").string()}, "Select a macro first."},
      {{"macro", "export", "Games/Sub/Deep", (dir_ / "no-such-dir" / "x.mkf").string()}, "cannot write"},
      {{"macro", "import", (dir_ / "missing.mkf").string()}, "holds nothing to import"},
      {{"library", "import", (dir_ / "missing.mbf").string(), "--into", "Games"}, "holds nothing to import"},
      {{"library", "export", (dir_ / "x.mbf").string(), "--into", "Nope"}, "no macro or folder"},
  };
  for (const auto& c : cases) {
    const testing::CliRun r = Ctl(c.args);
    EXPECT_EQ(r.status, 1) << c.args[1] << " " << c.args[2] << ": " << r.err;
    EXPECT_NE(r.err.find(c.message), std::string::npos) << c.args[2] << ": " << r.err;
  }
  EXPECT_EQ(LibraryBytes(), before);
}

TEST_F(MacroCli, UsageErrorsExitTwo) {
  Ok({"macro", "add", "M"});
  const std::vector<std::vector<std::string>> cases = {
      {"macro"},
      {"macro", "bogus"},
      {"macro", "list", "extra"},
      {"macro", "add"},
      {"macro", "add", "a", "b"},
      {"macro", "steps"},
      {"macro", "steps", "M", "+Nope"},
      {"macro", "steps", "M", "5"},
      {"macro", "steps", "M", "mx:200"},
      {"macro", "mode", "M"},
      {"macro", "mode", "M", "3"},
      {"macro", "mode", "M", "1", "5"},
      {"macro", "mode", "M", "2", "0"},
      {"macro", "mode", "M", "2", "256"},
      {"macro", "mode", "M", "2", "x"},
      {"macro", "export", "M"},
      {"macro", "import"},
      {"macro", "import", "f", "--into"},
      {"macro", "import", "f", "--into", "a", "--into=b"},
      {"library"},
      {"library", "export"},
      {"library", "copy", "f"},
      {"library", "import", "a", "b"},
  };
  for (const auto& c : cases) {
    const testing::CliRun r = Ctl(c);
    EXPECT_EQ(r.status, 2) << c.size() << " " << c.back() << ": " << r.err;
    EXPECT_FALSE(r.err.empty());
  }
}

TEST_F(MacroCli, DeletingTheFirstFolderMovesTheOthersWithTheirContents) {
  for (const char* f : {"A", "B", "C"}) {
    Ok({"macro", "folder", f});
    Ok({"macro", "folder", std::string(f) + "/Sub"});
    Ok({"macro", "add", std::string(f) + "/Sub/Deep"});
    Ok({"macro", "add", std::string(f) + "/Side"});
  }
  Ok({"macro", "delete", "A"});
  EXPECT_EQ(Ctl({"macro", "list"}).out, "B/\nB/Sub/\nB/Sub/Deep\nB/Side\nC/\nC/Sub/\nC/Sub/Deep\nC/Side\n");
  const std::string bytes = LibraryBytes();
  const std::u16string text = [&] {
    std::u16string t;
    for (std::size_t i = 2; i + 1 < bytes.size(); i += 2) {
      t.push_back(static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) | (static_cast<unsigned char>(bytes[i + 1]) << 8)));
    }
    return t;
  }();
  EXPECT_NE(text.find(u"++++++++MacroItemName=C\nMacroItemLocation:stage=0;stage0Index=1;"), std::u16string::npos);
  EXPECT_NE(text.find(u"\t\t++++++++MacroItemName=Deep\n\t\tMacroItemLocation:stage=2;stage0Index=1;stage1Index=0;"),
            std::u16string::npos);
  EXPECT_EQ(text.find(u"stage0Index=2;"), std::u16string::npos);
}

TEST_F(MacroCli, AMacroOnAButtonOfTheCurrentProfileIsNotDeleted) {
  Ok({"macro", "folder", "Games"});
  Ok({"macro", "add", "Games/Reload"});
  Ok({"--simulate", "--no-wait", "button", "3", "macro:Games/Reload"});
  const std::string before = LibraryBytes();
  for (const char* path : {"Games/Reload", "Games"}) {
    const testing::CliRun r = Ctl({"macro", "delete", path});
    EXPECT_EQ(r.status, 1) << path;
    EXPECT_NE(r.err.find("A button of the current profile uses this macro."), std::string::npos) << r.err;
  }
  EXPECT_EQ(LibraryBytes(), before);
  Ok({"--simulate", "--no-wait", "button", "3", "middle"});
  Ok({"macro", "delete", "Games"});
  EXPECT_EQ(Ctl({"macro", "list"}).out, "");
}

TEST_F(MacroCli, AFullFolderIsRefused) {
  MacroLibrary lib;
  for (int i = 0; i < 60; ++i) {
    MacroLocation sel;
    std::u16string name = u"m";
    name += FormatDecimal(i);
    lib.NewMacro(name, sel);
  }
  fs::create_directories(dir_ / "config");
  ASSERT_TRUE(SaveMacroLibrary(dir_ / "config" / "MacroLibraryFile.mlf", lib, MacroLocation::None()));
  const std::string before = LibraryBytes();
  const testing::CliRun r = Ctl({"macro", "add", "one-more"});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("60 entries"), std::string::npos) << r.err;
  EXPECT_EQ(LibraryBytes(), before);
}

TEST_F(MacroCli, ExportAndImportBetweenLibraries) {
  Ok({"macro", "folder", "Games"});
  Ok({"macro", "add", "Games/Reload"});
  Ok({"macro", "steps", "Games/Reload", "+R", "50ms", "-R"});
  Ok({"macro", "mode", "Games/Reload", "4"});
  Ok({"macro", "add", "Solo"});
  const std::string mkf = (dir_ / "reload.mkf").string();
  const std::string mbf = (dir_ / "all.mbf").string();
  Ok({"macro", "export", "Games/Reload", mkf});
  Ok({"library", "export", mbf});

  const fs::path other = dir_ / "other";
  auto in = [&](std::vector<std::string> args) { return Ctl(args, other); };
  ASSERT_EQ(in({"macro", "folder", "Mine"}).status, 0);
  ASSERT_EQ(in({"macro", "add", "Mine/First"}).status, 0);  // key index 1 is taken here

  testing::CliRun r = in({"macro", "import", mkf, "--into", "Mine"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "Mine/Reload\n");
  r = in({"macro", "show", "Mine/Reload"});
  EXPECT_EQ(r.out, "path=Mine/Reload\ntype=macro\nkey=2\nmode=4\nrepeat=1\nsteps=3\ncommands=2\n"
                   "step.0=+R\nstep.1=50ms\nstep.2=-R\n");
  r = in({"macro", "import", mkf, "--into", "Mine"});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("This name is already in use here."), std::string::npos);

  r = in({"library", "import", mbf});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "Games/\nGames/Reload\nSolo\n");
  EXPECT_EQ(in({"macro", "list"}).out, "Mine/\nMine/First\nMine/Reload\nGames/\nGames/Reload\nSolo\n");
  const std::string before = LibraryBytes(other);
  r = in({"library", "import", mbf});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("This name is already in use here."), std::string::npos);
  EXPECT_EQ(LibraryBytes(other), before);
  // Every imported macro got a fresh key index of this library.
  EXPECT_NE(in({"macro", "show", "Games/Reload"}).out.find("key=3\n"), std::string::npos);
  EXPECT_NE(in({"macro", "show", "Solo"}).out.find("key=4\n"), std::string::npos);

  // Into a top-level folder, a library's folders arrive as second-level folders.
  r = in({"library", "import", mbf, "--into=Mine"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "Mine/Games/\nMine/Games/Reload\nMine/Solo\n");
}

// A library import that leaves anything out (the file cut short, no free place, no level
// for a folder) lists each thing skipped and exits 1; what did fit is still imported.
TEST_F(MacroCli, LibraryImportSaysWhatItSkipped) {
  MacroLibrary source;
  for (const char16_t* name : {u"A", u"B", u"C"}) {
    MacroLocation at;
    ASSERT_EQ(source.AddMacro(name, at), MacroNodeChange::kDone);
  }
  MacroLocation folder;
  ASSERT_EQ(source.AddFolder(u"F", folder), MacroNodeChange::kDone);
  MacroLocation m = folder, sub = folder;
  ASSERT_EQ(source.AddMacro(u"M", m), MacroNodeChange::kDone);
  ASSERT_EQ(source.AddFolder(u"S", sub), MacroNodeChange::kDone);
  MacroLocation n = sub;
  ASSERT_EQ(source.AddMacro(u"N", n), MacroNodeChange::kDone);
  const fs::path whole = dir_ / "whole.mbf";
  ASSERT_TRUE(SaveMacroLibrary(whole, source, MacroLocation::None()));
  std::string bytes;
  ASSERT_TRUE(ReadFileBytes(whole, bytes));
  // Cut inside B's record: only A comes before it.
  std::string needle;
  for (const char c : std::string("MacroItemName=B")) needle += std::string{c, '\0'};
  const std::size_t at = bytes.find(needle);
  ASSERT_NE(at, std::string::npos);
  const fs::path cut = dir_ / "cut.mbf";
  std::ofstream(cut, std::ios::binary) << bytes.substr(0, at + needle.size() + 20);

  struct Case {
    const char* what;
    int filler;  // top-level macros already in the destination
    std::vector<std::string> folders;  // folders made in the destination first
    std::string file;
    std::string into;
    int status;
    std::string out;
    std::vector<std::string> skipped;
  };
  const std::string kFull = ": no free place at the destination (60 entries)";
  const std::string kDeep = ": folders go only two levels deep";
  const Case cases[] = {
      {"the whole file", 0, {}, whole.string(), "", 0, "A\nB\nC\nF/\nF/M\nF/S/\nF/S/N\n", {}},
      {"a file cut short", 0, {}, cut.string(), "", 1, "A\n",
       {cut.string() + ": it stops at a missing or bad line; the rest of the file is left out (1 entries read before it)"}},
      {"one free place", 59, {}, whole.string(), "", 1, "A\n", {"B" + kFull, "C" + kFull, "F/ and what it holds" + kFull}},
      {"into a top-level folder", 0, {"Top"}, whole.string(), "Top", 1, "Top/A\nTop/B\nTop/C\nTop/F/\nTop/F/M\n",
       {"F/S/ and what it holds" + kDeep}},
      {"into a second-level folder", 0, {"Top", "Top/Sub"}, whole.string(), "Top/Sub", 1,
       "Top/Sub/A\nTop/Sub/B\nTop/Sub/C\n", {"F/ and what it holds" + kDeep}},
  };
  for (const Case& c : cases) {
    const fs::path data = dir_ / "dest" / c.what;
    MacroLibrary dest;
    for (int i = 0; i < c.filler; ++i) {
      MacroLocation sel;
      ASSERT_EQ(dest.AddMacro(u"m" + FormatDecimal(i), sel), MacroNodeChange::kDone);
    }
    fs::create_directories(data / "config");
    ASSERT_TRUE(SaveMacroLibraryFile(data, dest));
    for (const std::string& f : c.folders) ASSERT_EQ(Ctl({"macro", "folder", f}, data).status, 0) << c.what;
    std::vector<std::string> args{"library", "import", c.file};
    if (!c.into.empty()) args.insert(args.end(), {"--into", c.into});
    const testing::CliRun r = Ctl(args, data);
    EXPECT_EQ(r.status, c.status) << c.what << ": " << r.err;
    EXPECT_EQ(r.out, c.out) << c.what;
    std::string err;
    for (const std::string& line : c.skipped) err += "corvanectl: skipped " + line + "\n";
    if (!c.skipped.empty())
      err += "corvanectl: the import is incomplete: " + std::to_string(c.skipped.size()) + " skipped, listed above\n";
    EXPECT_EQ(r.err, err) << c.what;
    // What fitted was saved.
    const std::string listed = Ctl({"macro", "list"}, data).out;
    for (const std::string& line : testing::OutputLines(c.out))
      EXPECT_NE(listed.find(line + "\n"), std::string::npos) << c.what << ": " << line;
  }
}

}  // namespace
}  // namespace corvane
