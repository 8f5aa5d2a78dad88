#include <gtest/gtest.h>

#include <memory>

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

TEST(InitCli, DamagedFilesAreReplacedByDefaults) {
  TempDataFolder folder;
  ASSERT_EQ(RunCorvanectl(folder.Root(), {"init"}).status, 0);
  const auto good = folder.Snapshot();
  // A profile cut in half and a configuration with a line too many.
  const std::string profile = folder.Bytes("config/default3.psf");
  folder.PutBytes("config/default3.psf", profile.substr(0, profile.size() / 2 + 1));
  folder.PutBytes("config/config.ini", folder.Bytes("config/config.ini") + std::string("\n\0", 2));
  EXPECT_EQ(RunCorvanectl(folder.Root(), {"init"}).status, 0);
  EXPECT_EQ(folder.Snapshot(), good);
}

TEST(InitCli, TakesNoArguments) {
  TempDataFolder folder;
  EXPECT_EQ(RunCorvanectl(folder.Root(), {"init", "now"}).status, 2);
}

}  // namespace
}  // namespace corvane
