// ShowCurrentProfile: the tabs follow the configuration's show list, and every settings
// control shows the current profile's value.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "app/GalleryContext.h"
#include "app/MainWindowIds.h"
#include "app/MainWindowLayout.h"
#include "app/MainWindowPreview.h"
#include "settings/PollingRateTable.h"
#include "skin/CCheckButton.h"
#include "skin/CColorSelectButton.h"
#include "skin/CColorSelectCheckButton.h"
#include "skin/CComboButton.h"
#include "skin/CDPIRadioButton.h"
#include "skin/CPowerManageButton.h"
#include "skin/CRadioButton.h"
#include "skin/CSliderControl.h"
#include "skin/CVerticalSliderControl.h"
#include "support/TempDataFolder.h"

namespace corvane::testing {
namespace {

using namespace mainwnd;

class MainWindowProfileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ctx = MakeGalleryContext(data.Root(), "en", 1.0f);
    window = std::make_unique<MainWindowPreview>(ctx->App, ctx->Gui);
    window->EnsureInitialized();
  }
  template <class T>
  T& Control(unsigned id) {
    auto* c = dynamic_cast<T*>(window->FindControl(id));
    EXPECT_NE(c, nullptr) << id;
    return *c;
  }
  bool RadioOn(unsigned id) const { return (ctx->Gui.RadioSelection >> RadioBitOf(id)->bit) & 1; }
  std::u16string Text(unsigned id) { return window->FindControl(id)->GetText(); }

  TempDataFolder data;
  std::unique_ptr<GalleryContext> ctx;
  std::unique_ptr<MainWindowPreview> window;
};

TEST_F(MainWindowProfileTest, ControlsShowTheCurrentProfile) {
  struct Case {
    const char* what;
    std::function<void(ProfileRecord&)> change;
    std::function<bool()> shown;
  };
  const Case cases[] = {
      {"button label", [](ProfileRecord& p) { p.Buttons[4].Name = u"Macro: Reload"; },
       [&] { return Control<CComboButton>(kButtonComboFirst + 4).ValueText() == u"Macro: Reload"; }},
      {"disabled DPI level", [](ProfileRecord& p) { p.DPIOffOnFlag = 0x05; },
       [&] {
         return Control<CCheckButton>(kDpiEnableFirst + 2).Checked() &&
                !Control<CCheckButton>(kDpiEnableFirst + 1).Checked();
       }},
      {"DPI step on slider, radio and value", [](ProfileRecord& p) { p.XYSettingX[3] = 10; },
       [&] {
         const int dpi = DpiOfStep(ctx->App.Dpi, 10);
         return Control<CVerticalSliderControl>(kDpiSliderFirst + 3).Value() == 10 &&
                Control<CDPIRadioButton>(kDpiRadioFirst + 3).DpiValue() * 50 == dpi &&
                Text(kDpiValueFirst + 3) == QString::number(dpi).toStdU16String();
       }},
      {"current DPI level", [](ProfileRecord& p) { p.CurrentDPILevel = 2; },
       [&] { return (ctx->Gui.DpiRadioSelection & 0xFF) == 0x07; }},
      {"a stored level beyond eight shows level 0", [](ProfileRecord& p) { p.CurrentDPILevel = 9; },
       [&] { return (ctx->Gui.DpiRadioSelection & 0xFF) == 0x01; }},
      {"DPI colour", [](ProfileRecord& p) { p.DPILevelIndication[5] = 0x00123456; },
       [&] { return Control<CColorSelectButton>(kDpiColourFirst + 5).Color() == 0x00123456u; }},
      {"lighting of the current mode",
       [](ProfileRecord& p) {
         p.Lighting1ModeValue[0] = 2;
         p.Lighting1Name = u"Breathing";
         p.Lighting1Speed[2] = 4;
         p.Lighting1Brightness[2] = 2;
         p.Lighting1Direction[2] = 1;
         p.Lighting1FixedColor[2][6] = 0x0000FF00;
         p.Lighting1ColorSelected[2][6] = 1;
       },
       [&] {
         return Control<CComboButton>(kLightingMode).ValueText() == u"Breathing" &&
                Control<CSliderControl>(kLightingSpeed).CurrentStop() == 4 && Text(kLightingSpeedLabel) == u"5" &&
                Control<CSliderControl>(kLightingBrightness).CurrentStop() == 2 &&
                Text(kLightingBrightnessLabel) == u"75%" && RadioOn(kLightingForward) && !RadioOn(kLightingReverse) &&
                Control<CColorSelectCheckButton>(kLightingSlotFirst + 6).Color() == 0x0000FF00u &&
                Control<CColorSelectCheckButton>(kLightingSlotFirst + 6).Checked() == 1;
       }},
      {"polling rate", [](ProfileRecord& p) { p.PollingRateValue[0] = 5; },
       [&] { return RadioOn(kPollingRadioFirst + 5) && !RadioOn(kPollingRadioFirst + 3); }},
      {"polling rate of the four-rate group", [](ProfileRecord& p) { p.PollingRateValue[0] = 1; },
       [&] { return RadioOn(kPollingRadioFirst + 1) && RadioOn(kPollingImageFirst + 1); }},
      {"lift-off low", [](ProfileRecord& p) { p.SetLiftDetectionHeight(1); },
       [&] { return RadioOn(kLiftLow) && !RadioOn(kLiftHigh); }},
      {"lift-off high", [](ProfileRecord& p) { p.SetLiftDetectionHeight(2); }, [&] { return RadioOn(kLiftHigh); }},
      {"debounce", [](ProfileRecord& p) { p.SetKeyDebounce(8); },
       [&] { return Control<CSliderControl>(kDebounceSlider).CurrentStop() == 8 && Text(kDebounceLabel) == u"8ms"; }},
      {"sensor options",
       [](ProfileRecord& p) {
         p.SetAngleSnap(1);
         p.SetMotionSync(0);
         p.SetRippleControl(1);
       },
       [&] {
         return Control<CCheckButton>(kAngleSnap).Checked() && !Control<CCheckButton>(kMotionSync).Checked() &&
                Control<CCheckButton>(kRippleControl).Checked();
       }},
      {"power times",
       [](ProfileRecord& p) {
         p.SetPowerDownTime(7);
         p.SetRgbOffTime(12);
         p.SetMoveLightingOnOffMode(1);
         p.SetMotionWakeup(0);
       },
       [&] {
         return Control<CSliderControl>(kSleepSlider).CurrentStop() == 6 &&
                Text(kSleepLabel) == u"Sleep after 7 min" &&
                Control<CSliderControl>(kLightsOffSlider).CurrentStop() == 11 &&
                Text(kLightsOffLabel) == u"Lights off after 12 min" &&
                Control<CPowerManageButton>(kPowerDial).Level() == 5 && Control<CCheckButton>(kMoveLighting).Checked() &&
                !Control<CCheckButton>(kMotionWakeup).Checked();
       }},
      {"pointer by page disables the scroll speed",
       [](ProfileRecord& p) {
         p.SetPointerSpeed(9);
         p.SetDoubleClickSpeed(3);
         p.SetScrollWheelSpeed(4);
         p.SetScrollWheelPageEnable(1);
         p.SetAccelerationEnable(1);
       },
       [&] {
         return Control<CSliderControl>(kPointerSpeed).CurrentStop() == 9 && Text(kPointerSpeedLabel) == u"10" &&
                Control<CSliderControl>(kDoubleClickSpeed).CurrentStop() == 3 && Text(kDoubleClickLabel) == u"4" &&
                Control<CSliderControl>(kScrollSpeed).CurrentStop() == 4 && Text(kScrollSpeedLabel) == u"5" &&
                RadioOn(kScrollPage) && window->FindControl(kScrollSpeed)->Disabled() &&
                Control<CCheckButton>(kAcceleration).Checked();
       }},
      {"pointer by lines enables it again", [](ProfileRecord& p) { p.SetScrollWheelPageEnable(0); },
       [&] { return RadioOn(kScrollLines) && !window->FindControl(kScrollSpeed)->Disabled(); }},
  };
  ctx->App.Config.SetCurrentProfile(3);
  for (const auto& c : cases) {
    c.change(ctx->App.Profiles[3]);
    ShowCurrentProfile(*window, ctx->App, ctx->Gui);
    EXPECT_TRUE(c.shown()) << c.what;
  }
}

TEST_F(MainWindowProfileTest, OnlyTheCurrentProfileIsShown) {
  ctx->App.Config.SetCurrentProfile(1);
  ctx->App.Profiles[0].Buttons[0].Name = u"slot 0";
  ctx->App.Profiles[1].Buttons[0].Name = u"slot 1";
  ShowCurrentProfile(*window, ctx->App, ctx->Gui);
  EXPECT_EQ(Control<CComboButton>(kButtonComboFirst).ValueText(), u"slot 1");
  EXPECT_EQ(ctx->App.CurrentProfileIndex, 1);
  EXPECT_EQ(ctx->Gui.ProfileTabIndex, 1);
}

TEST_F(MainWindowProfileTest, TabsFollowTheShowList) {
  struct Case {
    int count;
    int list[5];
    int current;
  };
  const Case cases[] = {
      {5, {0, 1, 2, 3, 4}, 0},
      {3, {4, 0, 2, 1, 3}, 2},
      {1, {3, 0, 1, 2, 4}, 3},
  };
  for (const auto& c : cases) {
    ctx->App.Config.SetProfileShowCount(c.count);
    for (int i = 0; i < 5; ++i) ctx->App.Config.SetProfileShowList(i, c.list[i]);
    ctx->App.Config.SetCurrentProfile(c.current);
    ShowCurrentProfile(*window, ctx->App, ctx->Gui);
    int previousTop = -1;
    int lastBottom = -1;
    for (int pos = 0; pos < 5; ++pos) {
      CControlBase* tab = window->FindControl(kProfileTabFirst + static_cast<unsigned>(c.list[pos]));
      EXPECT_EQ(tab->Visible(), pos < c.count) << "slot " << c.list[pos];
      if (pos >= c.count) continue;
      EXPECT_GT(tab->GetRect().top, previousTop) << "show-list order";
      previousTop = tab->GetRect().top;
      lastBottom = tab->GetRect().bottom;
      EXPECT_EQ(tab->GetText(), ctx->App.Profiles[c.list[pos]].ProfileName());
    }
    EXPECT_EQ(ctx->Gui.ProfileTabIndex, c.current);
    // The profile buttons stand just below the last tab: no hole when fewer are shown.
    const CRect rename = window->FindControl(kProfileRename)->GetRect();
    const CRect add = window->FindControl(kProfileAdd)->GetRect();
    EXPECT_GT(rename.top, lastBottom) << c.count << " tabs";
    EXPECT_LE(rename.top - lastBottom, 12) << c.count << " tabs";
    EXPECT_GT(add.top, rename.bottom) << c.count << " tabs";
  }
}

}  // namespace
}  // namespace corvane::testing
