// Radio groups, DPI level masks, the combo button's entry counter, the power dial's
// sectors and the link button, driven by real mouse events.
#include <gtest/gtest.h>

#include "skin/CCheckButton.h"
#include "skin/CComboButton.h"
#include "skin/CDPIRadioButton.h"
#include "skin/CLinkButton.h"
#include "skin/CPowerManageButton.h"
#include "skin/CRadioButton.h"
#include "skin/DrawTextW.h"
#include "support/SkinTestSupport.h"

namespace corvane::testing {
namespace {

class ButtonsTest : public ShownDialogTest {};

TEST(RadioSelectionTest, SelectingClearsOnlyItsOwnGroup) {
  struct Case {
    std::uint32_t before;
    unsigned id;
    std::uint32_t after;
  };
  const Case cases[] = {
      {0x002802A0, 3035, 0x00280282},  // 3039 -> 3035: bits 0..6 = 0b0000010
      {0x002802A0, 2010, 0x00280320},  // 2009 -> 2010
      {0x002802A0, 3502, 0x002804A0},  // 3501 -> 3502
      {0x002802A0, 3250, 0x002812A0},  // group 3240/3250 had nothing
      {0x002802A0, 2032, 0x002842A0},
      {0x002802A0, 3030, 0x002102A0},  // polling 3033 -> 3030
      {0x002802A0, 3510, 0x001802A0},
      {0x002802A0, 4000, 0x002802A0},  // no bit: nothing changes
  };
  for (const auto& c : cases) EXPECT_EQ(SelectRadio(c.before, c.id), c.after) << c.id;
}

TEST_F(ButtonsTest, RadioClickSelectsInItsGroupAndNotifies) {
  auto* r = dlg->AddControl(0, std::make_unique<CRadioButton>(dlg.get(), 3035, CRect{10, 10, 30, 30}, u""));
  Click(dlg.get(), {15, 15});
  EXPECT_EQ(gui->RadioSelection & 0x7F, 0b0000010u);
  EXPECT_EQ(gui->RadioSelection & ~0x7Fu, 0x002802A0u & ~0x7Fu);
  EXPECT_TRUE(r->Selected());
  EXPECT_EQ(dlg->For(3035).size(), 2u);
}

TEST(DpiRadioMaskTest, LevelKSelectsLevelsZeroToK) {
  struct Case {
    std::uint32_t before;
    int level;
    std::uint32_t after;
  };
  const Case cases[] = {{2, 3, 0x0F}, {0x0F, 0, 0x01}, {0, 7, 0xFF}, {0x1234FF, 1, 0x123403}};
  for (const auto& c : cases) EXPECT_EQ(SelectDpiLevels(c.before, c.level), c.after) << c.level;
}

TEST_F(ButtonsTest, DpiRadioClicksSetTheLevelMask) {
  for (int k = 0; k < 8; ++k)
    dlg->AddControl(0, std::make_unique<CDPIRadioButton>(dlg.get(), kDpiRadioFirstId + k,
                                                         CRect{10 + 40 * k, 10, 45 + 40 * k, 40}, u""));
  Click(dlg.get(), {10 + 120 + 5, 20});  // level 3
  EXPECT_EQ(gui->DpiRadioSelection & 0xFF, 0x0Fu);
  Click(dlg.get(), {15, 20});  // level 0
  EXPECT_EQ(gui->DpiRadioSelection & 0xFF, 0x01u);
}

TEST_F(ButtonsTest, CheckButtonClickTogglesBeforeNotifying) {
  auto* c = dlg->AddControl(0, std::make_unique<CCheckButton>(dlg.get(), 3100, CRect{10, 10, 60, 30}, u"", DT_LEFT));
  Click(dlg.get(), {20, 20});
  EXPECT_TRUE(c->Checked());
  Click(dlg.get(), {20, 20});
  EXPECT_FALSE(c->Checked());
}

TEST_F(ButtonsTest, ComboButtonSendsFiveEntersThenWaitsForLeaving) {
  constexpr unsigned kNotify = 1100;
  auto* combo = dlg->AddControl(0, std::make_unique<CComboButton>(dlg.get(), kNotify, 2060, CRect{10, 10, 190, 36},
                                                                  u"", DT_CENTER, u"Left"));
  auto enters = [&] {
    int n = 0;
    for (const auto& m : dlg->For(kNotify)) n += m.lParam == kNotifyEnter && m.wParam == 2060;
    return n;
  };
  auto leaves = [&] {
    int n = 0;
    for (const auto& m : dlg->For(kNotify)) n += m.lParam == kNotifyLeave && m.wParam == 2060;
    return n;
  };
  Move(dlg.get(), {300, 200});  // outside first: the leave flag is set once
  const int leavesBefore = leaves();
  for (int i = 0; i < 8; ++i) Move(dlg.get(), {20 + i, 20});
  EXPECT_EQ(enters(), 5);
  Move(dlg.get(), {300, 200});
  EXPECT_EQ(leaves(), leavesBefore + 1);
  for (int i = 0; i < 8; ++i) Move(dlg.get(), {20 + i, 20});
  EXPECT_EQ(enters(), 10);

  // With its popup open, leaving sends nothing and the counter is not reset.
  combo->SetPopupOpen(true);
  Move(dlg.get(), {300, 200});
  EXPECT_EQ(leaves(), leavesBefore + 1);
  Move(dlg.get(), {20, 20});
  EXPECT_EQ(enters(), 10);
}

TEST_F(ButtonsTest, ComboButtonClickGoesToItsNotificationMessageUnlessLocked) {
  auto* combo = dlg->AddControl(0, std::make_unique<CComboButton>(dlg.get(), 1100, 2060, CRect{10, 10, 190, 36}, u"",
                                                                  DT_CENTER, u"Left"));
  Click(dlg.get(), {20, 20});
  EXPECT_EQ(dlg->For(2060), (std::vector<Message>{{2060, 0, kNotifyPress}}));
  EXPECT_EQ(dlg->For(1100).back(), (Message{1100, 2060, kNotifyClick}));
  combo->SetLocked(true);
  dlg->messages.clear();
  Click(dlg.get(), {20, 20});
  EXPECT_TRUE(dlg->For(2060).empty());
  for (const auto& m : dlg->For(1100)) EXPECT_NE(m.lParam, kNotifyClick);
}

TEST_F(ButtonsTest, PowerDialChoosesSectorsAndIgnoresGaps) {
  auto* dial = dlg->AddControl(0, std::make_unique<CPowerManageButton>(dlg.get(), 1, CRect{0, 0, 137, 75}, u"", 0));
  EXPECT_EQ(dial->Id(), kPowerManageId);
  struct Case {
    QPoint p;
    int level;  // 0: the click changes nothing
  };
  const Case cases[] = {
      {{10, 66}, 1}, {{20, 50}, 2}, {{35, 35}, 3}, {{60, 20}, 4},
      {{80, 20}, 5}, {{105, 35}, 6}, {{120, 50}, 7}, {{128, 66}, 8},
      {{2, 2}, 0},    // corner outside every sector
      {{70, 74}, 0},  // below the apex line
      {{135, 5}, 0},
  };
  for (const auto& c : cases) {
    dial->SetLevel(6);
    dlg->messages.clear();
    Click(dlg.get(), c.p);
    EXPECT_EQ(dial->Level(), c.level ? c.level : 6) << c.p.x() << "," << c.p.y();
    EXPECT_EQ(dlg->For(kPowerManageId).size(), c.level ? 2u : 1u);
    EXPECT_NE(dial->State(), 2) << "a release in a gap leaves the dial pressed";
  }
}

TEST_F(ButtonsTest, LinkButtonReportsEnteringAndLeavingOnce) {
  dlg->AddControl(0, std::make_unique<CLinkButton>(dlg.get(), 7, CRect{10, 10, 100, 30}, u"site", DT_LEFT));
  for (int i = 0; i < 3; ++i) Move(dlg.get(), {20 + i, 20});
  Move(dlg.get(), {200, 200});
  Move(dlg.get(), {210, 200});
  EXPECT_EQ(dlg->For(kLinkButtonId),
            (std::vector<Message>{{kLinkButtonId, 0, kNotifyEnter}, {kLinkButtonId, 0, kNotifyLeave}}));
}

}  // namespace
}  // namespace corvane::testing
