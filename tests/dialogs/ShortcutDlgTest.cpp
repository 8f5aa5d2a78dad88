// The key-combination dialog: the key the hook reports (Windows and side-specific
// modifier keys ignored), the modifier boxes and the key-alone box, and what OK gives.
#include <gtest/gtest.h>

#include "dialogs/CShortcutDlg.h"
#include "lang/LanguageEntries.h"
#include "platform/KeyboardHookKeys.h"
#include "session/AppContext.h"
#include "skin/CCheckButton.h"
#include "support/ModalScript.h"

namespace corvane::testing {
namespace {

TEST(ShortcutDlgTest, CaptionAndValueFromBoxesAndTheLastKey) {
  struct Case {
    std::vector<unsigned> boxes;
    std::vector<std::uint8_t> keys;
    const char16_t* caption;  // nullptr: nothing given
    ButtonValue value;
  };
  const Case cases[] = {
      {{CShortcutDlg::kIdCtrl, CShortcutDlg::kIdShift}, {0x41}, u"Ctrl+Shift+A", {0x70, 0x03, 0x04}},
      {{CShortcutDlg::kIdCtrl, CShortcutDlg::kIdAlt}, {0x41}, u"Ctrl+Alt+A", {0x70, 0x05, 0x04}},
      {{CShortcutDlg::kIdWin}, {0x45}, u"Win+E", {0x70, 0x08, 0x08}},
      {{CShortcutDlg::kIdCtrl, CShortcutDlg::kIdShift}, {0xA0, 0x41, 0x5B, 0xA3}, u"Ctrl+Shift+A", {0x70, 0x03, 0x04}},
      {{CShortcutDlg::kIdCtrl, CShortcutDlg::kIdKeyOnly}, {0x41}, u"A", {0x70, 0x00, 0x04}},
      {{CShortcutDlg::kIdCtrl, CShortcutDlg::kIdAlt}, {}, u"Ctrl+Alt", {0x70, 0x05, 0x00}},
      {{}, {0x5B}, nullptr, {}},  // the Windows key alone changes nothing
      {{}, {0x70}, u"F1", {0x70, 0x00, 0x3A}},
  };
  AppContext ctx;
  auto gui = MakeGuiState(ctx.Language);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.caption ? QString::fromStdU16String(c.caption).toStdString() : "nothing");
    CShortcutDlg dlg(*gui);
    dlg.EnsureInitialized();
    dlg.show();
    EXPECT_TRUE(dlg.Hook().Started());
    for (unsigned id : c.boxes) Click(&dlg, Inside(dlg.FindControl(id)->GetRect()));
    for (std::uint8_t k : c.keys) dlg.OnMessage(kMsgKeyboardHook, k, HookLParam(false, 0));
    Click(&dlg, Inside(dlg.FindControl(kIdOk)->GetRect()));
    EXPECT_FALSE(dlg.Hook().Started());
    if (!c.caption) {
      EXPECT_FALSE(dlg.Choice());
      EXPECT_EQ(dlg.FindControl(CShortcutDlg::kIdKeyText)->GetText(), u"");
      continue;
    }
    ASSERT_TRUE(dlg.Choice());
    EXPECT_EQ(dlg.Choice()->Label, c.caption);
    EXPECT_EQ(dlg.Choice()->Value, c.value);
  }
}

TEST(ShortcutDlgTest, KeyAloneDisablesTheModifierBoxes) {
  AppContext ctx;
  auto gui = MakeGuiState(ctx.Language);
  CShortcutDlg dlg(*gui);
  dlg.EnsureInitialized();
  dlg.show();
  const unsigned modifiers[] = {CShortcutDlg::kIdCtrl, CShortcutDlg::kIdShift, CShortcutDlg::kIdAlt,
                                CShortcutDlg::kIdWin};
  for (bool keyOnly : {true, false}) {
    Click(&dlg, Inside(dlg.FindControl(CShortcutDlg::kIdKeyOnly)->GetRect()));
    for (unsigned id : modifiers) EXPECT_EQ(dlg.FindControl(id)->Disabled(), keyOnly) << id;
  }
  dlg.OnMessage(kMsgKeyboardHook, 0xBC, 0);
  EXPECT_EQ(dlg.FindControl(CShortcutDlg::kIdKeyText)->GetText(), u",");
  Click(&dlg, Inside(dlg.FindControl(kIdCancel)->GetRect()));
  EXPECT_EQ(dlg.Result(), IDCANCEL);
  EXPECT_FALSE(dlg.Choice());
}

TEST(ShortcutDlgTest, RunShortcutDialogAnswersTheChoice) {
  AppContext ctx;
  auto gui = MakeGuiState(ctx.Language);
  ModalScript answers;
  answers.Then([](QWidget* w) {
    auto* dlg = static_cast<CShortcutDlg*>(w);
    Click(dlg, Inside(dlg->FindControl(CShortcutDlg::kIdCtrl)->GetRect()));
    dlg->OnMessage(kMsgKeyboardHook, 0x43, 0);
    Click(dlg, Inside(dlg->FindControl(kIdOk)->GetRect()));
  });
  const auto choice = RunShortcutDialog(nullptr, *gui);
  ASSERT_TRUE(choice);
  EXPECT_EQ(choice->Label, u"Ctrl+C");
  EXPECT_EQ(choice->Value, (ButtonValue{0x70, 0x01, 0x06}));
  answers.Press(kIdCancel);
  EXPECT_FALSE(RunShortcutDialog(nullptr, *gui));
}

}  // namespace
}  // namespace corvane::testing
