#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "base/TextUtil.h"
#include "support/CorvanectlRun.h"
#include "support/DefaultProfileGolden.h"
#include "support/InstalledLanguage.h"
#include "support/TempDataFolder.h"

namespace corvane {
namespace {

using testing::DefaultProfileLines;
using testing::JoinLines;
using testing::OutputLines;
using testing::RunCorvanectl;
using testing::TempDataFolder;

struct ShowFolder {
  TempDataFolder folder;
  LanguageTable language;
  ShowFolder() {
    EXPECT_EQ(RunCorvanectl(folder.Root(), {"init"}).status, 0);
    language = testing::InstalledLanguage(folder.Root());
  }
  std::string Text(int n) const { return Utf8(language.Text(n)); }
};

TEST(ShowCli, DefaultProfileGoldenLines) {
  ShowFolder f;
  const std::vector<std::string> expected = {
      "profile=0",
      "name=" + f.Text(85),
      "dpi.level=2",
      "dpi.0=1000x1000", "dpi.0.enabled=1", "dpi.0.color=FF0000",
      "dpi.1=1600x1600", "dpi.1.enabled=1", "dpi.1.color=00FF00",
      "dpi.2=2400x2400", "dpi.2.enabled=1", "dpi.2.color=0000FF",
      "dpi.3=3200x3200", "dpi.3.enabled=1", "dpi.3.color=FFA500",
      "dpi.4=5000x5000", "dpi.4.enabled=1", "dpi.4.color=FF00FF",
      "dpi.5=12000x12000", "dpi.5.enabled=1", "dpi.5.color=FFFF00",
      "dpi.6=12000x12000", "dpi.6.enabled=0", "dpi.6.color=FFFFFF",
      "dpi.7=12000x12000", "dpi.7.enabled=0", "dpi.7.color=FFFFFF",
      "polling=1000",
      "lighting.mode=1",
      "lighting.name=" + f.Text(100),
      "lighting.speed=1",
      "lighting.brightness=100",
      "lighting.direction=1",
      "liftoff=2",
      "debounce=2",
      "power.sleep=1",
      "power.lightoff=1",
      "power.movelight=0",
      "motion-wakeup=1",
      "sensor.anglesnap=0",
      "sensor.motionsync=1",
      "sensor.ripple=0",
      "pointer.speed=5",
      "pointer.doubleclick=6",
      "pointer.scroll=2",
      "pointer.scrollpage=0",
      "pointer.accel=1",
      "button.0.name=" + f.Text(20), "button.0.value=100100", "button.0.url=", "button.0.macro=",
      "button.1.name=" + f.Text(21), "button.1.value=100200", "button.1.url=", "button.1.macro=",
      "button.2.name=" + f.Text(22), "button.2.value=100400", "button.2.url=", "button.2.macro=",
      "button.3.name=" + f.Text(23), "button.3.value=101000", "button.3.url=", "button.3.macro=",
      "button.4.name=" + f.Text(24), "button.4.value=100800", "button.4.url=", "button.4.macro=",
      "button.5.name=" + f.Text(42), "button.5.value=400100", "button.5.url=", "button.5.macro=",
      "button.6.name=" + f.Text(33), "button.6.value=600400", "button.6.url=", "button.6.macro=",
  };
  const auto run = RunCorvanectl(f.folder.Root(), {"show"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(OutputLines(run.out), expected);
}

TEST(ShowCli, ChosenProfileWithItsOwnValues) {
  ShowFolder f;
  auto lines = DefaultProfileLines(f.language, 3);
  lines[1] = u"ProfileName=Say \"hi\"\\";
  lines[27] = u"\tXYSetting1ValueY=0013";                // 2000 DPI
  lines[54] = u"\tPollingRateValue=060000";              // 8000 Hz
  lines[56] = u"\tLighting1ModeValue=030000";            // mode 3: seven colours
  lines[59] = u"\tLighting1Brightness=00|00|00|01|00|00|00|00|00|00";
  lines[19] = u"KeyDebounce=12";
  lines[69] = u"Key0Name=Macro: Hello";
  lines[71] = u"\tKey0Value=900000";
  lines[73] = u"\tMacroKey0Name=Hello";
  lines[77] = u"\tKey1URL=/usr/bin/xterm";
  f.folder.PutText("config/default3.psf", JoinLines(lines));

  const auto run = RunCorvanectl(f.folder.Root(), {"show", "--profile", "3"});
  ASSERT_EQ(run.status, 0) << run.err;
  const auto out = OutputLines(run.out);
  for (const char* line : {"profile=3", "name=Say \"hi\"\\", "dpi.0=1000x2000", "polling=8000", "lighting.mode=3",
                           "lighting.brightness=50", "lighting.color.0=FF0000", "lighting.color.6=FFFFFF",
                           "debounce=12", "button.0.name=Macro: Hello", "button.0.value=900000",
                           "button.0.macro=Hello", "button.1.url=/usr/bin/xterm"}) {
    EXPECT_NE(std::find(out.begin(), out.end(), line), out.end()) << line;
  }
  EXPECT_EQ(std::find(out.begin(), out.end(), "lighting.color.7=000000"), out.end());  // slot not in use

  const auto json = RunCorvanectl(f.folder.Root(), {"--json", "show", "--profile=3"});
  ASSERT_EQ(json.status, 0);
  EXPECT_EQ(json.out.rfind("{\"profile\":3,\"name\":\"Say \\\"hi\\\"\\\\\",\"dpi.level\":2,", 0), 0u) << json.out;
  EXPECT_NE(json.out.find(",\"polling\":8000,"), std::string::npos);
  EXPECT_NE(json.out.find(",\"button.0.value\":\"900000\","), std::string::npos);
  EXPECT_EQ(json.out.back(), '\n');
  EXPECT_EQ(std::count(json.out.begin(), json.out.end(), '\n'), 1);
}

TEST(ShowCli, FollowsTheCurrentProfile) {
  ShowFolder f;
  std::string config = f.folder.Bytes("config/config.ini");
  const std::string from = testing::Utf16File(u"CurrentProfile=0").substr(2);
  config.replace(config.find(from), from.size(), testing::Utf16File(u"CurrentProfile=4").substr(2));
  f.folder.PutBytes("config/config.ini", config);
  const auto out = OutputLines(RunCorvanectl(f.folder.Root(), {"show"}).out);
  ASSERT_GE(out.size(), 2u);
  EXPECT_EQ(out[0], "profile=4");
  EXPECT_EQ(out[1], "name=" + f.Text(89));
}

TEST(ShowCli, UsageErrors) {
  ShowFolder f;
  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
           {"show", "--profile"}, {"show", "--profile", "5"}, {"show", "--profile", "-1"},
           {"show", "--profile", "x"}, {"show", "--profile=01"}, {"show", "extra"}}) {
    EXPECT_EQ(RunCorvanectl(f.folder.Root(), args).status, 2) << args.back();
  }
}

}  // namespace
}  // namespace corvane
