#include <gtest/gtest.h>

#include <memory>

#include "settings/ProfileTable.h"
#include "settings/SensorTables.h"
#include "support/SettingsTestContext.h"

namespace corvane {
namespace {

using testing::FillTestLanguage;

LanguageTable TestLanguage() {
  LanguageTable language;
  FillTestLanguage(language);
  return language;
}

TEST(ProfileRecord, ConstructionState) {
  const auto r = std::make_unique<ProfileRecord>();
  for (const SettingPair& pair : r->Settings) EXPECT_EQ(pair, SettingPair{});
  for (const ButtonEntry& b : r->Buttons) {
    EXPECT_TRUE(b.Name.empty() && b.URL.empty());
    EXPECT_EQ(b.Value, (std::array<std::uint8_t, 3>{0, 0, 0}));
    EXPECT_EQ(b.MacroKeyIndex, 0u);
    EXPECT_EQ(b.Macro.MacroActionNum, 0u);
    EXPECT_EQ(b.Macro.MacroKeyLoopType, 2);
    EXPECT_EQ(b.Macro.MacroKeyLoopNum, 1);
  }
  EXPECT_EQ(r->Lighting1OffOn, 1);
  EXPECT_EQ(r->Lighting2OffOn, 1);
  EXPECT_EQ(r->Lighting2Speed, 2);
  EXPECT_EQ(r->Lighting2Brightness, 100);
  EXPECT_EQ(r->DPIOffOnFlag, 0x7F);
  EXPECT_EQ(r->CurrentDPILevel, 0);
  EXPECT_EQ(r->XYSettingX[5], 0);
  EXPECT_EQ(r->LiftDetectionValue, 0);
}

TEST(ProfileRecord, ResetGivesSensorLevelsAndDefaultButtons) {
  DpiStepTables dpi;
  dpi.SensorId = 0x3311;
  BuildDpiStepTables(dpi);
  const auto r = std::make_unique<ProfileRecord>();
  ResetProfileToDefaults(*r, 3, TestLanguage(), 0x3311);

  const int expected[] = {1000, 1600, 2400, 3200, 5000, 12000};
  for (int level = 0; level < 6; ++level) {
    EXPECT_EQ(DpiOfStep(dpi, r->XYSettingX[static_cast<std::size_t>(level)]), expected[level]) << level;
    EXPECT_EQ(r->XYSettingY[static_cast<std::size_t>(level)], r->XYSettingX[static_cast<std::size_t>(level)]);
    EXPECT_TRUE(r->DpiLevelEnabled(level));
  }
  EXPECT_FALSE(r->DpiLevelEnabled(6));
  EXPECT_FALSE(r->DpiLevelEnabled(7));
  EXPECT_EQ(r->CurrentDPILevel, 2);
  EXPECT_EQ(r->PollingRateValue, (std::array<std::uint8_t, 3>{3, 0, 0}));
  EXPECT_EQ(r->ProfileName(), u"T88");
  EXPECT_EQ(r->Buttons[5].Name, u"T42");
  EXPECT_EQ(r->Buttons[5].Value, (std::array<std::uint8_t, 3>{0x40, 0x01, 0x00}));
  // Colours are COLORREF in memory: FFA500 (orange) is 0x00A5FF.
  EXPECT_EQ(r->DPILevelIndication[3], 0x00A5FFu);
  EXPECT_EQ(r->Lighting1FixedColor[5][7], 0xFF46FAu);
}

TEST(ProfileRecord, ResetReplacesEveryEarlierValue) {
  const auto r = std::make_unique<ProfileRecord>();
  ResetProfileToDefaults(*r, 0, TestLanguage(), 0x3311);
  const std::u16string fresh = r->GetSettingText(kSettingKeyDebounce, 1);
  r->Settings[kSettingKeyDebounce] = {u"Renamed", u"9"};
  r->Buttons[2].URL = u"/usr/bin/true";
  r->Buttons[2].MacroKeyIndex = 7;
  r->Buttons[2].Macro.MacroItemName = u"old";
  r->Buttons[2].Macro.MacroActionNum = 3;
  r->Buttons[2].Macro.MacroKeyLoopType = 0;
  r->Lighting1ColorSelected[0][9] = 1;
  r->Lighting1FixedColor[9][9] = 0x123456;
  r->Lighting2Speed = 4;
  ResetProfileToDefaults(*r, 0, TestLanguage(), 0x3311);
  EXPECT_EQ(r->Settings[kSettingKeyDebounce], (SettingPair{u"KeyDebounce", fresh}));
  EXPECT_TRUE(r->Buttons[2].URL.empty());
  EXPECT_EQ(r->Buttons[2].MacroKeyIndex, 0u);
  EXPECT_TRUE(r->Buttons[2].Macro.MacroItemName.empty());
  EXPECT_EQ(r->Buttons[2].Macro.MacroActionNum, 0u);
  EXPECT_EQ(r->Buttons[2].Macro.MacroKeyLoopType, 2);
  EXPECT_EQ(r->Lighting1ColorSelected[0][9], 0);
  EXPECT_EQ(r->Lighting1FixedColor[9][9], 0u);
  EXPECT_EQ(r->Lighting2Speed, 0);
}

TEST(ProfileRecord, DefaultNameBeyondTheLanguageNames) {
  const LanguageTable language = TestLanguage();
  EXPECT_EQ(DefaultProfileName(language, 0), u"T85");
  EXPECT_EQ(DefaultProfileName(language, 4), u"T89");
  EXPECT_EQ(DefaultProfileName(language, 5), u"Profile6");
}

TEST(ProfileRecord, SensorDefaultsPerSensor) {
  struct Case {
    std::uint16_t sensor;
    std::array<std::uint16_t, 8> steps;
  };
  const Case cases[] = {
      {0x3212, {2, 6, 10, 18, 26, 30, 30, 30}},     {0x3311, {9, 15, 23, 31, 49, 119, 119, 119}},
      {0x3325, {7, 11, 15, 23, 31, 49, 58, 50}},     {0x3335, {3, 7, 15, 31, 63, 159, 159, 159}},
      {0x3395, {19, 31, 47, 63, 99, 519, 519, 519}}, {0x3950, {7, 15, 31, 63, 127, 599, 599, 599}},
  };
  for (const Case& c : cases) {
    const auto r = std::make_unique<ProfileRecord>();
    ApplySensorDpiDefaults(*r, c.sensor);
    EXPECT_EQ(r->XYSettingX, c.steps) << std::hex << c.sensor;
    EXPECT_EQ(r->XYSettingY, c.steps) << std::hex << c.sensor;
  }
}

TEST(ProfileRecord, UnknownSensorKeepsStepsButResetsTheRest) {
  const auto r = std::make_unique<ProfileRecord>();
  r->XYSettingX = {1, 2, 3, 4, 5, 6, 7, 8};
  r->XYSettingY = {8, 7, 6, 5, 4, 3, 2, 1};
  r->DPIOffOnFlag = 0x01;
  r->CurrentDPILevel = 7;
  r->DPILevelIndication.fill(0x123456);
  r->AngleSnapValue = 5;
  r->LiftDetectionValue = 5;
  ApplySensorDpiDefaults(*r, 0x1234);
  EXPECT_EQ(r->XYSettingX, (std::array<std::uint16_t, 8>{1, 2, 3, 4, 5, 6, 7, 8}));
  EXPECT_EQ(r->XYSettingY, (std::array<std::uint16_t, 8>{8, 7, 6, 5, 4, 3, 2, 1}));
  EXPECT_EQ(r->DPIOffOnFlag, 0x3F);
  EXPECT_EQ(r->CurrentDPILevel, 2);
  EXPECT_EQ(r->DPILevelIndication,
            (std::array<std::uint32_t, 8>{0x0000FF, 0x00FF00, 0xFF0000, 0x00A5FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF,
                                          0xFFFFFF}));
  EXPECT_EQ(r->AngleSnapValue, 0);
  EXPECT_EQ(r->LiftDetectionValue, 1);
}

TEST(ProfileRecord, SettersFormatTheirValues) {
  struct Case {
    void (ProfileRecord::*set)(int);
    int index;
    int input;
    const char16_t* stored;
  };
  const Case cases[] = {
      {&ProfileRecord::SetDoubleClickSpeed, 4, -3, u"-3"},
      {&ProfileRecord::SetPointerSpeed, 5, 11, u"11"},
      {&ProfileRecord::SetAccelerationEnable, 6, -1, u"1"},  // any non-zero
      {&ProfileRecord::SetAccelerationEnable, 6, 0, u"0"},
      {&ProfileRecord::SetScrollWheelSpeed, 7, 10, u"10"},
      {&ProfileRecord::SetScrollWheelPageEnable, 8, 5, u"1"},
      {&ProfileRecord::SetTiltSpeed, 9, 2, u"2"},
      {&ProfileRecord::SetMoveLightingOnOffMode, 15, -1, u"0"},  // only positive
      {&ProfileRecord::SetMoveLightingOnOffMode, 15, 2, u"1"},
      {&ProfileRecord::SetPowerDownTime, 16, 30, u"30"},
      {&ProfileRecord::SetLiftDetectionHeight, 17, 1, u"1"},
      {&ProfileRecord::SetKeyDebounce, 18, 12, u"12"},
      {&ProfileRecord::SetMotionWakeup, 19, 3, u"1"},
      {&ProfileRecord::SetAngleSnap, 20, 0, u"0"},
      {&ProfileRecord::SetMotionSync, 21, -1, u"0"},
      {&ProfileRecord::SetRippleControl, 22, 1, u"1"},
      {&ProfileRecord::SetRgbOffTime, 23, 7, u"7"},
  };
  for (const Case& c : cases) {
    ProfileRecord r;
    (r.*c.set)(c.input);
    EXPECT_EQ(r.GetSettingText(c.index, 1), c.stored) << "pair " << c.index << " input " << c.input;
  }
}

TEST(ProfileRecord, GettersParseDecimalAndMissingPairsAreEmpty) {
  ProfileRecord r;
  r.Settings[kSettingPowerDownTime].Value = u"12abc";
  r.Settings[kSettingRgbOffTime].Value = u"x";
  r.Settings[kSettingMoveLightingOnOffMode].Value = u" 1";
  r.Settings[0] = {u"ProfileName", u"Mine"};
  EXPECT_EQ(r.GetPowerDownTime(), 12);
  EXPECT_EQ(r.GetRgbOffTime(), 0);
  EXPECT_EQ(r.GetMoveLightingOnOffMode(), 1);
  EXPECT_EQ(r.GetSettingText(0, 0), u"ProfileName");
  EXPECT_EQ(r.GetSettingText(0, 1), u"Mine");
  EXPECT_EQ(r.GetSettingText(24, 1), u"");
  EXPECT_EQ(r.GetSettingText(-1, 0), u"");
}

TEST(ProfileRecord, ButtonAtCoversSevenButtons) {
  ProfileRecord r;
  EXPECT_EQ(ButtonAt(r, 0), &r.Buttons[0]);
  EXPECT_EQ(ButtonAt(r, 6), &r.Buttons[6]);
  EXPECT_EQ(ButtonAt(r, 7), nullptr);
  EXPECT_EQ(ButtonAt(r, -1), nullptr);
}

TEST(ProfileRecord, SetButtonMacroCopiesStepsAndKeepsTheEntryKey) {
  ButtonEntry entry;
  entry.MacroKeyIndex = 44;
  entry.Macro.SetAction(5, MakeKeyStep(0x41, true));  // beyond the copied count: kept

  MacroItem source(u"Combo");
  source.MacroKeyIndex = 9;
  source.MacroKeyLoopType = 1;
  source.MacroKeyLoopNum = 3;
  source.MacroCommandActionNum = 2;
  source.InsertAction(0, MakeKeyStep(0x41, false));
  source.InsertAction(1, MakeDelayStep(50));
  source.InsertAction(2, MakeKeyStep(0x41, true));
  SetButtonMacro(entry, &source);

  EXPECT_EQ(entry.Macro.MacroItemName, u"Combo");
  EXPECT_EQ(entry.Macro.MacroKeyIndex, 9u);
  EXPECT_EQ(entry.Macro.MacroKeyLoopType, 1);
  EXPECT_EQ(entry.Macro.MacroKeyLoopNum, 3);
  EXPECT_EQ(entry.Macro.MacroCommandActionNum, 2);
  EXPECT_EQ(entry.Macro.MacroActionNum, 3u);
  for (std::uint32_t i = 0; i < 3; ++i) EXPECT_EQ(entry.Macro.GetAction(i), source.GetAction(i)) << i;
  EXPECT_EQ(entry.Macro.GetAction(5), MakeKeyStep(0x41, true));
  EXPECT_EQ(entry.MacroKeyIndex, 44u);

  // No macro: only the step count goes; name and loop settings stay.
  SetButtonMacro(entry, nullptr);
  EXPECT_EQ(entry.Macro.MacroActionNum, 0u);
  EXPECT_EQ(entry.Macro.MacroItemName, u"Combo");
  EXPECT_EQ(entry.Macro.MacroKeyLoopType, 1);
}

TEST(ProfileRecord, SetButtonMacroStopsAtTheLastSlot) {
  ButtonEntry entry;
  MacroItem source(u"Damaged");
  source.MacroActionNum = 1000;  // a count no macro can hold
  source.SetAction(249, MakeDelayStep(7));
  SetButtonMacro(entry, &source);
  EXPECT_EQ(entry.Macro.MacroActionNum, MacroItem::kMaxActions);
  EXPECT_EQ(entry.Macro.GetAction(249), MakeDelayStep(7));
}

}  // namespace
}  // namespace corvane
