#include <gtest/gtest.h>

#include "session/StartupLoad.h"
#include "settings/ConfigTable.h"
#include "settings/ProfileFile.h"
#include "support/DeviceCliHelpers.h"

namespace corvane {
namespace {

using testing::NotConnectedError;
using testing::RunCorvanectl;
using testing::TempDataFolder;
using testing::TraceLines;
using testing::TraceOf;
using testing::WriteSimState;

const std::string kZeros26 = " 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00";

// A data folder whose current profile is 2, named "Mine", with a key debounce and a
// pointer speed of its own.
std::unique_ptr<AppContext> ChangedFolder(const TempDataFolder& folder) {
  EXPECT_EQ(RunCorvanectl(folder.Root(), {"init"}).status, 0);
  auto app = std::make_unique<AppContext>();
  app->DataFolder = folder.Root();
  RunStartupLoad(*app);
  app->Config.SetCurrentProfile(2);
  EXPECT_TRUE(SaveConfig(*app));
  ProfileRecord& r = app->Profiles[2];
  r.SetProfileName(u"Mine");
  r.SetKeyDebounce(9);
  r.SetPointerSpeed(3);
  EXPECT_TRUE(WriteProfileFile(r, ProfileSlotPath(*app, 2)));
  return app;
}

TEST(ResetCli, ResetsTheMouseAndTheCurrentProfileKeepingItsName) {
  TempDataFolder folder;
  const auto app = ChangedFolder(folder);
  const auto before = folder.Snapshot();
  const auto trace = folder.Path("trace.txt");
  const auto run = RunCorvanectl(folder.Root(), {"--simulate", "--no-wait", "--trace", trace.string(), "reset"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "reset profile=2 name=Mine\n");

  ProfileRecord expected;
  ResetProfileToDefaults(expected, 2, app->Language, app->Dpi.SensorId);
  expected.SetProfileName(u"Mine");
  EXPECT_EQ(folder.Bytes("config/default2.psf"), testing::Utf16File(ProfileFileText(expected)));
  // Nothing else of the folder changes.
  auto after = folder.Snapshot();
  std::erase_if(after, [](const auto& f) { return f.first.ends_with("default2.psf") || f.first.ends_with("trace.txt"); });
  auto kept = before;
  std::erase_if(kept, [](const auto& f) { return f.first.ends_with("default2.psf"); });
  EXPECT_EQ(after, kept);

  const auto lines = TraceLines(trace);
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0].substr(0, 24), "get wired 08 43 52 56 4E");
  EXPECT_EQ(lines[1], "set wired 09 0F 01 01 19 FF" + kZeros26);
  EXPECT_EQ(lines[2], "sleep 60");
  EXPECT_EQ(lines[3].substr(0, 15), "get wired 09 01");
}

TEST(ResetCli, AMouseThatDoesNotTakeTheResetLeavesTheProfileAlone) {
  struct Case {
    const char* what;
    SimFaults faults;
    int status;
    std::string error;
    std::size_t frames;
    std::size_t pauses;
  };
  SimFaults noAck;
  noAck.noAck = true;
  SimFaults unplug;
  unplug.unplugAtFrame = 1;
  SimFaults third;
  third.ackAfterAttempts = 3;
  const Case cases[] = {
      {"never acknowledged: four attempts, 60 ms pauses", noAck, 1,
       "corvanectl: the mouse did not acknowledge the factory reset\n", 4, 8},
      {"unplugged by the reset frame", unplug, 1, "corvanectl: the mouse was disconnected during the factory reset\n", 1,
       0},
      {"taken at the third attempt", third, 0, "", 3, 5},
  };
  for (const auto& c : cases) {
    TempDataFolder folder;
    ChangedFolder(folder);
    const std::string profileBefore = folder.Bytes("config/default2.psf");
    SimState state;
    state.faults = c.faults;
    const std::string stateFile = WriteSimState(folder, state);
    const auto trace = folder.Path("trace.txt");
    const auto run = RunCorvanectl(
        folder.Root(), {"--simulate", "--sim-state", stateFile, "--no-wait", "--trace", trace.string(), "reset"});
    EXPECT_EQ(run.status, c.status) << c.what;
    EXPECT_EQ(run.err, c.error) << c.what;
    EXPECT_EQ(folder.Bytes("config/default2.psf") == profileBefore, c.status != 0) << c.what;
    const auto lines = TraceLines(trace);
    const auto sets = TraceOf(lines, "set");
    ASSERT_EQ(sets.size(), c.frames) << c.what;
    // Each attempt is a new frame: the sequence number counts on and the checksum follows.
    for (std::size_t i = 0; i < sets.size(); ++i) {
      char head[64];
      std::snprintf(head, sizeof head, "set wired 09 0F %02zX 01 %02zX FF", i + 1, 0x19 + i);
      EXPECT_EQ(sets[i], head + kZeros26) << c.what;
    }
    const auto sleeps = TraceOf(lines, "sleep");
    EXPECT_EQ(sleeps, std::vector<std::string>(c.pauses, "sleep 60")) << c.what;
  }
}

TEST(ResetCli, RefusedWithoutAReachableMouse) {
  struct Case {
    const char* what;
    std::string roles;
    bool linked;
  };
  const Case cases[] = {
      {"no device at all", "", true},
      {"receiver whose mouse is not linked", "receiver", false},
  };
  for (const auto& c : cases) {
    TempDataFolder folder;
    ChangedFolder(folder);
    const auto before = folder.Snapshot();
    SimState state;
    state.receiver.linked = c.linked;
    const std::string stateFile = WriteSimState(folder, state);
    const auto trace = folder.Path("trace.txt");
    const auto run = RunCorvanectl(folder.Root(), {"--simulate=" + c.roles, "--sim-state", stateFile, "--no-wait",
                                                   "--trace", trace.string(), "reset"});
    EXPECT_EQ(run.status, 1) << c.what;
    EXPECT_EQ(run.err, NotConnectedError(folder)) << c.what;
    EXPECT_TRUE(TraceOf(TraceLines(trace), "set").empty()) << c.what;
    auto after = folder.Snapshot();
    std::erase_if(after, [](const auto& f) { return f.first.ends_with("trace.txt") || f.first.ends_with("sim-state.txt"); });
    auto kept = before;
    std::erase_if(kept, [](const auto& f) { return f.first.ends_with("sim-state.txt"); });
    EXPECT_EQ(after, kept) << c.what;
  }
}

TEST(ResetCli, SimulatedMouseRemembersTheResetAcrossRuns) {
  TempDataFolder folder;
  SimState state;
  state.mouse.settings.debounce = 9;
  const std::string stateFile = WriteSimState(folder, state);
  EXPECT_EQ(RunCorvanectl(folder.Root(), {"--simulate", "--sim-state", stateFile, "--no-wait", "reset"}).status, 0);
  SimState after;
  ASSERT_EQ(LoadSimState(stateFile, after), SimStateLoad::Loaded);
  EXPECT_EQ(after.mouse.settings, FactorySettings(after.mouse.sensorLetter));
}

}  // namespace
}  // namespace corvane
