#include <gtest/gtest.h>

#include <algorithm>

#include "settings/ConfigTable.h"
#include "settings/ProfileFile.h"
#include "settings/SensorTables.h"
#include "support/DefaultProfileGolden.h"
#include "support/SettingsTestContext.h"

namespace corvane {
namespace {

using testing::DefaultConfigLines;
using testing::DefaultProfileLines;
using testing::JoinLines;
using testing::SettingsTestContext;
using testing::Utf16File;
using testing::Utf16Lines;

std::string DefaultConfigBytes() { return Utf16File(JoinLines(DefaultConfigLines())); }

std::string DefaultProfileBytes(const AppContext& ctx, int p) {
  return Utf16File(JoinLines(DefaultProfileLines(ctx.Language, p)));
}

std::string SlotName(int p) { return "config/default" + std::to_string(p) + ".psf"; }

// A folder where every profile file holds a profile named "Kept p" with a custom DPI
// level 0, so a reset to defaults shows.
void PutCustomProfiles(const SettingsTestContext& t) {
  for (int p = 0; p < kProfileCount; ++p) {
    auto lines = DefaultProfileLines(t.ctx->Language, p);
    lines[1] = u"ProfileName=Kept " + FormatDecimal(p);
    lines[26] = u"\tXYSetting1ValueX=0064";
    t.folder.PutText(SlotName(p), JoinLines(lines));
  }
}

std::vector<std::u16string> ConfigWith(int line, std::u16string_view replacement) {
  auto lines = DefaultConfigLines();
  lines[static_cast<std::size_t>(line)] = replacement;
  return lines;
}

TEST(LoadConfig, EmptyFolderGetsDefaultFilesAndReadsThemBack) {
  SettingsTestContext t;
  EXPECT_EQ(LoadConfig(*t.ctx, t.ctx->Language), 0);
  EXPECT_EQ(t.folder.Bytes("config/config.ini"), DefaultConfigBytes());
  for (int p = 0; p < kProfileCount; ++p) {
    EXPECT_EQ(t.folder.Bytes(SlotName(p)), DefaultProfileBytes(*t.ctx, p)) << p;
    EXPECT_EQ(t.ctx->Profiles[p].ProfileName(), u"T" + FormatDecimal(85 + p));
  }
  EXPECT_EQ(t.ctx->Dpi.SensorId, 0x3311);

  const auto before = t.folder.Snapshot();
  const auto again = t.Fresh();
  EXPECT_EQ(LoadConfig(*again, again->Language), 1);
  EXPECT_EQ(t.folder.Snapshot(), before);
}

TEST(LoadConfig, MalformedConfigIsKeptAsideAndTheProfilesAreRead) {
  auto eighteen = DefaultConfigLines();
  eighteen.push_back(u"Extra=1");
  auto trailingEmpty = DefaultConfigLines();
  trailingEmpty.push_back(u"");
  std::u16string crlf;
  for (const auto& l : DefaultConfigLines()) crlf += l + u"\r\n";

  struct Case {
    const char* what;
    std::string bytes;
  };
  const Case cases[] = {
      {"empty file", ""},
      {"byte-order mark only", "\xFF\xFE"},
      {"wrong header", Utf16File(JoinLines(ConfigWith(0, u"[Settings]")))},
      {"carriage returns", Utf16File(crlf)},
      {"line without =", Utf16File(JoinLines(ConfigWith(3, u"PreST 0xCCEE")))},
      {"no key", Utf16File(JoinLines(ConfigWith(3, u"=0xCCEE")))},
      {"empty value", Utf16File(JoinLines(ConfigWith(6, u"CurrentProfile=")))},
      {"empty line", Utf16File(JoinLines(ConfigWith(6, u"")))},
      {"eighteen pairs", Utf16File(JoinLines(eighteen))},
      {"seventeen pairs and an empty line", Utf16File(JoinLines(trailingEmpty))},
      {"odd length binary", std::string("\x01\x02\x03\x00\xFF", 5)},
  };
  for (const Case& c : cases) {
    SettingsTestContext t;
    PutCustomProfiles(t);
    const auto profiles = t.folder.Snapshot();
    t.folder.PutBytes("config/config.ini", c.bytes);
    EXPECT_EQ(LoadConfig(*t.ctx, t.ctx->Language), 0) << c.what;
    // What the file still says by name is taken, the rest defaulted: here every value
    // it names is a default one.
    EXPECT_EQ(t.folder.Bytes("config/config.ini"), DefaultConfigBytes()) << c.what;
    ASSERT_EQ(t.ctx->FileNotices.size(), 1u) << c.what;
    EXPECT_EQ(t.ctx->FileNotices[0].rfind("config/config.ini: ", 0), 0u) << t.ctx->FileNotices[0];
    // The damaged file is kept beside it, and the profiles are read, not reset.
    auto after = t.folder.Snapshot();
    const auto kept = std::find_if(after.begin(), after.end(),
                                   [](const auto& f) { return f.first.rfind("config/config.ini.damaged-", 0) == 0; });
    ASSERT_NE(kept, after.end()) << c.what;
    EXPECT_EQ(kept->second, c.bytes) << c.what;
    for (const auto& [name, bytes] : profiles) {
      const auto now = std::find_if(after.begin(), after.end(), [&](const auto& f) { return f.first == name; });
      ASSERT_NE(now, after.end()) << name;
      EXPECT_EQ(now->second, bytes) << c.what << " " << name;
    }
    EXPECT_EQ(t.ctx->Profiles[3].ProfileName(), u"Kept 3") << c.what;
  }
}

TEST(LoadConfig, AcceptedShapesKeepWhatTheFileSays) {
  SettingsTestContext t;
  PutCustomProfiles(t);
  auto lines = ConfigWith(6, u"Current=2");
  lines[1] = u" NeedPassword = 1 ";
  t.folder.PutText("config/config.ini", JoinLines(lines));
  const std::string written = t.folder.Bytes("config/config.ini");
  EXPECT_EQ(LoadConfig(*t.ctx, t.ctx->Language), 1);
  EXPECT_EQ(t.ctx->Config.Pairs[5], (SettingPair{u"Current", u"2"}));
  EXPECT_EQ(t.ctx->Config.Pairs[0], (SettingPair{u" NeedPassword ", u" 1 "}));
  EXPECT_EQ(t.ctx->Profiles[3].ProfileName(), u"Kept 3");
  ASSERT_TRUE(SaveConfig(*t.ctx));
  EXPECT_EQ(t.folder.Bytes("config/config.ini"), written);
}

TEST(LoadConfig, ShortConfigIsDamagedAndKeepsWhatItHas) {
  // A cut-short copy: taking it as it is would leave every profile path empty.
  for (const std::u16string& text : {std::u16string(u"[Setting]\nNeedPassword=1\n"), std::u16string(u"[Setting]\n")}) {
    SettingsTestContext t;
    PutCustomProfiles(t);
    t.folder.PutText("config/config.ini", text);
    const std::string custom = t.folder.Bytes(SlotName(2));
    EXPECT_EQ(LoadConfig(*t.ctx, t.ctx->Language), 0);
    EXPECT_EQ(t.ctx->Config.Pairs[0].Value, text.size() > 10 ? u"1" : u"0");
    for (int p = 0; p < kProfileCount; ++p)
      EXPECT_EQ(t.ctx->Config.ProfileSlotText(p), u"config\\default" + FormatDecimal(p) + u".psf");
    EXPECT_EQ(t.ctx->Profiles[2].ProfileName(), u"Kept 2");
    EXPECT_EQ(t.folder.Bytes(SlotName(2)), custom);
    ASSERT_EQ(t.ctx->FileNotices.size(), 1u);
    EXPECT_NE(t.ctx->FileNotices[0].find("of 17 settings (cut short)"), std::string::npos) << t.ctx->FileNotices[0];
  }
}

TEST(LoadConfig, MalformedProfileAloneIsKeptAsideAndReadAsFarAsItGoes) {
  SettingsTestContext t;
  PutCustomProfiles(t);
  t.folder.PutText("config/config.ini", JoinLines(DefaultConfigLines()));
  t.folder.PutText(SlotName(1), u"[Setting]\nProfileName=Half\n");
  const std::string half = t.folder.Bytes(SlotName(1));
  EXPECT_EQ(LoadConfig(*t.ctx, t.ctx->Language), 1);
  EXPECT_EQ(t.ctx->Profiles[1].ProfileName(), u"Half");
  auto expected = DefaultProfileLines(t.ctx->Language, 1);
  expected[1] = u"ProfileName=Half";
  EXPECT_EQ(t.folder.Bytes(SlotName(1)), Utf16File(JoinLines(expected)));
  ASSERT_EQ(t.ctx->FileNotices.size(), 1u);
  const std::string notice = t.ctx->FileNotices[0];
  EXPECT_EQ(notice.rfind("config/default1.psf: ", 0), 0u) << notice;
  const std::string keptAs = "default1.psf.damaged-";
  const std::size_t at = notice.find(keptAs);
  ASSERT_NE(at, std::string::npos) << notice;
  EXPECT_EQ(t.folder.Bytes("config/" + notice.substr(at, notice.find(';', at) - at)), half);
  EXPECT_EQ(t.ctx->Profiles[0].ProfileName(), u"Kept 0");
  EXPECT_EQ(t.ctx->Profiles[0].XYSettingX[0], 0x64);
}

TEST(LoadConfig, SlotPathsResolveAgainstTheDataFolder) {
  SettingsTestContext t;
  const auto absolute = t.folder.Path("abs/p4.psf");
  auto lines = DefaultConfigLines();
  lines[14] = u"ProfileSlot1URL=mine\\one.psf";
  lines[17] = u"ProfileSlot4URL=" + absolute.u16string();
  t.folder.PutText("config/config.ini", JoinLines(lines));
  std::filesystem::create_directories(t.folder.Path("abs"));
  std::filesystem::create_directories(t.folder.Path("mine"));
  auto one = DefaultProfileLines(t.ctx->Language, 1);
  one[1] = u"ProfileName=From mine";
  t.folder.PutText("mine/one.psf", JoinLines(one));
  EXPECT_EQ(LoadConfig(*t.ctx, t.ctx->Language), 1);
  EXPECT_EQ(t.ctx->Profiles[1].ProfileName(), u"From mine");
  EXPECT_EQ(t.folder.Bytes("abs/p4.psf"), DefaultProfileBytes(*t.ctx, 4));
}

TEST(LoadConfig, SensorChangeRedefaultsTheDpiOfAllProfiles) {
  SettingsTestContext t;
  PutCustomProfiles(t);
  auto lines = ConfigWith(2, u"Sensor=0x3335");
  lines[6] = u"CurrentProfile=2";
  t.folder.PutText("config/config.ini", JoinLines(lines));
  EXPECT_EQ(LoadConfig(*t.ctx, t.ctx->Language), 1);
  EXPECT_EQ(t.ctx->Dpi.SensorId, 0x3335);
  const std::array<std::uint16_t, 8> steps{3, 7, 15, 31, 63, 159, 159, 159};
  for (int p = 0; p < kProfileCount; ++p) {
    EXPECT_EQ(t.ctx->Profiles[p].XYSettingX, steps) << p;
    EXPECT_EQ(t.ctx->Profiles[p].ProfileName(), u"Kept " + FormatDecimal(p));  // only DPI fields change
    const auto file = Utf16Lines(t.folder.Bytes(SlotName(p)));
    EXPECT_EQ(file[26], u"\tXYSetting1ValueX=0003") << p;
  }
  const auto config = Utf16Lines(t.folder.Bytes("config/config.ini"));
  EXPECT_EQ(config[3], u"PreST=0xCCCA");
  EXPECT_EQ(config[2], u"Sensor=0x3335");
  EXPECT_EQ(config[6], u"CurrentProfile=2");  // the current profile survives the save
}

TEST(LoadConfig, MatchingSensorChangesNothing) {
  SettingsTestContext t;
  PutCustomProfiles(t);
  t.folder.PutText("config/config.ini", JoinLines(ConfigWith(6, u"CurrentProfile=3")));
  const auto before = t.folder.Snapshot();
  EXPECT_EQ(LoadConfig(*t.ctx, t.ctx->Language), 1);
  EXPECT_EQ(t.folder.Snapshot(), before);
  EXPECT_EQ(t.ctx->Profiles[0].XYSettingX[0], 0x64);
  EXPECT_EQ(t.ctx->CurrentProfileIndex, 3);
}

TEST(LoadConfig, DefaultsForAnUnknownSensorKeepTheStepIndices) {
  SettingsTestContext t;
  PutCustomProfiles(t);
  t.folder.PutText("config/config.ini", JoinLines(ConfigWith(2, u"Sensor=0x1234")));
  EXPECT_EQ(LoadConfig(*t.ctx, t.ctx->Language), 1);
  EXPECT_EQ(t.ctx->Profiles[0].XYSettingX[0], 0x64);
  EXPECT_EQ(t.ctx->Profiles[0].DPIOffOnFlag, 0x3F);
  EXPECT_EQ(Utf16Lines(t.folder.Bytes("config/config.ini"))[3], u"PreST=0xEDCB");
}

TEST(OnSensorChanged, StoresTheSensorRedefaultsAndRebuildsTheLadder) {
  SettingsTestContext t;
  PutCustomProfiles(t);
  t.folder.PutText("config/config.ini", JoinLines(DefaultConfigLines()));
  ASSERT_EQ(LoadConfig(*t.ctx, t.ctx->Language), 1);
  BuildDpiStepTables(t.ctx->Dpi);
  t.ctx->CurrentProfileIndex = 4;
  OnSensorChanged(*t.ctx, 0x3395);
  EXPECT_EQ(t.ctx->Dpi.SensorId, 0x3395);
  EXPECT_EQ(t.ctx->Dpi.DpiStepCount, 520);
  EXPECT_TRUE(t.ctx->Dpi.SeparateXYDpi);
  const auto config = Utf16Lines(t.folder.Bytes("config/config.ini"));
  EXPECT_EQ(config[2], u"Sensor=0x3395");
  EXPECT_EQ(config[3], u"PreST=0xCC6A");
  EXPECT_EQ(config[6], u"CurrentProfile=4");
  for (int p = 0; p < kProfileCount; ++p) {
    EXPECT_EQ(t.ctx->Profiles[p].XYSettingX[5], 519) << p;
    EXPECT_EQ(Utf16Lines(t.folder.Bytes(SlotName(p)))[26], u"\tXYSetting1ValueX=0013") << p;
  }
  // The next start finds sensor and profiles in agreement and changes nothing.
  const auto before = t.folder.Snapshot();
  const auto next = t.Fresh();
  EXPECT_EQ(LoadConfig(*next, next->Language), 1);
  EXPECT_EQ(t.folder.Snapshot(), before);
}

}  // namespace
}  // namespace corvane
