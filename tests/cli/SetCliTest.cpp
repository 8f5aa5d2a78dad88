// corvanectl set: the frames each change sends to the simulated mouse, the checks made
// before anything changes, and the save written before the command ends.
#include <gtest/gtest.h>

#include "support/ApplyCliHelpers.h"

namespace corvane {
namespace {

using testing::RunOnSimulatedMouse;
using testing::SetLines;
using testing::ShowValue;
using testing::TempDataFolder;

// Defaults of sensor 0x3311: DPI steps 9, 15, 23, 31, 49, 119 (codes 0B, 12, 1B, 26, 3B,
// 8F), level 2, mask 3F; lighting mode 1 with brightness 3, speed 1, direction 1.
TEST(SetCli, EachChangeSendsItsFrames) {
  struct Case {
    std::vector<std::string> args;
    std::vector<std::string> frames;
    const char* key;    // show key to check afterwards
    const char* value;  // its value
  };
  const Case cases[] = {
      {{"dpi.2=2000"},
       SetLines({"09 02 01 02 73 02 3F 0B 00 12 00 17 00 26 00 3B 00 8F",
                 "09 02 02 12 84 02 3F 0B 00 12 00 17 00 26 00 3B 00 8F",
                 "09 03 03 01 A7 FF 00 00 00 FF 00 00 00 FF FF A5 00 FF 00 FF FF FF 00 FF FF FF FF FF FF"}),
       "dpi.2", "2000x2000"},
      {{"dpi.3.color=123456"},
       SetLines({"09 03 01 01 9D FF 00 00 00 FF 00 00 00 FF 12 34 56 FF 00 FF FF FF 00 FF FF FF FF FF FF"}),
       "dpi.3.color", "123456"},
      {{"polling=8000"}, SetLines({"09 04 01 01 23 14"}), "polling", "8000"},
      {{"sensor.anglesnap=1", "power.sleep=5"}, SetLines({"09 07 01 01 18 05 01", "09 08 02 01 16 01 01"}),
       "power.sleep", "5"},
      {{"lighting.brightness=50"}, SetLines({"09 06 01 01 33 FF 01 22 01 FF"}), "lighting.brightness", "50"},
      {{"motion-wakeup=0"}, {}, "motion-wakeup", "0"},
      {{"pointer.speed=9"}, {}, "pointer.speed", "9"},
      {{"dpi.1=1600"}, {}, "dpi.1", "1600x1600"},  // unchanged: nothing to send
  };
  for (const auto& c : cases) {
    TempDataFolder folder;
    const auto r = RunOnSimulatedMouse(folder, [&] {
      std::vector<std::string> a{"set"};
      a.insert(a.end(), c.args.begin(), c.args.end());
      return a;
    }());
    EXPECT_EQ(r.run.status, 0) << c.args[0] << r.run.err;
    EXPECT_EQ(r.frames, c.frames) << c.args[0];
    // The pending save was written.
    EXPECT_EQ(ShowValue(folder, c.key), c.value) << c.args[0];
  }
}

TEST(SetCli, BadInputChangesNothing) {
  struct Case {
    std::vector<std::string> args;
    int status;
    const char* err;
  };
  const Case cases[] = {
      {{"set"}, 2, "corvanectl: usage: set KEY=VALUE ...\n"},
      {{"set", "polling=300"}, 2, "corvanectl: polling=300: polling takes 125, 250, 500, 1000, 2000, 4000 or 8000\n"},
      {{"set", "dpi.8=800"}, 2, "corvanectl: dpi.8=800: dpi.8 is not a known key\n"},
      {{"set", "dpi.1.color=12345"}, 2, "corvanectl: dpi.1.color=12345: dpi.1.color takes a colour RRGGBB\n"},
      {{"set", "debounce=256"}, 2, "corvanectl: debounce=256: debounce takes 0 to 255\n"},
      {{"set", "lighting.brightness=60"}, 2, "corvanectl: lighting.brightness=60: lighting.brightness takes 25, 50, 75 or 100\n"},
      {{"set", "dpi.0=800x1600"}, 2,
       "corvanectl: dpi.0=800x1600: dpi.0 needs one resolution: this sensor has no separate X and Y resolution\n"},
      // A valid change before a bad one is not made either.
      {{"set", "polling=125", "speed"}, 2, "corvanectl: speed: expected KEY=VALUE\n"},
      // The window refuses to switch off the last level: nothing at all is changed.
      {{"set", "polling=125", "dpi.0.enabled=0", "dpi.1.enabled=0", "dpi.2.enabled=0", "dpi.3.enabled=0",
        "dpi.4.enabled=0", "dpi.5.enabled=0"},
       1, "corvanectl: dpi.5.enabled=0: the last enabled DPI level cannot be switched off\n"},
  };
  for (const auto& c : cases) {
    TempDataFolder folder;
    testing::RunCorvanectl(folder.Root(), {"init"});
    const auto before = folder.Snapshot();
    const auto r = RunOnSimulatedMouse(folder, c.args);
    EXPECT_EQ(r.run.status, c.status) << c.args.back();
    EXPECT_EQ(r.run.err, c.err) << c.args.back();
    EXPECT_TRUE(r.frames.empty()) << c.args.back();
    EXPECT_EQ(ShowValue(folder, "polling"), "1000") << c.args.back();
    for (const auto& [path, bytes] : before) {
      if (path.find("config/") != std::string::npos) {
        EXPECT_EQ(folder.Bytes(path), bytes) << path;
      }
    }
  }
}

TEST(SetCli, MouseThatCannotBeReachedOrDoesNotAnswer) {
  TempDataFolder folder;
  const auto none = RunOnSimulatedMouse(folder, {"set", "polling=125"}, "");
  EXPECT_EQ(none.run.status, 1);
  EXPECT_EQ(none.run.err, testing::NotConnectedError(folder));
  EXPECT_EQ(ShowValue(folder, "polling"), "1000");

  // The mouse never acknowledges: four attempts, exit 1 and a message.
  SimState state;
  state.faults.noAck = true;
  testing::WriteSimState(folder, state);
  const auto r = RunOnSimulatedMouse(folder, {"set", "polling=125"});
  EXPECT_EQ(r.run.status, 1);
  EXPECT_EQ(r.run.err, "corvanectl: the mouse did not acknowledge CmdPollingRate (packet 0x01)\n");
  EXPECT_EQ(r.frames.size(), 4u);
}

}  // namespace
}  // namespace corvane
