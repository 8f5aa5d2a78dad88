#include <gtest/gtest.h>

#include "settings/ConfigTable.h"
#include "support/DefaultProfileGolden.h"
#include "support/SettingsTestContext.h"

namespace corvane {
namespace {

using testing::DefaultConfigLines;
using testing::JoinLines;
using testing::SettingsTestContext;
using testing::Utf16File;

TEST(ConfigTable, DefaultsAreWrittenAsTheGoldenFile) {
  SettingsTestContext t;
  t.ctx->Config.ConfigDefaults();
  ASSERT_TRUE(SaveConfig(*t.ctx));
  EXPECT_EQ(t.folder.Bytes("config/config.ini"), Utf16File(JoinLines(DefaultConfigLines())));
}

TEST(ConfigTable, SaveFailsWithoutTouchingTheTable) {
  SettingsTestContext t;
  t.ctx->DataFolder = t.folder.Path("missing");
  t.ctx->Config.ConfigDefaults();
  const auto before = t.ctx->Config.Pairs;
  EXPECT_FALSE(SaveConfig(*t.ctx));
  EXPECT_EQ(t.ctx->Config.Pairs, before);
}

TEST(ConfigTable, TextAccessors) {
  ConfigTable c;
  EXPECT_EQ(c.GetConfigText(0, 0), u"");  // empty before anything is loaded
  c.ConfigDefaults();
  EXPECT_EQ(c.GetConfigText(12, 0), u"ProfileSlot0URL");
  EXPECT_EQ(c.GetConfigText(12, 1), u"config\\default0.psf");
  EXPECT_EQ(c.GetConfigText(17, 1), u"");
  EXPECT_EQ(c.GetConfigText(-1, 0), u"");
  EXPECT_EQ(c.ProfileSlotText(4), u"config\\default4.psf");
  EXPECT_EQ(c.ProfileSlotText(5), u"");
}

TEST(ConfigTable, NumbersAndHexValues) {
  ConfigTable c;
  c.ConfigDefaults();
  c.SetCurrentProfile(4);
  EXPECT_EQ(c.Pairs[kConfigCurrentProfile].Value, u"4");
  c.Pairs[kConfigCurrentProfile].Value = u"";
  EXPECT_EQ(c.GetCurrentProfile(), 0);
  c.Pairs[kConfigCurrentProfile].Value = u"9";
  EXPECT_EQ(c.GetCurrentProfile(), 9);
  EXPECT_EQ(c.CurrentProfileSlot(), 0);  // no such record

  struct HexCase {
    unsigned value;
    const char16_t* text;
    unsigned readBack;  // the padding space ends the parse right after "0"
  };
  for (const HexCase& h : {HexCase{0x3311, u"0x3311", 0x3311}, HexCase{0xCCCA, u"0xCCCA", 0xCCCA},
                           HexCase{0x0123, u"0x 123", 0}, HexCase{0, u"0x   0", 0}}) {
    c.SetConfigSensor(static_cast<std::uint16_t>(h.value));
    EXPECT_EQ(c.Pairs[kConfigSensor].Value, h.text);
    EXPECT_EQ(c.ConfigSensor(), h.readBack);
  }
  c.SetConfigPreST(0x1CCCA);  // low 16 bits
  EXPECT_EQ(c.Pairs[kConfigPreST].Value, u"0xCCCA");
  c.Pairs[kConfigSensor].Value = u"0x123456";
  EXPECT_EQ(c.ConfigSensor(), 0x3456);
  c.Pairs[kConfigSensor].Value = u"zz";
  EXPECT_EQ(c.ConfigSensor(), 0);
}

std::array<int, 5> ShowList(const ConfigTable& c) {
  std::array<int, 5> list{};
  for (int i = 0; i < 5; ++i) list[static_cast<std::size_t>(i)] = c.GetProfileShowList(i);
  return list;
}

TEST(ConfigTable, HidingMovesTheProfileToTheEnd) {
  struct Case {
    std::array<int, 5> list;
    int count;
    int hide;
    bool hidden;
    std::array<int, 5> after;
    int countAfter;
  };
  const Case cases[] = {
      {{0, 1, 2, 3, 4}, 3, 1, true, {0, 2, 3, 4, 1}, 2},   // position 1 of three
      {{0, 1, 2, 3, 4}, 3, 2, true, {0, 1, 3, 4, 2}, 2},   // the last shown
      {{4, 2, 0, 1, 3}, 5, 4, true, {2, 0, 1, 3, 4}, 4},
      {{0, 1, 2, 3, 4}, 3, 3, false, {0, 1, 2, 3, 4}, 3},  // hidden already
      {{0, 1, 2, 3, 4}, 9, 4, true, {0, 1, 2, 3, 4}, 8},   // a count beyond five
  };
  for (const Case& c : cases) {
    ConfigTable config;
    config.ConfigDefaults();
    for (int i = 0; i < 5; ++i) config.SetProfileShowList(i, c.list[static_cast<std::size_t>(i)]);
    config.SetProfileShowCount(c.count);
    EXPECT_EQ(config.HideProfile(c.hide), c.hidden) << c.hide;
    EXPECT_EQ(ShowList(config), c.after) << c.hide;
    EXPECT_EQ(config.GetProfileShowCount(), c.countAfter) << c.hide;
  }
}

TEST(ConfigTable, AddingTakesTheFirstHiddenProfile) {
  ConfigTable c;
  c.ConfigDefaults();
  EXPECT_EQ(c.FirstHiddenProfile(), 3);
  c.ShowNextProfile();
  EXPECT_EQ(c.Pairs[kConfigProfileShowCount].Value, u"4");
  EXPECT_EQ(c.FirstHiddenProfile(), 4);
  c.ShowNextProfile();
  EXPECT_EQ(c.FirstHiddenProfile(), -1);  // all five shown
  c.SetProfileShowCount(2);
  c.SetProfileShowList(2, 7);  // a list that names no profile there
  EXPECT_EQ(c.FirstHiddenProfile(), -1);
  c.SetProfileShowCount(-1);
  EXPECT_EQ(c.FirstHiddenProfile(), -1);
  EXPECT_EQ(c.ShownPositions(), 0);
  EXPECT_EQ(c.GetProfileShowList(5), -1);
}

}  // namespace
}  // namespace corvane
