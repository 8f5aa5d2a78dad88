#include <gtest/gtest.h>

#include "support/DeviceCliHelpers.h"

namespace corvane {
namespace {

using testing::NotConnectedError;
using testing::OutputLines;
using testing::RunCorvanectl;
using testing::TempDataFolder;
using testing::TraceLines;
using testing::TraceOf;
using testing::WriteSimState;

TEST(StatusCli, LinkState) {
  struct Case {
    const char* what;
    std::string roles;
    bool linked;
    bool garbage;
    std::vector<std::string> out;
  };
  const Case cases[] = {
      {"cable", "wired", true, false, {"connection=wired", "link=up"}},
      {"receiver with its mouse", "receiver", true, false, {"connection=receiver", "link=up"}},
      {"receiver without its mouse: byte 5 = 0", "receiver", false, false, {"connection=receiver", "link=down"}},
      // A reply with a wrong signature changes nothing: the link keeps its start value.
      {"reply with a wrong signature", "receiver", false, true, {"connection=receiver", "link=up (no reply)"}},
      {"Bluetooth before the receiver", "receiver,bluetooth", false, false, {"connection=bluetooth", "link=up"}},
  };
  for (const auto& c : cases) {
    TempDataFolder folder;
    SimState state;
    state.receiver.linked = c.linked;
    state.faults.garbageReports = c.garbage;
    const std::string stateFile = WriteSimState(folder, state);
    const auto run = RunCorvanectl(folder.Root(), {"--simulate=" + c.roles, "--sim-state", stateFile, "--no-wait",
                                                   "status", "--wait", "0"});
    EXPECT_EQ(run.status, 0) << c.what << run.err;
    EXPECT_EQ(OutputLines(run.out), c.out) << c.what;
  }
}

TEST(StatusCli, ReportsArrivingDuringTheWaitAreDecoded) {
  TempDataFolder folder;
  SimState state;
  // The receiver is pairing and links its mouse 100 ms from now; it reports that.
  state.receiver.linked = false;
  state.receiver.pairing = true;
  state.receiver.pairingFindsMouse = true;
  state.receiver.pairingLeftMs = 100;
  const std::string stateFile = WriteSimState(folder, state);
  const auto trace = folder.Path("trace.txt");
  const auto run = RunCorvanectl(folder.Root(), {"--simulate=receiver", "--sim-state", stateFile, "--no-wait",
                                                 "--trace", trace.string(), "status", "--wait", "300"});
  EXPECT_EQ(run.status, 0) << run.err;
  const auto out = OutputLines(run.out);
  ASSERT_EQ(out.size(), 3u) << run.out;
  EXPECT_EQ(out[1], "link=down");
  EXPECT_EQ(out[2],
            "report receiver link=1 dpi-level=2 polling=1000 battery=100 charge=0 lighting-mode=1 quick-launch=0 "
            "sensor=0x3311 move-lighting=0 sleep=1 lightoff=1 color=FF0000 speed=2");
  const auto lines = TraceLines(trace);
  EXPECT_EQ(TraceOf(lines, "sleep"), std::vector<std::string>{"sleep 300"});
  const auto input = TraceOf(lines, "input");
  ASSERT_EQ(input.size(), 1u);
  // Report 7 with the link flag set.
  EXPECT_EQ(input[0].substr(0, 26), "input receiver 07 01 02 01");

  const auto json = RunCorvanectl(folder.Root(), {"--simulate=receiver", "--sim-state", stateFile, "--no-wait",
                                                  "--json", "status", "--wait", "0"});
  EXPECT_EQ(json.out, "{\"connection\":\"receiver\",\"link\":\"up\",\"reports\":[]}\n");
}

TEST(StatusCli, WaitsInRealTimeWithoutNoWait) {
  TempDataFolder folder;
  const auto run = RunCorvanectl(folder.Root(), {"--simulate", "status", "--wait", "50"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(OutputLines(run.out), (std::vector<std::string>{"connection=wired", "link=up"}));
}

TEST(StatusCli, Refusals) {
  TempDataFolder folder;
  const auto none = RunCorvanectl(folder.Root(), {"--simulate=", "status"});
  EXPECT_EQ(none.status, 1);
  EXPECT_EQ(none.err, NotConnectedError(folder));
  for (const std::vector<std::string>& args : {std::vector<std::string>{"status", "--wait"},
                                                std::vector<std::string>{"status", "--wait", "-5"},
                                                std::vector<std::string>{"status", "--wait", "1e3"},
                                                std::vector<std::string>{"status", "now"}}) {
    std::vector<std::string> full{"--simulate"};
    full.insert(full.end(), args.begin(), args.end());
    EXPECT_EQ(RunCorvanectl(folder.Root(), full).status, 2) << args.back();
  }
}

}  // namespace
}  // namespace corvane
