#include <gtest/gtest.h>

#include <algorithm>

#include "device/FirmwareImages.h"
#include "device/FirmwareTexts.h"
#include "device/ImageChecksum.h"
#include "support/DeviceCliHelpers.h"

namespace corvane {
namespace {

using testing::LanguageText;
using testing::OutputLines;
using testing::RunCorvanectl;
using testing::TempDataFolder;
using testing::TraceLines;
using testing::TraceOf;
using testing::WriteSimState;

std::string CarriedChecksum() { return Utf8(DeviceChecksumText(ImageChecksum(ApplicationImage())).substr(10)); }
std::string OldChecksum() {
  return Utf8(DeviceChecksumText(ImageChecksum(SyntheticApplicationImage(kSimFactoryApplicationVersion))).substr(10));
}

std::vector<std::string> UpdateArgs(const std::string& stateFile, const std::string& trace = "") {
  std::vector<std::string> a{"--simulate", "--sim-state", stateFile, "--no-wait"};
  if (!trace.empty()) a.insert(a.end(), {"--trace", trace});
  a.insert(a.end(), {"firmware", "update"});
  return a;
}

std::size_t Count(const std::vector<std::string>& lines, const std::string& line) {
  return static_cast<std::size_t>(std::count(lines.begin(), lines.end(), line));
}

TEST(FirmwareUpdateCli, UpdatesAnOlderMouseThenFindsItUpToDate) {
  TempDataFolder folder;
  const std::string state = WriteSimState(folder, SimState{});
  const auto trace = folder.Path("trace.txt");
  const auto run = RunCorvanectl(folder.Root(), UpdateArgs(state, trace.string()));
  ASSERT_EQ(run.status, 0) << run.err;
  const auto out = OutputLines(run.out);
  ASSERT_GE(out.size(), 8u);
  EXPECT_EQ(out[0], "CS1:" + CarriedChecksum());
  EXPECT_EQ(out[1], "Device CS:" + OldChecksum());
  EXPECT_EQ(out[2], "0%");
  EXPECT_EQ(out[3], LanguageText(folder, 299));
  EXPECT_EQ(out[4], LanguageText(folder, 300));
  EXPECT_EQ(Count(out, LanguageText(folder, 303)), 1u);
  EXPECT_EQ(Count(out, "100.0%"), 1u);
  EXPECT_EQ(Count(out, LanguageText(folder, 306) + "  ....20"), 1u);
  EXPECT_EQ(out[out.size() - 2], "Device CS:" + CarriedChecksum());
  EXPECT_EQ(out.back(), LanguageText(folder, 293));

  // The pauses of the update are in the trace, though nothing waited for them.
  const auto lines = TraceLines(trace);
  const auto sleeps = TraceOf(lines, "sleep");
  EXPECT_EQ(Count(sleeps, "sleep 40"), 794u);
  EXPECT_EQ(Count(sleeps, "sleep 3000"), 1u);
  EXPECT_EQ(Count(sleeps, "sleep 1000"), 26u);
  EXPECT_EQ(Count(sleeps, "sleep 5"), 2u * (1 + 32 + 1 + 794 + 1 + 1));
  const auto sets = TraceOf(lines, "set");
  ASSERT_GE(sets.size(), 2u);
  EXPECT_EQ(sets[sets.size() - 2].substr(0, 24), "set wired BF 00 00 02 00");  // the restart
  EXPECT_EQ(sets.back().substr(0, 34), "set wired BF 00 10 00 00 02 B0 70 ");  // the final query

  // The state file keeps the new firmware: the next run only asks for the checksum.
  const auto again = folder.Path("again.txt");
  const auto second = RunCorvanectl(folder.Root(), UpdateArgs(state, again.string()));
  EXPECT_EQ(second.status, 0) << second.err;
  EXPECT_EQ(OutputLines(second.out),
            (std::vector<std::string>{"CS1:" + CarriedChecksum(), "Device CS:" + CarriedChecksum(), LanguageText(folder, 293)}));
  const auto secondLines = TraceLines(again);
  ASSERT_EQ(TraceOf(secondLines, "set").size(), 1u);
  EXPECT_EQ(TraceOf(secondLines, "set")[0].substr(0, 34), "set wired BF 00 10 00 00 02 B0 70 ");
  // Besides the link-state read of the scan, one read: the checksum.
  const auto gets = TraceOf(secondLines, "get");
  EXPECT_EQ(std::count_if(gets.begin(), gets.end(), [](const std::string& g) { return g.rfind("get wired BF", 0) == 0; }),
            1);
  EXPECT_EQ(TraceOf(secondLines, "sleep"), (std::vector<std::string>{"sleep 5", "sleep 5"}));
}

TEST(FirmwareUpdateCli, FailuresEndWithTheirMessageAndExitOne) {
  struct Case {
    const char* what;
    void (*setup)(SimState&);
    int text;
    bool gone;
  };
  const Case cases[] = {
      {"read-back differs", [](SimState& s) { s.faults.fwCorruptReadBack = true; }, 307, false},
      {"checksum stays old", [](SimState& s) { s.faults.fwChecksumStuck = true; }, 308, false},
      {"version 1", [](SimState& s) { s.wiredVersion = 0x0107; }, 292, false},
      {"cable pulled while writing", [](SimState& s) { s.faults.unplugAtFrame = 300; }, 291, true},
  };
  for (const auto& c : cases) {
    TempDataFolder folder;
    SimState state;
    c.setup(state);
    const auto run = RunCorvanectl(folder.Root(), UpdateArgs(WriteSimState(folder, state)));
    EXPECT_EQ(run.status, 1) << c.what;
    EXPECT_EQ(OutputLines(run.out).back(), LanguageText(folder, c.text)) << c.what;
    const std::string reason = c.gone ? "the mouse was disconnected during the firmware update: " : "";
    EXPECT_EQ(run.err, "corvanectl: " + reason + LanguageText(folder, c.text) + "\n") << c.what;
  }
}

TEST(FirmwareUpdateCli, JsonReportsTheOutcome) {
  TempDataFolder folder;
  SimState state;
  state.firmware.InstallApplication(ApplicationImage());
  auto args = UpdateArgs(WriteSimState(folder, state));
  args.insert(args.begin(), "--json");
  const auto run = RunCorvanectl(folder.Root(), args);
  EXPECT_EQ(run.status, 0) << run.err;
  // The phase it reached, then the outcome (progress lines: FirmwareProgressCliTest.cpp).
  EXPECT_EQ(OutputLines(run.out),
            (std::vector<std::string>{"{\"phase\":\"" + LanguageText(folder, 293) + "\",\"percent\":0.0}",
                                      "{\"result\":\"up-to-date\",\"imageChecksum\":\"" + CarriedChecksum() +
                                          "\",\"deviceChecksum\":\"" + CarriedChecksum() + "\",\"message\":\"" +
                                          LanguageText(folder, 293) + "\"}"}));
}

TEST(FirmwareUpdateCli, RefusalsAndUsage) {
  TempDataFolder folder;
  const auto receiverOnly = RunCorvanectl(folder.Root(), {"--simulate=receiver", "--no-wait", "firmware", "update"});
  EXPECT_EQ(receiverOnly.status, 1);
  EXPECT_EQ(receiverOnly.err, "corvanectl: " + LanguageText(folder, 291) + "\n");
  // A real mouse needs the pauses; --no-wait is for the simulated one.
  EXPECT_EQ(RunCorvanectl(folder.Root(), {"--no-wait", "firmware", "update"}).status, 2);
  EXPECT_EQ(RunCorvanectl(folder.Root(), {"--simulate", "--no-wait", "firmware", "update", "now"}).status, 2);
}

}  // namespace
}  // namespace corvane
