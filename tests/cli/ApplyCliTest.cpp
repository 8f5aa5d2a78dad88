// corvanectl apply and profile select: only what differs from what the mouse holds is
// sent.
#include <gtest/gtest.h>

#include "support/ApplyCliHelpers.h"

namespace corvane {
namespace {

using testing::RunCorvanectl;
using testing::RunOnSimulatedMouse;
using testing::ShowValue;
using testing::TempDataFolder;

std::vector<std::string> Commands(const std::vector<std::string>& frames) {
  std::vector<std::string> out;
  for (const auto& f : frames) out.push_back(f.substr(13, 2));  // "set wired 09 CC"
  return out;
}

TEST(ApplyCli, UnchangedProfileSendsNothing) {
  TempDataFolder folder;
  const auto r = RunOnSimulatedMouse(folder, {"apply"});
  EXPECT_EQ(r.run.status, 0) << r.run.err;
  EXPECT_TRUE(r.frames.empty());
  EXPECT_EQ(RunOnSimulatedMouse(folder, {"apply", "now"}).run.status, 2);
}

TEST(ApplyCli, ProfileSelectSendsTheDifferences) {
  TempDataFolder folder;
  EXPECT_EQ(RunOnSimulatedMouse(folder, {"profile", "select", "1"}).run.status, 0);
  EXPECT_EQ(ShowValue(folder, "profile"), "1");
  ASSERT_EQ(RunOnSimulatedMouse(folder, {"set", "dpi.0=400", "polling=500"}).run.status, 0);

  // Back to profile 0: its DPI levels (with the colours) and its polling rate go out.
  const auto back = RunOnSimulatedMouse(folder, {"profile", "select", "0"});
  EXPECT_EQ(back.run.status, 0) << back.run.err;
  EXPECT_EQ(Commands(back.frames), (std::vector<std::string>{"02", "02", "03", "04"}));
  EXPECT_EQ(ShowValue(folder, "profile"), "0");

  // Profiles that are not in the list have no tab to click.
  const auto hidden = RunOnSimulatedMouse(folder, {"profile", "select", "4"});
  EXPECT_EQ(hidden.run.status, 1);
  EXPECT_EQ(hidden.run.err, "corvanectl: profile 4 is not in the profile list; add it first\n");
  EXPECT_EQ(RunOnSimulatedMouse(folder, {"profile", "select", "5"}).run.status, 2);
  EXPECT_EQ(ShowValue(folder, "profile"), "0");
  // Without a mouse nothing changes.
  EXPECT_EQ(RunOnSimulatedMouse(folder, {"profile", "select", "1"}, "").run.status, 1);
  EXPECT_EQ(ShowValue(folder, "profile"), "0");
}

}  // namespace
}  // namespace corvane
