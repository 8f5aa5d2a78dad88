// profile import lists what the imported buttons start and keeps it only with
// --allow-launch.
#include <gtest/gtest.h>

#include "support/ApplyCliHelpers.h"

namespace corvane {
namespace {

using testing::RunCorvanectl;
using testing::ShowValue;
using testing::TempDataFolder;

TEST(ProfileImportLaunchCli, TargetsAreListedAndKeptOnlyWhenAllowed) {
  // A profile file whose button 6 starts a program, as someone else's export.
  TempDataFolder source;
  ASSERT_EQ(RunCorvanectl(source.Root(), {"--simulate", "--no-wait", "button", "6", "launch:/usr/bin/evil"}).status,
            0);
  const std::string file = source.Path("shared.psf").string();
  ASSERT_EQ(RunCorvanectl(source.Root(), {"profile", "export", "0", file}).status, 0);

  struct Case {
    std::vector<std::string> args;
    const char* url;
    bool warned;
  };
  const Case cases[] = {
      {{"profile", "import", "1", file}, "", true},
      {{"profile", "import", "1", file, "--allow-launch"}, "/usr/bin/evil", false},
      {{"profile", "import", "--allow-launch", "1", file}, "/usr/bin/evil", false},
  };
  for (const auto& c : cases) {
    TempDataFolder folder;
    const auto run = RunCorvanectl(folder.Root(), c.args);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "launch.6=/usr/bin/evil\n");
    EXPECT_EQ(run.err.find("--allow-launch") != std::string::npos, c.warned) << run.err;
    const auto shown = RunCorvanectl(folder.Root(), {"show", "--profile", "1"});
    EXPECT_NE(shown.out.find(std::string("button.6.url=") + c.url + "\n"), std::string::npos) << shown.out;
    EXPECT_NE(shown.out.find("button.6.value=600500\n"), std::string::npos);
  }
}

TEST(ProfileImportLaunchCli, AProfileWithoutTargetsPrintsNothing) {
  TempDataFolder source;
  const std::string file = source.Path("plain.psf").string();
  ASSERT_EQ(RunCorvanectl(source.Root(), {"profile", "export", "0", file}).status, 0);
  TempDataFolder folder;
  const auto run = RunCorvanectl(folder.Root(), {"profile", "import", "2", file});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "");
}

}  // namespace
}  // namespace corvane
