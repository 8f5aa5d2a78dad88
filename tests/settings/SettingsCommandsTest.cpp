// The settings commands of the main window: the fields each one changes, the dirty flag
// it sets and what it asks of the window.
#include "settings/SettingsCommands.h"

#include <gtest/gtest.h>

#include <functional>

#include "lang/LanguageEntries.h"
#include "session/AppContext.h"
#include "settings/ProfileTable.h"

namespace corvane {
namespace {

class SettingsCommands : public ::testing::Test {
 protected:
  void SetUp() override {
    for (int t = 100; t <= 109; ++t) ctx.Language.Texts[static_cast<std::size_t>(t)] = u"L" + std::u16string(1, char16_t(u'0' + t - 100));
    ResetProfileToDefaults(p, 0, ctx.Language, 0x3311);
  }
  AppContext ctx;
  ProfileRecord p;
  DeviceDirtyFlags dirty;
};

// Which flag each command sets, and whether the upload and a refresh follow.
TEST_F(SettingsCommands, EachCommandSetsItsGroupFlag) {
  enum Group { Performance, Power, Motion, Sensor, Pointer };
  struct Case {
    const char* what;
    std::function<CommandEffect(ProfileRecord&, DeviceDirtyFlags&)> run;
    Group group;
    bool apply;
    bool refresh;
  };
  const LanguageTable& lang = ctx.Language;
  const Case cases[] = {
      {"DPI colour", [](auto& p, auto& d) { return SetDpiLevelColour(p, 1, 0x123456, d); }, Performance, true, false},
      {"DPI slider released", [](auto& p, auto& d) { return SetDpiSliderStep(p, 1, 5, SliderCommit::Release, d); },
       Performance, true, false},
      {"DPI slider dragged", [](auto& p, auto& d) { return SetDpiSliderStep(p, 1, 5, SliderCommit::Drag, d); },
       Performance, false, false},
      {"DPI value dialog", [](auto& p, auto& d) { return SetDpiValue(p, 1, 5, 6, d); }, Performance, true, false},
      {"DPI level radio", [](auto& p, auto& d) { return SelectDpiLevel(p, 4, d); }, Performance, true, true},
      {"lighting mode", [&lang](auto& p, auto& d) { return SetLightingMode(p, lang, 3, d); }, Performance, true, true},
      {"lighting speed dragged", [](auto& p, auto& d) { return SetLightingSpeed(p, 2, SliderCommit::Drag, d); },
       Performance, false, false},
      {"lighting brightness", [](auto& p, auto& d) { return SetLightingBrightness(p, 1, SliderCommit::Release, d); },
       Performance, true, false},
      {"lighting direction", [](auto& p, auto& d) { return SetLightingDirection(p, 0, d); }, Performance, true, false},
      {"lighting colour", [](auto& p, auto& d) { return SetLightingColour(p, 2, 0xFF, d); }, Performance, true, false},
      {"polling radio", [](auto& p, auto& d) { return SetPollingRate(p, 5, d); }, Performance, true, true},
      {"lift-off", [](auto& p, auto& d) { return SetLiftOff(p, 1, d); }, Performance, true, false},
      {"debounce", [](auto& p, auto& d) { return SetKeyDebounce(p, 8, SliderCommit::Release, d); }, Performance, true,
       false},
      {"angle snap", [](auto& p, auto& d) { return SetSensorOption(p, SensorOption::AngleSnap, true, d); }, Sensor, true,
       true},
      {"power-down slider", [](auto& p, auto& d) { return SetPowerDownTime(p, 9, SliderCommit::Release, d); }, Power,
       true, false},
      {"lighting-off dragged", [](auto& p, auto& d) { return SetRgbOffTime(p, 9, SliderCommit::Drag, d); }, Power,
       false, false},
      {"move-lighting", [](auto& p, auto& d) { return SetMoveLighting(p, true, d); }, Power, true, true},
      {"motion wake-up", [](auto& p, auto& d) { return SetMotionWakeup(p, false, d); }, Motion, true, true},
      {"pointer speed", [](auto& p, auto& d) { return SetPointerSetting(p, PointerSetting::PointerSpeed, 3, SliderCommit::Release, d); },
       Pointer, true, false},
      {"scroll by page", [](auto& p, auto& d) { return SetPointerSetting(p, PointerSetting::ScrollByPage, 1, SliderCommit::Release, d); },
       Pointer, true, true},
  };
  for (const auto& c : cases) {
    SetUp();
    dirty = {};
    const CommandEffect e = c.run(p, dirty);
    EXPECT_FALSE(e.Refused) << c.what;
    EXPECT_EQ(e.ScheduleApply, c.apply) << c.what;
    EXPECT_EQ(e.RefreshView, c.refresh) << c.what;
    DeviceDirtyFlags expected;
    switch (c.group) {
      case Performance: expected.PerformanceDirty = 1; break;
      case Power: expected.PowerDirty = 1; break;
      case Motion: expected.MotionWakeupDirty = 1; break;
      case Sensor: expected.SensorOptionsDirty = 1; break;
      case Pointer: expected.PointerSettingsDirty = 1; break;
    }
    EXPECT_EQ(dirty.PerformanceDirty, expected.PerformanceDirty) << c.what;
    EXPECT_EQ(dirty.PowerDirty, expected.PowerDirty) << c.what;
    EXPECT_EQ(dirty.MotionWakeupDirty, expected.MotionWakeupDirty) << c.what;
    EXPECT_EQ(dirty.SensorOptionsDirty, expected.SensorOptionsDirty) << c.what;
    EXPECT_EQ(dirty.PointerSettingsDirty, expected.PointerSettingsDirty) << c.what;
    EXPECT_EQ(dirty.ButtonsDirty, 0) << c.what;
  }
}

TEST_F(SettingsCommands, DpiEnableChecksKeepALevelAndMoveTheCurrentOne) {
  struct Case {
    const char* what;
    std::uint8_t mask;
    std::uint8_t current;
    int level;
    bool enable;
    std::uint8_t maskAfter;
    std::uint8_t currentAfter;
    bool refused;
    bool apply;
  };
  const Case cases[] = {
      {"unchecking current 2 of 0, 2, 5 makes 5 current", 0x25, 2, 2, false, 0x21, 5, false, true},
      {"unchecking current 5 of 0, 5 wraps to 0", 0x21, 5, 5, false, 0x01, 0, false, true},
      {"unchecking another level keeps the current", 0x25, 2, 0, false, 0x24, 2, false, true},
      {"the only enabled level stays", 0x04, 2, 2, false, 0x04, 2, true, false},
      {"enabling level 7", 0x3F, 2, 7, true, 0xBF, 2, false, true},
      {"a level already in that state changes nothing", 0x3F, 2, 1, true, 0x3F, 2, false, false},
      {"no level 8", 0x3F, 2, 8, false, 0x3F, 2, true, false},
  };
  for (const auto& c : cases) {
    p.DPIOffOnFlag = c.mask;
    p.CurrentDPILevel = c.current;
    dirty = {};
    const CommandEffect e = SetDpiLevelEnabled(p, c.level, c.enable, dirty);
    EXPECT_EQ(p.DPIOffOnFlag, c.maskAfter) << c.what;
    EXPECT_EQ(p.CurrentDPILevel, c.currentAfter) << c.what;
    EXPECT_EQ(e.Refused, c.refused) << c.what;
    EXPECT_EQ(e.ScheduleApply, c.apply) << c.what;
    EXPECT_EQ(dirty.PerformanceDirty, c.apply ? 1 : 0) << c.what;
  }
}

TEST_F(SettingsCommands, DpiSliderMovesXOnlyAndTheDialogBoth) {
  const auto y = p.XYSettingY;
  SetDpiSliderStep(p, 3, 40, SliderCommit::Release, dirty);
  EXPECT_EQ(p.XYSettingX[3], 40);
  EXPECT_EQ(p.XYSettingY, y);
  SetDpiValue(p, 3, 41, 41, dirty);
  EXPECT_EQ(p.XYSettingX[3], 41);
  EXPECT_EQ(p.XYSettingY[3], 41);
  // The level radio of the current level changes nothing.
  dirty = {};
  EXPECT_FALSE(SelectDpiLevel(p, p.CurrentDPILevel, dirty).ScheduleApply);
  EXPECT_FALSE(dirty.Any());
}

TEST_F(SettingsCommands, LightingSlidersWriteTheCurrentModeAndModesZeroToSeven) {
  struct Case {
    std::uint8_t mode;
    int position;
  };
  for (const Case c : {Case{2, 4}, Case{9, 0}}) {
    SetUp();
    p.Lighting1ModeValue[0] = c.mode;
    SetLightingSpeed(p, c.position, SliderCommit::Release, dirty);
    for (std::size_t m = 0; m < 8; ++m) EXPECT_EQ(p.Lighting1Speed[m], c.position) << +c.mode << " " << m;
    EXPECT_EQ(p.Lighting1Speed[8], c.mode == 8 ? c.position : 1) << +c.mode;
    EXPECT_EQ(p.Lighting1Speed[9], c.mode == 9 ? c.position : 1) << +c.mode;
    SetLightingDirection(p, 1, dirty);
    EXPECT_EQ(p.Lighting1Direction[c.mode], 1);
    EXPECT_EQ(p.Lighting1Direction[0], 1);
  }
  // A mode past the per-mode tables takes nothing.
  p.Lighting1ModeValue[0] = 12;
  EXPECT_TRUE(SetLightingBrightness(p, 1, SliderCommit::Release, dirty).Refused);
}

TEST_F(SettingsCommands, LightingModeNamesAndValues) {
  SetLightingMode(p, ctx.Language, 7, dirty);
  EXPECT_EQ(p.Lighting1Name, u"L6");
  EXPECT_EQ(p.Lighting1ModeValue, (std::array<std::uint8_t, 3>{7, 0, 0}));
  SetLightingMode(p, ctx.Language, 0, dirty);
  EXPECT_EQ(p.Lighting1Name, u"L9");
  EXPECT_TRUE(SetLightingMode(p, ctx.Language, 8, dirty).Refused);
}

TEST_F(SettingsCommands, ColourSlotsKeepTheirMinimum) {
  struct Case {
    const char* what;
    std::uint8_t mode;
    std::vector<int> selected;
    int slot;
    int text;  // 0: toggled
  };
  const Case cases[] = {
      {"mode 6 never deselects", 6, {0, 1}, 1, kTextNeedOneColour},
      {"mode 6 selects", 6, {0}, 2, 0},
      {"mode 3 keeps one of 0..6", 3, {2}, 2, kTextNeedOneColour},
      {"mode 3 with two lets one go", 3, {2, 4}, 2, 0},
      {"mode 8 keeps one of 0..1", 8, {1}, 1, kTextNeedOneColour},
      {"mode 5 keeps two of 0..7", 5, {0, 7}, 7, kTextNeedTwoColours},
      {"mode 5 with three lets one go", 5, {0, 3, 7}, 7, 0},
      {"mode 1 always toggles", 1, {4}, 4, 0},
  };
  for (const auto& c : cases) {
    p.Lighting1ModeValue[0] = c.mode;
    auto& sel = p.Lighting1ColorSelected[c.mode];
    sel.fill(0);
    for (int s : c.selected) sel[static_cast<std::size_t>(s)] = 1;
    const std::uint8_t before = sel[static_cast<std::size_t>(c.slot)];
    dirty = {};
    const CommandEffect e = ToggleLightingSlot(p, c.slot, dirty);
    EXPECT_EQ(e.AttentionText, c.text) << c.what;
    EXPECT_EQ(sel[static_cast<std::size_t>(c.slot)], c.text ? before : !before) << c.what;
    EXPECT_EQ(dirty.PerformanceDirty, c.text ? 0 : 1) << c.what;
  }
}

TEST_F(SettingsCommands, PollingRadiosAskForTheUploadAndThePopupDoesNot) {
  SetPollingRate(p, 6, dirty);
  EXPECT_EQ(p.PollingRateName, u"8000HZ");
  EXPECT_EQ(p.PollingRateValue, (std::array<std::uint8_t, 3>{6, 0, 0}));
  dirty = {};
  const CommandEffect e = SetPollingRateFromPopup(p, 1);
  EXPECT_FALSE(e.ScheduleApply);
  EXPECT_FALSE(dirty.Any());
  EXPECT_EQ(p.PollingRateName, u"250HZ");
  EXPECT_EQ(p.PollingRateValue[0], 1);
  EXPECT_TRUE(SetPollingRateFromPopup(p, 4).Refused);
  EXPECT_TRUE(SetPollingRate(p, 7, dirty).Refused);
}

TEST_F(SettingsCommands, ProfileSwitchAsksForButtonsAndPerformance) {
  ctx.Config.ConfigDefaults();
  const CommandEffect e = SelectProfile(ctx, 2, dirty);
  EXPECT_TRUE(e.ScheduleApply);
  EXPECT_TRUE(e.RefreshView);
  EXPECT_EQ(ctx.Config.GetCurrentProfile(), 2);
  EXPECT_EQ(ctx.CurrentProfileIndex, 2);
  EXPECT_EQ(dirty.ButtonsDirty, 1);
  EXPECT_EQ(dirty.PerformanceDirty, 1);
  EXPECT_TRUE(SelectProfile(ctx, 5, dirty).Refused);
  EXPECT_EQ(ctx.Config.GetCurrentProfile(), 2);
}

}  // namespace
}  // namespace corvane
