#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <memory>
#include <tuple>

#include "support/CorvanectlRun.h"
#include "support/DefaultProfileGolden.h"
#include "support/InstalledLanguage.h"
#include "support/TempDataFolder.h"

namespace corvane {
namespace {

using testing::DefaultConfigLines;
using testing::DefaultProfileLines;
using testing::JoinLines;
using testing::RunCorvanectl;
using testing::TempDataFolder;
using testing::Utf16File;

TEST(InitCli, EmptyFolderGetsByteExactFilesThatASecondInitKeeps) {
  TempDataFolder folder;
  const auto run = RunCorvanectl(folder.Root(), {"init"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(folder.Bytes("config/config.ini"), Utf16File(JoinLines(DefaultConfigLines())));
  const auto lang = testing::InstalledLanguage(folder.Root());
  ASSERT_FALSE(lang.Text(85).empty());
  for (int p = 0; p < 5; ++p) {
    const std::string name = "config/default" + std::to_string(p) + ".psf";
    EXPECT_EQ(folder.Bytes(name), Utf16File(JoinLines(DefaultProfileLines(lang, p)))) << name;
  }

  const auto before = folder.Snapshot();
  EXPECT_EQ(RunCorvanectl(folder.Root(), {"init"}).status, 0);
  EXPECT_EQ(folder.Snapshot(), before);
}

TEST(InitCli, DamagedFilesAreKeptAsideToldAndRewritten) {
  TempDataFolder folder;
  ASSERT_EQ(RunCorvanectl(folder.Root(), {"init"}).status, 0);
  const auto good = folder.Snapshot();
  // A profile cut in half and a configuration with a line too many.
  const std::string profile = folder.Bytes("config/default3.psf");
  const std::string cut = profile.substr(0, profile.size() / 2 + 1);
  folder.PutBytes("config/default3.psf", cut);
  const std::string longer = folder.Bytes("config/config.ini") + std::string("\n\0", 2);
  folder.PutBytes("config/config.ini", longer);
  const auto run = RunCorvanectl(folder.Root(), {"init"});
  EXPECT_EQ(run.status, 0);
  // Told once on stderr, each file by name; the damaged copies are kept beside them.
  const auto told = testing::OutputLines(run.err);
  ASSERT_EQ(told.size(), 2u) << run.err;
  EXPECT_EQ(told[0].rfind("corvanectl: config/config.ini: more than 17 settings", 0), 0u) << told[0];
  EXPECT_EQ(told[1].rfind("corvanectl: config/default3.psf: not a complete profile file", 0), 0u) << told[1];
  auto now = folder.Snapshot();
  std::vector<std::string> kept;
  for (auto it = now.begin(); it != now.end();) {
    if (it->first.find(".damaged-") == std::string::npos) {
      ++it;
      continue;
    }
    kept.push_back(it->second);
    it = now.erase(it);
  }
  EXPECT_EQ(kept, (std::vector<std::string>{longer, cut}));
  // What they still held is read; here that is everything the good files said.
  EXPECT_EQ(now, good);
  EXPECT_EQ(RunCorvanectl(folder.Root(), {"init"}).err, "");
}

TEST(InitCli, ReadOnlyCommandsWriteNoFile) {
  TempDataFolder folder;
  ASSERT_EQ(RunCorvanectl(folder.Root(), {"init"}).status, 0);
  // Every save puts a new file in place: the same inode and time mean nothing was written.
  const auto stamps = [&] {
    std::vector<std::tuple<std::string, std::uintmax_t, std::filesystem::file_time_type>> files;
    for (const auto& e : std::filesystem::recursive_directory_iterator(folder.Root())) {
      struct stat st {};
      ::stat(e.path().c_str(), &st);
      files.emplace_back(e.path().string(), static_cast<std::uintmax_t>(st.st_ino), e.last_write_time());
    }
    std::sort(files.begin(), files.end());
    return files;
  };
  const auto before = stamps();
  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
           {"show"}, {"show", "--profile", "3"}, {"profile", "list"}, {"macro", "list"}, {"init"}}) {
    EXPECT_EQ(RunCorvanectl(folder.Root(), args).status, 0) << args[0];
    EXPECT_EQ(stamps(), before) << args[0];
  }
}

TEST(InitCli, TakesNoArguments) {
  TempDataFolder folder;
  EXPECT_EQ(RunCorvanectl(folder.Root(), {"init", "now"}).status, 2);
}

}  // namespace
}  // namespace corvane
