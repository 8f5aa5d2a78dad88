#include <gtest/gtest.h>

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

TEST(PairCli, ReceiverLinksAMouse) {
  TempDataFolder folder;
  const auto trace = folder.Path("trace.txt");
  const auto run =
      RunCorvanectl(folder.Root(), {"--simulate=wired,receiver", "--no-wait", "--trace", trace.string(), "pair"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(OutputLines(run.out), (std::vector<std::string>{LanguageText(folder, 279), LanguageText(folder, 282)}));
  const auto lines = TraceLines(trace);
  // The request goes to the receiver only, even with the cable mouse present.
  const auto pairing = TraceOf(lines, "set");
  ASSERT_EQ(pairing.size(), 1u);
  EXPECT_EQ(pairing[0], "set receiver BC 03 00 00 00 00 00 00");
  EXPECT_EQ(TraceOf(lines, "sleep"), (std::vector<std::string>{"sleep 1000", "sleep 1000"}));
}

TEST(PairCli, NoMouseToFind) {
  struct Case {
    std::vector<std::string> args;
    std::size_t ticks;
  };
  const Case cases[] = {
      {{"pair"}, 26},
      {{"pair", "--timeout", "3"}, 4},
      {{"pair", "--timeout", "0"}, 1},
  };
  for (const auto& c : cases) {
    TempDataFolder folder;
    SimState state;
    state.faults.pairingFails = true;
    std::vector<std::string> args{"--simulate=receiver", "--sim-state", WriteSimState(folder, state), "--no-wait"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    const auto run = RunCorvanectl(folder.Root(), args);
    EXPECT_EQ(run.status, 1) << c.ticks;
    const auto out = OutputLines(run.out);
    EXPECT_EQ(out.size(), c.ticks);
    EXPECT_EQ(out.back(), LanguageText(folder, 281));
    EXPECT_EQ(run.err, "corvanectl: " + LanguageText(folder, 281) + "\n");
  }
}

TEST(PairCli, JsonRefusalsAndUsage) {
  TempDataFolder folder;
  const auto json = RunCorvanectl(folder.Root(), {"--simulate=receiver", "--no-wait", "--json", "pair"});
  EXPECT_EQ(json.status, 0) << json.err;
  EXPECT_EQ(json.out, "{\"state\":\"paired\",\"seconds\":1}\n");

  const auto cableOnly = RunCorvanectl(folder.Root(), {"--simulate=wired", "--no-wait", "pair"});
  EXPECT_EQ(cableOnly.status, 1);
  EXPECT_EQ(cableOnly.err, "corvanectl: pair: no receiver is connected\n");

  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"pair", "--timeout"}, std::vector<std::string>{"pair", "--timeout", "-1"},
        std::vector<std::string>{"pair", "--timeout", "3601"}, std::vector<std::string>{"pair", "now"}}) {
    std::vector<std::string> full{"--simulate=receiver", "--no-wait"};
    full.insert(full.end(), args.begin(), args.end());
    EXPECT_EQ(RunCorvanectl(folder.Root(), full).status, 2) << args.back();
  }
}

}  // namespace
}  // namespace corvane
