#include <gtest/gtest.h>
#include <sys/stat.h>

#include <memory>

#include "base/TextUtil.h"
#include "support/CorvanectlRun.h"
#include "support/DefaultProfileGolden.h"
#include "support/InstalledLanguage.h"
#include "support/TempDataFolder.h"

namespace corvane {
namespace {

using testing::CliRun;
using testing::OutputLines;
using testing::TempDataFolder;
using testing::Utf16Lines;

struct ProfileFolder {
  TempDataFolder folder;
  LanguageTable language;
  ProfileFolder() {
    EXPECT_EQ(Run({"init"}).status, 0);
    language = testing::InstalledLanguage(folder.Root());
  }
  CliRun Run(const std::vector<std::string>& args) const { return testing::RunCorvanectl(folder.Root(), args); }
  std::string Text(int n) const { return Utf8(language.Text(n)); }
  std::vector<std::u16string> Config() const { return Utf16Lines(folder.Bytes("config/config.ini")); }
  std::u16string SlotLine(int p, int line) const {
    return Utf16Lines(folder.Bytes("config/default" + std::to_string(p) + ".psf"))
        .at(static_cast<std::size_t>(line - 1));
  }
  // The one-line refusal corvanectl prints.
  std::string Refusal(int n) const { return "corvanectl: " + Text(n) + "\n"; }
};

TEST(ProfileCli, ListShowsTheShownProfilesInOrder) {
  ProfileFolder f;
  const auto run = f.Run({"profile", "list"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(OutputLines(run.out), (std::vector<std::string>{"current=0", "count=3", "profile.0=" + f.Text(85),
                                                            "profile.1=" + f.Text(86), "profile.2=" + f.Text(87)}));
  const auto json = f.Run({"--json", "profile", "list"});
  EXPECT_EQ(json.out, "{\"current\":0,\"count\":3,\"profile.0\":\"" + f.Text(85) + "\",\"profile.1\":\"" + f.Text(86) +
                          "\",\"profile.2\":\"" + f.Text(87) + "\"}\n");
}

TEST(ProfileCli, AddTakesTheFirstHiddenProfileUpToFive) {
  ProfileFolder f;
  // Profile 3 had been changed before: adding starts it afresh.
  ASSERT_EQ(f.Run({"profile", "rename", "3", "Old"}).status, 0);
  auto run = f.Run({"profile", "add", "Work"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "profile=3\n");
  EXPECT_EQ(f.Config()[7], u"ProfileShowCount=4");
  EXPECT_EQ(f.SlotLine(3, 2), u"ProfileName=Work");
  EXPECT_EQ(f.Run({"profile", "add", "  "}).out, "profile=4\n");  // spaces are a name
  EXPECT_EQ(f.SlotLine(4, 2), u"ProfileName=  ");

  const auto full = f.folder.Snapshot();
  run = f.Run({"profile", "add", "Sixth"});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, f.Refusal(145));
  EXPECT_EQ(f.folder.Snapshot(), full);
}

TEST(ProfileCli, NamesMustNotBeEmpty) {
  ProfileFolder f;
  const auto before = f.folder.Snapshot();
  for (const std::vector<std::string>& args :
       std::vector<std::vector<std::string>>{{"profile", "add", ""}, {"profile", "rename", "1", ""}}) {
    const auto run = f.Run(args);
    EXPECT_EQ(run.status, 1) << args[1];
    EXPECT_EQ(run.err, f.Refusal(147)) << args[1];
  }
  // A line break would split the profile file's name line.
  EXPECT_EQ(f.Run({"profile", "rename", "1", "two\nlines"}).status, 2);
  EXPECT_EQ(f.folder.Snapshot(), before);
}

TEST(ProfileCli, RenameKeepsEverythingElse) {
  ProfileFolder f;
  const std::u16string dpiLine = f.SlotLine(1, 27);
  ASSERT_EQ(f.Run({"profile", "rename", "1", "Göteborg 日本"}).status, 0);
  EXPECT_EQ(f.SlotLine(1, 2), u"ProfileName=Göteborg 日本");
  EXPECT_EQ(f.SlotLine(1, 27), dpiLine);
  EXPECT_EQ(OutputLines(f.Run({"profile", "list"}).out)[3], "profile.1=Göteborg 日本");
}

TEST(ProfileCli, DeleteRemovesFromTheListButNotTheCurrentProfile) {
  ProfileFolder f;
  const auto before = f.folder.Snapshot();
  auto run = f.Run({"profile", "delete", "0"});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, f.Refusal(152));
  EXPECT_EQ(f.folder.Snapshot(), before);

  ASSERT_EQ(f.Run({"profile", "rename", "1", "Kept"}).status, 0);
  run = f.Run({"profile", "delete", "1"});
  EXPECT_EQ(run.status, 0) << run.err;
  const auto config = f.Config();
  const std::vector<std::u16string> list(config.begin() + 7, config.begin() + 13);
  EXPECT_EQ(list, (std::vector<std::u16string>{u"ProfileShowCount=2", u"ProfileShowList0=0", u"ProfileShowList1=2",
                                               u"ProfileShowList2=3", u"ProfileShowList3=4", u"ProfileShowList4=1"}));
  // The record itself keeps its contents while it is hidden.
  EXPECT_EQ(f.SlotLine(1, 2), u"ProfileName=Kept");
  EXPECT_EQ(f.Run({"profile", "delete", "1"}).status, 1);  // no longer in the list
}

TEST(ProfileCli, DeleteRefusesTheCurrentProfileWhereverItIs) {
  ProfileFolder f;
  auto config = f.Config();
  config[6] = u"CurrentProfile=2";
  f.folder.PutText("config/config.ini", testing::JoinLines(config));
  EXPECT_EQ(f.Run({"profile", "delete", "2"}).err, f.Refusal(152));
  EXPECT_EQ(f.Run({"profile", "delete", "0"}).status, 0);
}

TEST(ProfileCli, ExportAndImportMoveAProfileBetweenSlots) {
  ProfileFolder f;
  ASSERT_EQ(f.Run({"profile", "rename", "1", "Travel"}).status, 0);
  const auto file = f.folder.Path("travel.psf");
  ASSERT_EQ(f.Run({"profile", "export", "1", file.string()}).status, 0);
  EXPECT_EQ(f.folder.Bytes("travel.psf"), f.folder.Bytes("config/default1.psf"));

  const auto run = f.Run({"profile", "import", "4", file.string()});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(f.folder.Bytes("config/default4.psf"), f.folder.Bytes("travel.psf"));
  EXPECT_EQ(f.Run({"profile", "export", "1", f.folder.Path("no/such/dir/x.psf").string()}).status, 1);
}

TEST(ProfileCli, FailedImportLeavesTheProfileAndItsFileAsTheyWere) {
  ProfileFolder f;
  ASSERT_EQ(f.Run({"profile", "rename", "2", "Mine"}).status, 0);
  std::string damaged = f.folder.Bytes("config/default2.psf");
  damaged.resize(damaged.size() - 300);
  f.folder.PutBytes("damaged.psf", damaged);
  std::filesystem::create_directories(f.folder.Path("a-folder"));
  ASSERT_EQ(::mkfifo(f.folder.Path("a-fifo").c_str(), 0600), 0);
  for (const char* name : {"damaged.psf", "missing.psf", "a-folder", "a-fifo"}) {
    const auto before = f.folder.Snapshot();
    const auto run = f.Run({"profile", "import", "2", f.folder.Path(name).string()});
    EXPECT_EQ(run.status, 1) << name;
    EXPECT_NE(run.err.find(f.folder.Path(name).string() + ": "), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("profile 2 was left as it was"), std::string::npos) << run.err;
    EXPECT_EQ(f.SlotLine(2, 2), u"ProfileName=Mine") << name;
    EXPECT_EQ(f.folder.Snapshot(), before) << name;
  }
}

TEST(ProfileCli, UsageErrors) {
  ProfileFolder f;
  const auto before = f.folder.Snapshot();
  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
           {"profile"}, {"profile", "bogus"}, {"profile", "list", "x"}, {"profile", "add"},
           {"profile", "add", "a", "b"}, {"profile", "rename", "5", "x"}, {"profile", "delete", "x"},
           {"profile", "export", "1"}, {"profile", "import", "-1", "f"}}) {
    EXPECT_EQ(f.Run(args).status, 2) << args.size();
  }
  EXPECT_EQ(f.folder.Snapshot(), before);
}

}  // namespace
}  // namespace corvane
