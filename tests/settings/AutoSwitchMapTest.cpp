// The per-application profile map and its file: the exact bytes written, what reading
// skips, the shown-profile rule for switching, and that a save killed at any moment
// leaves either the old map or the new one, never a broken file.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "base/TextUtil.h"
#include "settings/AutoSwitchMap.h"
#include "settings/ConfigTable.h"
#include "support/TempDataFolder.h"

namespace corvane::testing {
namespace {

TEST(AutoSwitchMap, FileTextAndRoundTrip) {
  AutoSwitchMap map;
  EXPECT_TRUE(map.Set("Firefox", 2));
  EXPECT_TRUE(map.Set("a=b", 4));  // the profile comes first, so "=" in a class is kept
  EXPECT_TRUE(map.Set("Gimp-2.10", 1));
  EXPECT_TRUE(map.Set("Firefox", 3));  // replaces, keeps its place
  EXPECT_EQ(AutoSwitchFileText(map), u"[AutoSwitch]\n3=Firefox\n4=a=b\n1=Gimp-2.10\n");

  TempDataFolder data;
  const auto path = AutoSwitchFilePath(data.Root());
  EXPECT_EQ(path, data.Path("config/AutoSwitch.ini"));
  ASSERT_TRUE(SaveAutoSwitchMap(map, path));
  EXPECT_EQ(data.Bytes("config/AutoSwitch.ini"), Utf16File(u"[AutoSwitch]\n3=Firefox\n4=a=b\n1=Gimp-2.10\n"));
  EXPECT_EQ(LoadAutoSwitchMap(path), map);
  EXPECT_EQ(LoadAutoSwitchMap(data.Path("config/missing.ini")), AutoSwitchMap{});
}

TEST(AutoSwitchMap, SetRefusesWhatTheFileCannotHold) {
  struct Case {
    const char* windowClass;
    int profile;
    bool taken;
  };
  const Case cases[] = {
      {"Firefox", 0, true}, {"Firefox", 4, true}, {"Firefox", 5, false}, {"Firefox", -1, false},
      {"", 1, false},       {"a\nb", 1, false},   {"a\rb", 1, false},
  };
  for (const auto& c : cases) {
    AutoSwitchMap map;
    EXPECT_EQ(map.Set(c.windowClass, c.profile), c.taken) << c.windowClass << " " << c.profile;
    EXPECT_EQ(map.Entries().size(), c.taken ? 1u : 0u);
  }
  AutoSwitchMap map;
  map.Set("xterm", 1);
  EXPECT_FALSE(map.Remove("XTerm"));  // classes are compared exactly
  EXPECT_TRUE(map.Remove("xterm"));
  EXPECT_FALSE(map.Remove("xterm"));
}

TEST(AutoSwitchMap, ReadingSkipsBrokenLines) {
  TempDataFolder data;
  data.PutText("config/AutoSwitch.ini",
               u"[AutoSwitch]\n2=Firefox\n7=TooHigh\n=NoProfile\n3=\nx=Letter\n12=TwoDigits\n\n1=xterm\n0=Firefox\n");
  const AutoSwitchMap map = LoadAutoSwitchMap(data.Path("config/AutoSwitch.ini"));
  EXPECT_EQ(map.Entries(), (std::vector<AutoSwitchEntry>{{"Firefox", 0}, {"xterm", 1}}));
}

TEST(AutoSwitchMap, SwitchesOnlyToShownProfiles) {
  ConfigTable config;
  config.ConfigDefaults();
  config.SetProfileShowCount(3);  // profiles at positions 0..2 shown
  const int hidden = config.GetProfileShowList(3);
  const int shown = config.GetProfileShowList(1);
  AutoSwitchMap map;
  map.Set("Shown", shown);
  map.Set("Hidden", hidden);
  EXPECT_EQ(AutoSwitchTarget(map, config, "Shown"), shown);
  EXPECT_EQ(AutoSwitchTarget(map, config, "Hidden"), std::nullopt);
  EXPECT_EQ(AutoSwitchTarget(map, config, "Other"), std::nullopt);
}

// A child saves one of two large maps over and over; killed at an arbitrary moment, the
// file it leaves reads back as one of them in full.
TEST(AutoSwitchMap, KillDuringSaveLeavesAWholeMap) {
  TempDataFolder data;
  const auto path = AutoSwitchFilePath(data.Root());
  AutoSwitchMap maps[2];
  for (int i = 0; i < 3000; ++i) {
    maps[0].Set("application-" + std::to_string(i), i % 5);
    maps[1].Set("other-application-" + std::to_string(i), (i + 1) % 5);
  }
  ASSERT_TRUE(SaveAutoSwitchMap(maps[0], path));
  for (int round = 0; round < 12; ++round) {
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      for (int n = 0;; ++n) SaveAutoSwitchMap(maps[n % 2], path);
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(5 + 7 * round));
    kill(child, SIGKILL);
    int status = 0;
    waitpid(child, &status, 0);
    const AutoSwitchMap read = LoadAutoSwitchMap(path);
    EXPECT_TRUE(read == maps[0] || read == maps[1]) << "round " << round << ": " << read.Entries().size() << " entries";
  }
}

}  // namespace
}  // namespace corvane::testing
