// corvanectl button: the value each function gives, the button map and macro frames it
// sends, and the left click that must remain.
#include <gtest/gtest.h>

#include "support/ApplyCliHelpers.h"

namespace corvane {
namespace {

using testing::RunCorvanectl;
using testing::RunOnSimulatedMouse;
using testing::SetLines;
using testing::ShowValue;
using testing::TempDataFolder;

TEST(ButtonCli, FunctionsGiveTheirValues) {
  struct Case {
    const char* button;
    const char* function;
    const char* value;
  };
  const Case cases[] = {
      {"2", "left", "100100"},         {"2", "right", "100200"},       {"2", "middle", "100400"},
      {"2", "back", "100800"},         {"2", "forward", "101000"},     {"2", "dpi-up", "400200"},
      {"2", "dpi-down", "400300"},     {"2", "dpi-cycle", "400100"},   {"2", "dpi-lock:800", "500900"},
      {"2", "fire", "303203"},         {"2", "fire:40:7", "302807"},   {"2", "key:ctrl+shift+A", "700304"},
      {"2", "key:Win+E", "700808"},    {"2", "key:ctrl+", "700100"},   {"2", "key:SHIFT+ctrl+A", "700304"},   {"2", "media:1", "808301"},
      {"2", "office:8", "700808"},     {"2", "window:2", "70043D"},    {"2", "profile", "600400"},
      {"2", "launch:/usr/bin/true", "600500"},                         {"2", "disabled", "000000"},
      {"2", "raw:A1B2C3", "A1B2C3"},
  };
  TempDataFolder folder;
  for (const auto& c : cases) {
    const auto r = RunOnSimulatedMouse(folder, {"button", c.button, c.function});
    EXPECT_EQ(r.run.status, 0) << c.function << r.run.err;
    EXPECT_EQ(ShowValue(folder, std::string("button.") + c.button + ".value"), c.value) << c.function;
  }
  EXPECT_EQ(ShowValue(folder, "button.2.url"), "");
  RunOnSimulatedMouse(folder, {"button", "6", "launch:/usr/bin/true"});
  EXPECT_EQ(ShowValue(folder, "button.6.name"), "true");
  EXPECT_EQ(ShowValue(folder, "button.6.url"), "/usr/bin/true");
}

TEST(ButtonCli, ButtonMapFrame) {
  TempDataFolder folder;
  // Button 4 sits at device position 3.
  const auto r = RunOnSimulatedMouse(folder, {"button", "4", "key:ctrl+shift+A"});
  EXPECT_EQ(r.run.status, 0) << r.run.err;
  EXPECT_EQ(r.frames, SetLines({"09 01 01 01 79 10 01 00 10 02 00 10 04 00 70 03 04 10 10 00 40 01 00 60 04 00 FF FF "
                                "FF FF FF FF"}));
}

TEST(ButtonCli, MacroButtonWritesTheMacroStore) {
  TempDataFolder folder;
  ASSERT_EQ(RunCorvanectl(folder.Root(), {"macro", "add", "Hello"}).status, 0);
  ASSERT_EQ(RunCorvanectl(folder.Root(), {"macro", "steps", "Hello", "+A", "50ms", "-A"}).status, 0);
  const auto r = RunOnSimulatedMouse(folder, {"button", "5", "macro:Hello"});
  EXPECT_EQ(r.run.status, 0) << r.run.err;
  EXPECT_EQ(r.frames, SetLines({"09 01 01 01 8B 10 01 00 10 02 00 10 04 00 10 08 00 10 10 00 90 21 01 60 04 00 FF FF "
                                "FF FF FF FF",
                                "09 11 02 01 1C FF", "09 10 03 01 3F 07 01 30 32 04 B0 00 04"}));
  EXPECT_EQ(ShowValue(folder, "button.5.value"), "902101");

  // A macro that is no longer in the library (here: the library file is gone) makes the
  // button plain at the next upload; the command fails, as the mouse did not get the
  // button the profile asked for. The run after that finds nothing to drop.
  ASSERT_TRUE(std::filesystem::remove(folder.Path("config/MacroLibraryFile.mlf")));
  const auto gone = RunOnSimulatedMouse(folder, {"apply"});
  EXPECT_EQ(gone.run.status, 1) << gone.run.err;
  EXPECT_EQ(gone.run.err,
            "corvanectl: the macro of button 5 is no longer in the macro library; the button was disabled\n");
  EXPECT_EQ(ShowValue(folder, "button.5.value"), "000000");
  ASSERT_EQ(gone.frames.size(), 1u);
  EXPECT_EQ(gone.frames[0].substr(0, 13), "set wired 09 ");
  const auto again = RunOnSimulatedMouse(folder, {"apply"});
  EXPECT_EQ(again.run.status, 0) << again.run.err;
  EXPECT_EQ(again.run.err, "");
}

TEST(ButtonCli, RefusalsAndUsage) {
  struct Case {
    std::vector<std::string> args;
    int status;
  };
  const Case cases[] = {
      {{"button", "0", "disabled"}, 1},       // the only left click
      {{"button", "1", "fire:4:3"}, 1},       // the fire-key dialog's interval
      {{"button", "1", "fire:5:256"}, 1},     // and its count
      {{"button", "1", "macro:Nothing"}, 1},  // not in the library
      {{"button", "7", "left"}, 2},
      {{"button", "1", "dpi-lock:250"}, 2},
      {{"button", "1", "media:11"}, 2},
      {{"button", "1", "key:ctrl+Shift_L"}, 2},
      {{"button", "1", "key:NoSuchKey"}, 2},
      {{"button", "1", "raw:12345"}, 2},
      {{"button", "1", "launch:"}, 2},
      {{"button", "1", "jump"}, 2},
  };
  for (const auto& c : cases) {
    TempDataFolder folder;
    const auto r = RunOnSimulatedMouse(folder, c.args);
    EXPECT_EQ(r.run.status, c.status) << c.args[2] << r.run.err;
    EXPECT_TRUE(r.frames.empty()) << c.args[2];
    EXPECT_EQ(ShowValue(folder, "button.0.value"), "100100") << c.args[2];
    EXPECT_EQ(ShowValue(folder, "button.1.value"), "100200") << c.args[2];
  }
}

}  // namespace
}  // namespace corvane
