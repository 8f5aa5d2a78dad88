#include <gtest/gtest.h>

#include <sys/stat.h>

#include "support/DeviceCliHelpers.h"

namespace corvane {
namespace {

using testing::NotConnectedError;
using testing::OutputLines;
using testing::RunCorvanectl;
using testing::TempDataFolder;
using testing::TraceLines;
using testing::TraceOf;

TEST(DevicesCli, ListsThePresentConnections) {
  struct Case {
    std::string roles;
    std::vector<std::string> out;
  };
  const Case cases[] = {
      {"wired", {"wired feature=sim:wired:feature input=sim:wired:input version=0x0201", "active=wired"}},
      {"receiver,wired",
       {"wired feature=sim:wired:feature input=sim:wired:input version=0x0201",
        "receiver feature=sim:receiver:feature input=sim:receiver:input version=0x0110", "active=wired"}},
      {"bluetooth,receiver",
       {"receiver feature=sim:receiver:feature input=sim:receiver:input version=0x0110",
        "bluetooth feature=sim:bluetooth:feature input=sim:bluetooth:input version=0x0201", "active=bluetooth"}},
  };
  for (const auto& c : cases) {
    TempDataFolder folder;
    const auto run = RunCorvanectl(folder.Root(), {"--simulate=" + c.roles, "devices"});
    EXPECT_EQ(run.status, 0) << c.roles << run.err;
    EXPECT_EQ(OutputLines(run.out), c.out) << c.roles;
  }
}

TEST(DevicesCli, JsonListing) {
  TempDataFolder folder;
  const auto run = RunCorvanectl(folder.Root(), {"--simulate=receiver", "--json", "devices"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out,
            "{\"active\":\"receiver\",\"devices\":[{\"role\":\"receiver\",\"feature\":\"sim:receiver:feature\","
            "\"input\":\"sim:receiver:input\",\"version\":\"0x0110\",\"open\":true}]}\n");
}

TEST(DevicesCli, OptionErrors) {
  TempDataFolder folder;
  struct Case {
    std::vector<std::string> args;
    int status;
  };
  const Case cases[] = {
      {{"--simulate=wired,mouse", "devices"}, 2},
      {{"--sim-state", folder.Path("s.txt").string(), "devices"}, 2},
      {{"--simulate", "devices", "extra"}, 2},
      {{"--simulate", "--trace", folder.Path("no/such/folder/t.txt").string(), "devices"}, 1},
      // A pipe nobody reads is refused at once instead of waiting for a reader.
      {{"--simulate", "--trace", folder.Path("unread.fifo").string(), "devices"}, 1},
  };
  ASSERT_EQ(::mkfifo(folder.Path("unread.fifo").c_str(), 0600), 0);
  for (const auto& c : cases) {
    const auto run = RunCorvanectl(folder.Root(), c.args);
    EXPECT_EQ(run.status, c.status) << c.args[0] << " " << c.args[1];
    EXPECT_FALSE(run.err.empty());
    EXPECT_EQ(run.out, "");
  }
  const auto fifo = RunCorvanectl(folder.Root(), cases[4].args);
  EXPECT_NE(fifo.err.find(folder.Path("unread.fifo").string() + ": no program reads this pipe"), std::string::npos)
      << fifo.err;
}

// Every command frame and link-state read goes to the first open connection in the order
// cable, Bluetooth, receiver; with none, nothing is sent and the command says so.
TEST(DeviceCli, RoutingOfFramesAndLinkStateReads) {
  struct Case {
    std::string roles;
    std::string target;  // empty: no device
  };
  const Case cases[] = {
      {"receiver,wired", "wired"},
      {"receiver,bluetooth", "bluetooth"},
      {"wired,receiver,bluetooth", "wired"},
      {"receiver", "receiver"},
      {"", ""},
  };
  for (const auto& c : cases) {
    for (const std::string command : {"reset", "status"}) {
      TempDataFolder folder;
      const auto trace = folder.Path("trace.txt");
      std::vector<std::string> args{"--simulate=" + c.roles, "--no-wait", "--trace", trace.string(), command};
      if (command == "status") args.insert(args.end(), {"--wait", "0"});
      const auto run = RunCorvanectl(folder.Root(), args);
      const std::string what = command + " with [" + c.roles + "]";
      const auto lines = TraceLines(trace);
      if (c.target.empty()) {
        EXPECT_EQ(run.status, 1) << what;
        EXPECT_EQ(run.err, NotConnectedError(folder)) << what;
        EXPECT_TRUE(lines.empty()) << what;
        continue;
      }
      EXPECT_EQ(run.status, 0) << what << run.err;
      auto exchanges = TraceOf(lines, "set");
      const auto gets = TraceOf(lines, "get");
      exchanges.insert(exchanges.end(), gets.begin(), gets.end());
      for (const auto& l : exchanges)
        EXPECT_TRUE(l.rfind("set " + c.target + " ", 0) == 0 || l.rfind("get " + c.target + " ", 0) == 0)
            << what << ": " << l;
      EXPECT_EQ(std::count_if(gets.begin(), gets.end(),
                              [&](const std::string& l) { return l.rfind("get " + c.target + " 08 ", 0) == 0; }),
                1)
          << what;
      if (command == "reset") {
        const auto sets = TraceOf(lines, "set");
        ASSERT_EQ(sets.size(), 1u) << what;
        EXPECT_EQ(sets[0].substr(0, sets[0].find(" 09 ")), "set " + c.target) << what;
      }
    }
  }
}

}  // namespace
}  // namespace corvane
