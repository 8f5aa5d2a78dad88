// The button page driven by the mouse: the function menu beside a combo, its submenus on
// hover, every value they give, the left click that must remain, the spare combos, and
// the frames a choice sends compared with corvanectl's.
#include <gtest/gtest.h>

#include <array>

#include <QLineEdit>

#include "MainWindowCommandsFixture.h"
#include "base/TextUtil.h"
#include "device/sim/SimFaults.h"
#include "dialogs/CFireKeyDlg.h"
#include "dialogs/CQuickLaunchDlg.h"
#include "dialogs/CShortcutDlg.h"
#include "platform/KeyboardHookKeys.h"
#include "lang/LanguageEntries.h"
#include "settings/SensorTables.h"
#include "skin/CComboButton.h"
#include "support/ApplyCliHelpers.h"
#include "widgets/CComboPopup.h"

namespace corvane::testing {
namespace {

using namespace mainwnd;
using Value = std::array<std::uint8_t, 3>;

class MainWindowButtonsTest : public MainWindowCommandsTest {
 protected:
  void SetUp() override { Open(); }
  CComboButton* Combo(unsigned id) { return dynamic_cast<CComboButton*>(Control(id)); }
  CWndPopup* OpenMenu(unsigned comboId) {
    ClickControl(comboId);
    CWndPopup* menu = Slot(kSlotButtonMenu);
    EXPECT_NE(menu, nullptr);
    return menu;
  }
};

TEST_F(MainWindowButtonsTest, ComboOpensTheMenuBesideItLit) {
  CWndPopup* menu = OpenMenu(kButtonComboFirst + 3);
  ASSERT_NE(menu, nullptr);
  EXPECT_EQ(menu->Items().size(), 17u);
  EXPECT_EQ(menu->OwnerId(), kButtonComboFirst + 3);
  EXPECT_TRUE(Combo(kButtonComboFirst + 3)->PopupOpen());
  const CRect r = Control(kButtonComboFirst + 3)->GetRect();
  EXPECT_EQ(menu->pos(), dlg->mapToGlobal(QPoint(r.left + 161, r.top - 20)));
  // Another combo's click replaces it.
  CWndPopup* second = OpenMenu(kButtonComboFirst + 1);
  Settle();
  EXPECT_NE(second, menu);
  EXPECT_EQ(Slot(kSlotButtonMenu), second) << "the new menu stays open";
  EXPECT_FALSE(Combo(kButtonComboFirst + 3)->PopupOpen());
  EXPECT_EQ(dlg->ButtonMenuTarget(), kButtonComboFirst + 1);
}

// Menu item (0-based index), submenu item (-1: none), the label and value the button gets.
struct Pick {
  int item;
  int sub;
  Value value;
};

TEST_F(MainWindowButtonsTest, EveryMenuAndSubmenuValue) {
  std::vector<Pick> picks = {
      {0, -1, {0x10, 0x01, 0x00}},  {1, -1, {0x10, 0x02, 0x00}},  {2, -1, {0x10, 0x04, 0x00}},
      {3, -1, {0x10, 0x10, 0x00}},  {4, -1, {0x10, 0x08, 0x00}},  {7, -1, {0x30, 0x32, 0x03}},
      {13, -1, {0x60, 0x04, 0x00}}, {16, -1, {0x00, 0x00, 0x00}},
      {5, 0, {0x40, 0x02, 0x00}},   {5, 1, {0x40, 0x03, 0x00}},   {5, 2, {0x40, 0x01, 0x00}},
  };
  const Value media[] = {{0x80, 0x83, 0x01}, {0x80, 0xB6, 0x00}, {0x80, 0xB5, 0x00}, {0x80, 0xB7, 0x00},
                         {0x80, 0xCD, 0x00}, {0x80, 0xE2, 0x00}, {0x80, 0xE9, 0x00}, {0x80, 0xEA, 0x00},
                         {0x80, 0x8A, 0x01}, {0x80, 0x92, 0x01}};
  const Value office[] = {{0x70, 0x01, 0x06}, {0x70, 0x01, 0x19}, {0x70, 0x01, 0x1B}, {0x70, 0x01, 0x04},
                          {0x70, 0x01, 0x11}, {0x70, 0x01, 0x16}, {0x70, 0x01, 0x13}, {0x70, 0x08, 0x08},
                          {0x70, 0x01, 0x1D}};
  const Value window[] = {{0x80, 0x94, 0x01}, {0x70, 0x04, 0x3D}, {0x70, 0x08, 0x07},
                          {0x70, 0x08, 0x15}, {0x70, 0x08, 0x51}, {0x70, 0x08, 0x52}};
  for (int i = 0; i < 10; ++i) picks.push_back({10, i, media[i]});
  for (int i = 0; i < 9; ++i) picks.push_back({11, i, office[i]});
  for (int i = 0; i < 6; ++i) picks.push_back({12, i, window[i]});
  for (int i = 0; i < kDpiLockItemCount; ++i)
    picks.push_back({14, i, {0x50, DpiLockCode(App().Dpi.SensorId, i + 1), 0x00}});

  const unsigned combo = kButtonComboFirst + 2;
  for (const Pick& p : picks) {
    SCOPED_TRACE(std::to_string(p.item) + "/" + std::to_string(p.sub));
    CWndPopup* menu = OpenMenu(combo);
    ASSERT_NE(menu, nullptr);
    Hover(menu, p.item);
    CWndPopup* chosenFrom = menu;
    int index = p.item;
    if (p.sub >= 0) {
      chosenFrom = Slot(kSlotButtonSubmenu);
      ASSERT_NE(chosenFrom, nullptr);
      // Beside the menu, level with its item.
      EXPECT_EQ(chosenFrom->pos().x(), menu->pos().x() + menu->width());
      index = p.sub;
    } else {
      EXPECT_EQ(Slot(kSlotButtonSubmenu), nullptr);
    }
    const std::u16string caption = chosenFrom->Items()[static_cast<std::size_t>(index)].text;
    Choose(chosenFrom, index);
    Settle();
    EXPECT_EQ(Current().Buttons[2].Value, p.value);
    const std::u16string label =
        p.item == 14 ? Text(kTextDpiLock) + u"-" + FormatDecimal(DpiLockItemDpi(p.sub + 1)) : caption;
    EXPECT_EQ(Current().Buttons[2].Name, label);
    EXPECT_EQ(Combo(combo)->ValueText(), Current().Buttons[2].Name);
    EXPECT_FALSE(Combo(combo)->PopupOpen());
    EXPECT_EQ(Slot(kSlotButtonMenu), nullptr);
    EXPECT_EQ(Slot(kSlotButtonSubmenu), nullptr);
    EXPECT_TRUE(dlg->TimerActive(kTimerApply));
    EXPECT_EQ(dlg->Upload().Dirty.ButtonsDirty, 1);
  }
}

TEST_F(MainWindowButtonsTest, PlainItemClosesTheOpenSubmenu) {
  CWndPopup* menu = OpenMenu(kButtonComboFirst + 1);
  ASSERT_NE(menu, nullptr);
  Hover(menu, 10);  // multimedia
  ASSERT_NE(Slot(kSlotButtonSubmenu), nullptr);
  EXPECT_EQ(Slot(kSlotButtonSubmenu)->Items().size(), 10u);
  Hover(menu, 11);  // office replaces it
  ASSERT_NE(Slot(kSlotButtonSubmenu), nullptr);
  EXPECT_EQ(Slot(kSlotButtonSubmenu)->Items().size(), 9u);
  Hover(menu, 2);  // middle click: no submenu
  EXPECT_EQ(Slot(kSlotButtonSubmenu), nullptr);
  EXPECT_NE(Slot(kSlotButtonMenu), nullptr);
}

TEST_F(MainWindowButtonsTest, ClickingElsewhereClosesTheMenus) {
  CWndPopup* menu = OpenMenu(kButtonComboFirst + 1);
  ASSERT_NE(menu, nullptr);
  Hover(menu, 5);
  ASSERT_NE(Slot(kSlotButtonSubmenu), nullptr);
  Settle();
  // The submenu took the activation from the menu: both stay.
  EXPECT_NE(Slot(kSlotButtonMenu), nullptr);
  dlg->activateWindow();
  QTRY_VERIFY(Slot(kSlotButtonMenu) == nullptr);
  EXPECT_EQ(Slot(kSlotButtonSubmenu), nullptr);
  EXPECT_FALSE(Combo(kButtonComboFirst + 1)->PopupOpen());
  EXPECT_EQ(Current().Buttons[1].Value, (Value{0x10, 0x02, 0x00}));
}

TEST_F(MainWindowButtonsTest, DisablingTheOnlyLeftClickPutsItBack) {
  ASSERT_EQ(Current().Buttons[0].Value, (Value{0x10, 0x01, 0x00}));
  for (int b = 1; b < kButtonCount; ++b) ASSERT_NE(Current().Buttons[static_cast<std::size_t>(b)].Value, (Value{0x10, 0x01, 0x00}));
  NewFrames();
  ModalResponder answer;
  CWndPopup* menu = OpenMenu(kButtonComboFirst);
  ASSERT_NE(menu, nullptr);
  Choose(menu, 16);  // disabled
  EXPECT_EQ(Current().Buttons[0].Value, (Value{0x10, 0x01, 0x00}));
  EXPECT_EQ(Current().Buttons[0].Name, Text(kTextLeftClick));
  EXPECT_EQ(Combo(kButtonComboFirst)->ValueText(), Text(kTextLeftClick));
  EXPECT_FALSE(dlg->TimerActive(kTimerApply));
  EXPECT_TRUE(dlg->TimerActive(kTimerLeftClickRestored));
  EXPECT_TRUE(answer.messages.empty());
  QTest::qWait(60);
  EXPECT_TRUE(answer.messages.empty()) << "shown 100 ms later, not at once";
  QTRY_COMPARE(answer.messages.size(), 1u);
  EXPECT_EQ(answer.messages[0], Text(kTextLeftClickRestored));
  EXPECT_TRUE(NewFrames().empty());
}

TEST_F(MainWindowButtonsTest, SpareCombosChangeNoProfileData) {
  for (const unsigned spare : {kSpareComboFirst, kSpareComboFirst + 1}) {
    SCOPED_TRACE(spare);
    const auto before = Current().Buttons;
    dlg->Upload().Dirty = {};
    dlg->KillTimer(kTimerApply);
    // The spare combos are never shown; their click reaches the window as the combo sends it.
    dlg->OnMessage(kButtonComboMessage, spare, kNotifyClick);
    CWndPopup* menu = Slot(kSlotButtonMenu);
    ASSERT_NE(menu, nullptr);
    Choose(menu, 16);
    for (int b = 0; b < kButtonCount; ++b) {
      EXPECT_EQ(Current().Buttons[static_cast<std::size_t>(b)].Value, before[static_cast<std::size_t>(b)].Value);
      EXPECT_EQ(Current().Buttons[static_cast<std::size_t>(b)].Name, before[static_cast<std::size_t>(b)].Name);
    }
    // The left-click check still ran: the buttons are to be sent.
    EXPECT_EQ(dlg->Upload().Dirty.ButtonsDirty, 1);
    EXPECT_TRUE(dlg->TimerActive(kTimerApply));
  }
}

TEST_F(MainWindowButtonsTest, FireKeyAndQuickLaunchDialogsAssignTheButton) {
  // Fire key: the dialog opens from item 7, its OK reports 30 ii cc.
  ModalResponder fire([](QWidget* w) {
    auto* d = qobject_cast<CFireKeyDlg*>(w);
    if (!d) return false;
    d->IntervalEdit()->setText("40");
    d->CountEdit()->setText("7");
    d->RunOk();
    return true;
  });
  CWndPopup* menu = OpenMenu(kButtonComboFirst + 4);
  ASSERT_NE(menu, nullptr);
  Choose(menu, 6);
  EXPECT_EQ(Current().Buttons[4].Value, (Value{0x30, 0x28, 0x07}));
  EXPECT_EQ(fire.others, std::vector<std::string>{"corvane::CFireKeyDlg"});
  EXPECT_EQ(Slot(kSlotButtonMenu), nullptr);
}

TEST_F(MainWindowButtonsTest, QuickLaunchDialogGivesTheChosenTarget) {
  const std::string target = data.Path("tool.sh").string();
  ModalResponder launch([&](QWidget* w) {
    auto* d = qobject_cast<CQuickLaunchDlg*>(w);
    if (!d) return false;
    d->SetChosenPath(QString::fromStdString(target));
    ClickIn(d, kIdOk);
    return true;
  });
  CWndPopup* menu = OpenMenu(kButtonComboFirst + 6);
  ASSERT_NE(menu, nullptr);
  Choose(menu, 15);
  EXPECT_EQ(Current().Buttons[6].Value, (Value{0x60, 0x05, 0x00}));
  EXPECT_EQ(Current().Buttons[6].Name, u"tool.sh");
  EXPECT_EQ(Current().Buttons[6].URL, U16(target));
  EXPECT_EQ(Combo(kButtonComboFirst + 6)->ValueText(), u"tool.sh");
}

// Items 9 and 10 of the menu open the macro picker and the key-combination dialog; what
// they give is assigned like any other choice, and a cancelled one changes nothing.
TEST_F(MainWindowButtonsTest, MacroPickerAndKeyCombinationDialogsAssignTheButton) {
  const ButtonEntry before = Current().Buttons[2];
  {
    ModalResponder cancel;
    CWndPopup* menu = OpenMenu(kButtonComboFirst + 2);
    ASSERT_NE(menu, nullptr);
    Choose(menu, 8);
    EXPECT_EQ(cancel.others, std::vector<std::string>{"corvane::CMacroSelectDlg"});
    EXPECT_EQ(Current().Buttons[2].Value, before.Value);
    EXPECT_EQ(Slot(kSlotButtonMenu), nullptr);
  }
  ModalResponder keys([](QWidget* w) {
    auto* d = qobject_cast<CShortcutDlg*>(w);
    if (!d) return false;
    ClickIn(d, CShortcutDlg::kIdCtrl);
    ClickIn(d, CShortcutDlg::kIdShift);
    d->OnMessage(kMsgKeyboardHook, 0x41, HookLParam(false, 0));
    ClickIn(d, kIdOk);
    return true;
  });
  CWndPopup* menu = OpenMenu(kButtonComboFirst + 2);
  ASSERT_NE(menu, nullptr);
  Choose(menu, 9);
  EXPECT_EQ(keys.others, std::vector<std::string>{"corvane::CShortcutDlg"});
  EXPECT_EQ(Current().Buttons[2].Value, (Value{0x70, 0x03, 0x04}));
  EXPECT_EQ(Combo(kButtonComboFirst + 2)->ValueText(), u"Ctrl+Shift+A");
}

// A choice sends exactly the frames corvanectl sends for the same change.
TEST_F(MainWindowButtonsTest, AssignmentSendsWhatCorvanectlSends) {
  NewFrames();
  ModalResponder answer;
  CWndPopup* menu = OpenMenu(kButtonComboFirst + 4);
  ASSERT_NE(menu, nullptr);
  Hover(menu, 11);  // office
  CWndPopup* office = Slot(kSlotButtonSubmenu);
  ASSERT_NE(office, nullptr);
  Choose(office, 7);
  RunApply();
  const auto gui = NewFrames();
  ASSERT_FALSE(gui.empty());

  TempDataFolder cliFolder;
  const auto cli = RunOnSimulatedMouse(cliFolder, {"button", "4", "office:8"});
  ASSERT_EQ(cli.run.status, 0) << cli.run.err;
  EXPECT_EQ(gui, cli.frames);
}

TEST_F(MainWindowButtonsTest, UnacknowledgedUploadIsShownAndSentAgain) {
  ASSERT_NE(dlg->Session()->Sim(), nullptr);
  SimFaults faults;
  faults.noAck = true;
  dlg->Session()->Sim()->SetFaults(faults);
  NewFrames();
  {
    ModalResponder answer;
    CWndPopup* menu = OpenMenu(kButtonComboFirst + 3);
    ASSERT_NE(menu, nullptr);
    Choose(menu, 2);
    RunApply();
    ASSERT_FALSE(answer.messages.empty());
    const std::u16string& said = answer.messages.back();
    EXPECT_EQ(said.rfind(Text(kTextUploadNotTaken), 0), 0u);
    EXPECT_EQ(said, Text(kTextUploadNotTaken) + u" ButtonMap");
    EXPECT_EQ(dlg->Upload().Dirty.ButtonsDirty, 1) << "the group is sent again";
  }
  const auto refused = NewFrames();
  ASSERT_FALSE(refused.empty());
  // The mouse answers again: the apply button sends the buttons once more and says nothing.
  dlg->Session()->Sim()->SetFaults(SimFaults{});
  ModalResponder answer;
  ClickControl(kApply);
  EXPECT_TRUE(answer.messages.empty());
  EXPECT_EQ(dlg->Upload().Dirty.ButtonsDirty, 0);
  const auto resent = NewFrames();
  ASSERT_FALSE(resent.empty());
  // The same button map, in a frame of its own (sequence number and checksum differ).
  const std::size_t payload = std::string("set wired 09 01 SS 01 CK ").size();
  EXPECT_EQ(resent.front().substr(payload), refused.front().substr(payload));
}

}  // namespace
}  // namespace corvane::testing
