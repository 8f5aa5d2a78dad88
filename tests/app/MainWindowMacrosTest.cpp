// The main window's macro command: button 2062 (and the request of "corvane --macros")
// runs the macro manager; afterwards the library is read again and a button that plays a
// macro is sent again with its copy taken anew from the library.
#include <gtest/gtest.h>

#include "app/CCorvaneApp.h"
#include "app/MainWindowIds.h"
#include "dialogs/CMacroManagerDlg.h"
#include "macros/MacroLibraryFile.h"
#include "platform/KeyboardHookKeys.h"
#include "session/ApplyToDevice.h"
#include "settings/ButtonAssignment.h"
#include "support/ModalScript.h"
#include "support/SkinTestSupport.h"
#include "support/TempDataFolder.h"
#include "widgets/CEditShowList.h"
#include "app/MainWindowFixture.h"

#include <QTest>

namespace corvane::testing {
namespace {

// In the manager: select the first row, record A pressed and released, close.
void RecordIntoFirstMacro(QWidget* w) {
  auto* manager = qobject_cast<CMacroManagerDlg*>(w);
  ASSERT_NE(manager, nullptr);
  const CRect tree = manager->Tree()->GetRect();
  Click(manager, {tree.right - 5, tree.top + 5});
  Click(manager, Inside(manager->FindControl(CMacroManagerDlg::kIdRecord)->GetRect()));
  manager->OnMessage(kMsgKeyboardHook, 0x41, HookLParam(false, 100));
  manager->OnMessage(kMsgKeyboardHook, 0x41, HookLParam(true, 160));
  Click(manager, Inside(manager->FindControl(kIdClose)->GetRect()));
}

TEST(MainWindowMacrosTest, ManagerClosedRefreshesTheMacroButtonsAndSendsThem) {
  TempDataFolder data;
  auto dlg = OpenMainWindow(data);
  AppContext& app = dlg->App();
  MacroLocation at;
  app.Macros.NewMacro(u"Hello", at);
  ProfileRecord& profile = CurrentProfile(app);
  const MacroNode* node = app.Macros.NodeAt(at);
  AssignButtonFunction(profile, 4, MacroChoice(app.Language, node->Item.get(), node->MacroItemName));
  ASSERT_EQ(profile.Buttons[4].Macro.MacroActionNum, 0u);

  ModalScript answers;
  answers.Then(RecordIntoFirstMacro);
  // The macro upload shows its progress and closes it by itself.
  std::string progress;
  answers.Then([&](QWidget* w) { progress = w->metaObject()->className(); });
  Click(dlg.get(), Inside(dlg->FindControl(mainwnd::kMacros)->GetRect()));
  EXPECT_TRUE(answers.Done());
  EXPECT_EQ(answers.unexpected, std::vector<std::string>{});
  EXPECT_EQ(progress, "corvane::CProgressBarDlg");
  EXPECT_EQ(dlg->MacroManager(), nullptr);
  // The library read again from the file the manager wrote, and the button's copy with it.
  EXPECT_EQ(app.Macros.NodeAt(MacroLocation::Top(0))->Item->MacroActionNum, 3u);
  EXPECT_EQ(profile.Buttons[4].Macro.MacroActionNum, 3u);
  EXPECT_EQ(profile.Buttons[4].Value[0], 0x90);
  EXPECT_EQ(dlg->Upload().Dirty.ButtonsDirty, 0) << "sent at once";
}

TEST(MainWindowMacrosTest, OpenRequestShowsTheManagerOnce) {
  TempDataFolder data;
  auto dlg = OpenMainWindow(data);
  int managers = 0;
  ModalScript answers;
  answers.Then([&](QWidget* w) {
    ++managers;
    EXPECT_NE(qobject_cast<CMacroManagerDlg*>(w), nullptr);
    // A second request while it is open brings it forward instead of opening another.
    dlg->OnMessage(CCorvaneDlg::kMsgOpenMacroManager, 0, 0);
    QTest::qWait(30);
    static_cast<QDialog*>(w)->reject();
  });
  dlg->OnMessage(CCorvaneDlg::kMsgOpenMacroManager, 0, 0);
  EXPECT_TRUE(QTest::qWaitFor([&] { return answers.Done(); }, 3000));
  QTest::qWait(50);
  EXPECT_EQ(managers, 1);
  EXPECT_TRUE(answers.unexpected.empty());
}

TEST(MainWindowMacrosTest, CommandLineTakesMacros) {
  std::string error;
  const auto line = ParseCorvaneCommandLine({"--simulate", "--macros"}, error);
  ASSERT_TRUE(line) << error;
  EXPECT_TRUE(line->OpenMacros);
  EXPECT_FALSE(ParseCorvaneCommandLine({"--data-dir", "x"}, error)->OpenMacros);
}

}  // namespace
}  // namespace corvane::testing
