// corvanectl monitor and the decoded status reports: each report printed as decoded, the
// profile following what the mouse reports and saved before the command ends.
#include <gtest/gtest.h>

#include "support/ApplyCliHelpers.h"

namespace corvane {
namespace {

using testing::OutputLines;
using testing::RunCorvanectl;
using testing::ShowValue;
using testing::TempDataFolder;
using testing::WriteSimState;

// The receiver pairs and links its mouse 100 ms from now, and reports it.
SimState PairingReceiver() {
  SimState state;
  state.receiver.linked = false;
  state.receiver.pairing = true;
  state.receiver.pairingFindsMouse = true;
  state.receiver.pairingLeftMs = 100;
  return state;
}

testing::CliRun Monitor(const TempDataFolder& folder, const SimState& state, std::vector<std::string> args,
                        const std::string& roles = "receiver") {
  const std::string stateFile = WriteSimState(folder, state);
  std::vector<std::string> all{"--simulate=" + roles, "--sim-state", stateFile, "--no-wait"};
  all.insert(all.end(), args.begin(), args.end());
  return RunCorvanectl(folder.Root(), all);
}

constexpr const char* kInLine =
    "report receiver link=1 dpi-level=2 polling=1000 battery=100 charge=0 lighting-mode=1 quick-launch=0 "
    "sensor=0x3311 move-lighting=0 sleep=1 lightoff=1 color=FF0000 speed=2";

TEST(MonitorCli, ReportOfWhatTheProfileHolds) {
  TempDataFolder folder;
  const auto run = Monitor(folder, PairingReceiver(), {"monitor", "--count", "1"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(OutputLines(run.out), std::vector<std::string>{kInLine});

  // Without a count the virtual time runs on until nothing has come for a while; the
  // garbage a misbehaving device sends in between is not shown.
  TempDataFolder other;
  SimState noisy = PairingReceiver();
  noisy.faults.garbageReports = true;
  const auto all = Monitor(other, noisy, {"monitor"});
  EXPECT_EQ(all.status, 0) << all.err;
  EXPECT_EQ(OutputLines(all.out), std::vector<std::string>{kInLine});
}

TEST(MonitorCli, ReportedChangeIsTakenAndSaved) {
  TempDataFolder folder;
  SimState state = PairingReceiver();
  state.mouse.settings.dpiLevel = 4;
  state.mouse.settings.power[0] = 12;
  state.mouse.charge = 2;
  state.mouse.battery = 40;
  const auto run = Monitor(folder, state, {"--json", "monitor", "--count", "1"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out,
            "{\"role\":\"receiver\",\"link\":1,\"dpiLevel\":4,\"pollingHz\":1000,\"battery\":100,\"charge\":2,"
            "\"lightingMode\":1,\"quickLaunch\":0,\"sensor\":\"0x3311\",\"moveLighting\":0,\"sleep\":12,"
            "\"lightoff\":1,\"color\":\"FF0000\",\"speed\":2,\"changed\":true,\"sensorChanged\":false}\n");
  EXPECT_EQ(ShowValue(folder, "dpi.level"), "4");
  EXPECT_EQ(ShowValue(folder, "power.sleep"), "12");
}

TEST(MonitorCli, UsageAndNoDevice) {
  TempDataFolder folder;
  EXPECT_EQ(Monitor(folder, SimState{}, {"monitor", "--count", "0"}).status, 2);
  EXPECT_EQ(Monitor(folder, SimState{}, {"monitor", "--count"}).status, 2);
  EXPECT_EQ(Monitor(folder, SimState{}, {"monitor", "now"}).status, 2);
  const auto none = Monitor(folder, SimState{}, {"monitor"}, "");
  EXPECT_EQ(none.status, 1);
  EXPECT_EQ(none.err, testing::NotConnectedError(folder));
}

}  // namespace
}  // namespace corvane
