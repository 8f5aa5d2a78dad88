// CollectUiIntoProfile on a window without the settings controls: what has no control
// keeps its value, except the key debounce, which falls back to 12 ms, and the checks,
// radios and levels, which read as off.
#include <gtest/gtest.h>

#include "app/CollectUiIntoProfile.h"
#include "app/MainWindowIds.h"
#include "settings/ProfileTable.h"
#include "skin/CPowerManageButton.h"
#include "skin/CSliderControl.h"
#include "support/SkinTestSupport.h"

namespace corvane::testing {
namespace {

using namespace mainwnd;

TEST(CollectUiIntoProfileTest, MissingControlsKeepTheirSettingsAndTheSliderOverridesTheDial) {
  LanguageTable language;
  auto gui = MakeGuiState(language);
  TestDialog dlg(*gui);
  ProfileRecord p;
  p.SetTiltSpeed(4);
  p.SetScrollWheelSpeed(5);
  p.SetPowerDownTime(9);
  p.SetKeyDebounce(20);
  CollectUiIntoProfile(dlg, *gui, p);
  EXPECT_EQ(p.SettingNumber(kSettingTiltSpeed), 4);
  EXPECT_EQ(p.SettingNumber(kSettingScrollWheelSpeed), 5);
  EXPECT_EQ(p.GetPowerDownTime(), 9);
  EXPECT_EQ(p.SettingNumber(kSettingKeyDebounce), 12);

  // The dial alone gives its minutes (level 4: 6 minutes); the sleep slider then wins.
  auto* dial = dlg.AddControl(0, std::make_unique<CPowerManageButton>(&dlg, kPowerDial, CRect{0, 0, 137, 75}, u"", 0));
  dial->SetLevel(4);
  CollectUiIntoProfile(dlg, *gui, p);
  EXPECT_EQ(p.GetPowerDownTime(), 6);
  auto* sleep =
      dlg.AddControl(0, std::make_unique<CSliderControl>(&dlg, kSleepSlider, CRect{0, 100, 300, 116}, u"", 30, 8, 8));
  sleep->SetCurrentStop(14);
  CollectUiIntoProfile(dlg, *gui, p);
  EXPECT_EQ(p.GetPowerDownTime(), 15);
}

}  // namespace
}  // namespace corvane::testing
