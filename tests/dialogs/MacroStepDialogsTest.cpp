// The macro manager's five small dialogs: the values their OK stores (delay clamp,
// movement range and sign), the keys they take or swallow, the digits-only warning, the
// key dialog's last key, and the rename that ends as cancelled when nothing changed.
#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>

#include "dialogs/CActionKeyModifyDlg.h"
#include "dialogs/CActionTimeModifyDlg.h"
#include "dialogs/CActionXYModifyDlg.h"
#include "dialogs/CMacroKeyOrFolderNameDlg.h"
#include "dialogs/CMacroKeyRenameDlg.h"
#include "lang/LanguageEntries.h"
#include "platform/KeyboardHookKeys.h"
#include "session/AppContext.h"
#include "support/HexBytes.h"
#include "support/ModalScript.h"
#include "support/SkinTestSupport.h"

namespace corvane::testing {
namespace {

MacroAction Step(std::uint8_t b0, std::uint8_t b1, std::uint8_t b2, std::uint8_t b3) { return {{b0, b1, b2, b3}}; }

void Key(QWidget* w, int key, const QString& text = QString()) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
  QApplication::sendEvent(w, &press);
}

class MacroStepDialogsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ctx.Language.Texts[kTextDigitsOnly] = u"digits only";
    gui = MakeGuiState(ctx.Language);
  }
  AppContext ctx;
  std::unique_ptr<GuiState> gui;
};

TEST_F(MacroStepDialogsTest, DelayFieldIsClampedAndWrittenBigEndian) {
  struct Case {
    const char* typed;
    MacroAction step;
  };
  const Case cases[] = {
      {"4095", Step(3, 0x00, 0x0F, 0xFF)},  {"100000", Step(3, 0x01, 0x86, 0xA0)},
      {"99999999", Step(3, 0xE9, 0x75, 0xA0)},  // 15,300,000 ms at most
      {"0", Step(3, 0, 0, 0)},              {"", Step(3, 0, 0, 0)},
      {"12ms", Step(3, 0, 0, 12)},          {"-5", Step(3, 0, 0, 0)},  // not FF FF FF
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    MacroAction step = Step(3, 0, 0, 100);
    CActionTimeModifyDlg dlg(*gui, step);
    dlg.EnsureInitialized();
    dlg.show();
    EXPECT_EQ(dlg.Edit()->text(), "100");
    dlg.Edit()->setText(QString::fromLatin1(c.typed));
    Key(dlg.Edit(), Qt::Key_Return);  // Enter confirms
    EXPECT_EQ(dlg.Result(), IDOK);
    EXPECT_EQ(step, c.step);
  }
}

TEST_F(MacroStepDialogsTest, MovementIsOneTo127WithTheDirectionsSign) {
  struct Case {
    int type;
    MacroAction opened;
    const char* shown;
    const char* typed;
    MacroAction stored;
  };
  const Case cases[] = {
      {5, Step(0xE5, 0, 0, 0xFF), "1", "200", Step(0xE5, 0, 0, 0x81)},  // left, -127
      {6, Step(0xE5, 0, 0, 0x01), "1", "5", Step(0xE5, 0, 0, 0x05)},
      {7, Step(0xE6, 0, 0, 0xF6), "10", "x", Step(0xE6, 0, 0, 0xFF)},   // no number: 1
      {8, Step(0xE6, 0, 0, 0x01), "1", "0", Step(0xE6, 0, 0, 0x01)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.type);
    MacroAction step = c.opened;
    CActionXYModifyDlg dlg(*gui, step, c.type);
    dlg.EnsureInitialized();
    dlg.show();
    EXPECT_EQ(dlg.FindControl(kIdTitle)->GetText(), ctx.Language.Text(kTextMoveLeftTitle + c.type - 5));
    EXPECT_EQ(dlg.Edit()->text(), QString::fromLatin1(c.shown));
    dlg.Edit()->setText(QString::fromLatin1(c.typed));
    Click(&dlg, Inside(dlg.FindControl(kIdOk)->GetRect()));
    EXPECT_EQ(step, c.stored);
  }
}

TEST_F(MacroStepDialogsTest, NumberFieldsWarnAboutNonDigitsSwallowEscapeAndCancelKeepsTheStep) {
  MacroAction step = Step(3, 0, 0, 50);
  CActionTimeModifyDlg dlg(*gui, step);
  dlg.EnsureInitialized();
  dlg.show();
  dlg.Edit()->setFocus();
  {
    ModalScript answers;
    answers.Attention();
    QTest::keyClicks(dlg.Edit(), "7x");
    EXPECT_EQ(answers.attentions, (std::vector<std::u16string>{u"digits only"}));
  }
  EXPECT_TRUE(dlg.Edit()->text().endsWith("7x")) << "the character is still typed";
  ModalScript none;
  QTest::keyClicks(dlg.Edit(), "\b");
  Key(dlg.Edit(), Qt::Key_Escape);
  EXPECT_TRUE(none.attentions.empty()) << "backspace is allowed";
  EXPECT_EQ(dlg.Result(), 0) << "Escape does not close it";
  Click(&dlg, Inside(dlg.FindControl(kIdCancel)->GetRect()));
  EXPECT_EQ(dlg.Result(), IDCANCEL);
  EXPECT_EQ(step, Step(3, 0, 0, 50));
}

TEST_F(MacroStepDialogsTest, KeyDialogTakesTheLastKeyTheHookReports) {
  struct Case {
    std::vector<std::pair<std::uint8_t, bool>> keys;  // (code, release)
    std::uint8_t chosen;
    const char16_t* shown;
  };
  const Case cases[] = {
      {{{0xA0, false}, {0x41, false}}, 0x41, u"A"},                  // Shift, then A
      {{{0xA0, false}, {0x41, false}, {0xA0, true}}, 0xA0, u"Shift_L"},  // then Shift let go
      {{}, 0x42, u"B"},                                              // nothing: the step's key
  };
  for (const Case& c : cases) {
    MacroAction step = Step(0x42, 0x80, 0, 0);
    CActionKeyModifyDlg dlg(*gui, step);
    dlg.EnsureInitialized();
    dlg.show();
    EXPECT_TRUE(dlg.Hook().Started()) << "the hook runs while the dialog is open";
    for (auto [code, release] : c.keys) dlg.OnMessage(kMsgKeyboardHook, code, HookLParam(release, 10));
    EXPECT_EQ(dlg.FindControl(CActionKeyModifyDlg::kIdKeyText)->GetText(), c.shown);
    Click(&dlg, Inside(dlg.FindControl(kIdOk)->GetRect()));
    EXPECT_EQ(dlg.Result(), IDOK);
    EXPECT_FALSE(dlg.Hook().Started());
    EXPECT_EQ(step, Step(c.chosen, 0x80, 0, 0)) << "bytes 1..3 stay";
  }
}

TEST_F(MacroStepDialogsTest, KeyDialogEnterConfirmsWithoutStoringEscapeCancels) {
  struct Case {
    int key;
    int result;
  };
  for (const Case c : {Case{Qt::Key_Return, IDOK}, Case{Qt::Key_Escape, IDCANCEL}}) {
    MacroAction step = Step(0x41, 0, 0, 0);
    CActionKeyModifyDlg dlg(*gui, step);
    dlg.EnsureInitialized();
    dlg.show();
    dlg.OnMessage(kMsgKeyboardHook, 0x43, 0);
    Key(&dlg, c.key);
    EXPECT_EQ(dlg.Result(), c.result);
    EXPECT_FALSE(dlg.Hook().Started());
    EXPECT_EQ(step, Step(0x41, 0, 0, 0));
  }
}

TEST_F(MacroStepDialogsTest, NameDialogsKeepTheTypedNameAndRenameNeedsAChange) {
  for (int mode : {CMacroKeyOrFolderNameDlg::kMacro, CMacroKeyOrFolderNameDlg::kFolder}) {
    CMacroKeyOrFolderNameDlg dlg(*gui, mode);
    dlg.EnsureInitialized();
    dlg.show();
    EXPECT_EQ(dlg.FindControl(kIdTitle)->GetText(),
              ctx.Language.Text(mode == 0 ? kTextNewMacroTitle : kTextNewFolderTitle));
    EXPECT_EQ(dlg.Edit()->text(), "");
    Key(dlg.Edit(), Qt::Key_Escape);
    EXPECT_EQ(dlg.Result(), 0);
    QTest::keyClicks(dlg.Edit(), "Combo 1");
    Key(dlg.Edit(), Qt::Key_Enter);
    EXPECT_EQ(dlg.Result(), IDOK);
    EXPECT_EQ(dlg.NewNodeName(), u"Combo 1");
  }
  struct Case {
    const char* typed;
    int result;
  };
  for (const Case c : {Case{"Fire", IDCANCEL}, Case{"fire", IDOK}, Case{"", IDOK}}) {
    CMacroKeyRenameDlg dlg(*gui, u"Fire");
    dlg.EnsureInitialized();
    dlg.show();
    EXPECT_EQ(dlg.Edit()->text(), "Fire");
    dlg.Edit()->setText(QString::fromLatin1(c.typed));
    Click(&dlg, Inside(dlg.FindControl(kIdOk)->GetRect()));
    EXPECT_EQ(dlg.Result(), c.result) << c.typed;
    EXPECT_EQ(dlg.RenameResult(), QString::fromLatin1(c.typed).toStdU16String());
  }
}

}  // namespace
}  // namespace corvane::testing
