// The macro picker: its refusals (nothing or a folder selected), the keys it swallows,
// the function it gives for a macro, and a macro recorded in the manager and picked
// for a button reaching the simulated mouse as the frames corvanectl sends for it.
#include <gtest/gtest.h>

#include <QTest>

#include "dialogs/CMacroManagerDlg.h"
#include "dialogs/CMacroSelectDlg.h"
#include "dialogs/MacroPickerDialog.h"
#include "lang/LanguageEntries.h"
#include "macros/MacroLibraryFile.h"
#include "platform/KeyboardHookKeys.h"
#include "session/AppContext.h"
#include "session/ApplyToDevice.h"
#include "session/DeviceSession.h"
#include "session/StartupLoad.h"
#include "support/ApplyCliHelpers.h"
#include "support/ModalScript.h"
#include "support/TempDataFolder.h"
#include "widgets/CEditShowList.h"

namespace corvane::testing {
namespace {

class MacroPickerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ctx.DataFolder = data.Root();
    RunStartupLoad(ctx);
    gui = MakeGuiState(ctx.Language);
  }
  static QPoint Row(CEditShowList* tree, int row, int x = -1) {
    const CRect r = tree->GetRect();
    return {x < 0 ? r.right - 5 : r.left + x, r.top + row * tree->RowHeight() + tree->RowHeight() / 2};
  }
  TempDataFolder data;
  AppContext ctx;
  std::unique_ptr<GuiState> gui;
};

TEST_F(MacroPickerTest, RefusesNothingAndFoldersThenGivesTheMacro) {
  {
    CMacroSelectDlg empty(ctx, *gui);
    empty.EnsureInitialized();
    empty.show();
    ModalScript answers;
    answers.Attention();
    Click(&empty, Inside(empty.FindControl(kIdOk)->GetRect()));
    EXPECT_EQ(answers.attentions, (std::vector<std::u16string>{ctx.Language.Text(kTextSelectMacroFirst)}));
    EXPECT_TRUE(empty.isVisible()) << "the picker stays open";
  }
  MacroLocation folder;
  ctx.Macros.NewFolder(u"Games", folder);
  MacroLocation inner = folder;
  ctx.Macros.NewMacro(u"Reload", inner);
  ctx.Macros.NodeAt(folder)->MacroItemFolderIsOpen = 1;
  ctx.Macros.CurrentMacroLocation = inner;

  CMacroSelectDlg dlg(ctx, *gui);
  dlg.EnsureInitialized();
  dlg.show();
  EXPECT_EQ(ctx.Macros.CurrentMacroLocation, MacroLocation::None());
  EXPECT_EQ(dlg.Tree()->RowCount(), 1) << "folders start closed";
  Click(&dlg, Row(dlg.Tree(), 0));
  {
    ModalScript answers;
    answers.Attention();
    Click(&dlg, Inside(dlg.FindControl(kIdOk)->GetRect()));
    EXPECT_EQ(answers.attentions, (std::vector<std::u16string>{ctx.Language.Text(kTextSelectMacroFirst)}));
  }
  QTest::keyClick(&dlg, Qt::Key_Return);
  QTest::keyClick(&dlg, Qt::Key_Escape);
  EXPECT_TRUE(dlg.isVisible()) << "Enter and Escape do nothing";
  // The folder's picture opens it; its macro is the second row.
  Click(&dlg, Row(dlg.Tree(), 0, 3));
  ASSERT_EQ(dlg.Tree()->RowCount(), 2);
  Click(&dlg, Row(dlg.Tree(), 1));
  Click(&dlg, Inside(dlg.FindControl(kIdOk)->GetRect()));
  EXPECT_EQ(dlg.Result(), IDOK);
  ASSERT_TRUE(dlg.Choice());
  EXPECT_EQ(dlg.Choice()->Label, ctx.Language.Text(kTextMacroPrefix) + u"Reload");
  EXPECT_EQ(dlg.Choice()->Value, (ButtonValue{0x90, 0, 0}));
  EXPECT_EQ(dlg.Choice()->Macro, ctx.Macros.NodeAt(inner)->Item.get());
  EXPECT_EQ(ctx.Macros.CurrentMacroLocation, inner) << "the picker's selection stays";
}

TEST_F(MacroPickerTest, ClosedWithoutAChoiceGivesNothing) {
  MacroLocation at;
  ctx.Macros.NewMacro(u"M", at);
  ModalScript answers;
  answers.Press(kIdClose);
  EXPECT_FALSE(RunMacroPicker(nullptr, *gui, ctx));
  EXPECT_TRUE(answers.Done());
}

TEST_F(MacroPickerTest, RecordedMacroPickedForAButtonReachesTheMouseAsCorvanectlSendsIt) {
  MacroLocation at;
  ctx.Macros.NewMacro(u"Hello", at);
  {
    CMacroManagerDlg manager(ctx, *gui);
    manager.EnsureInitialized();
    manager.show();
    const CRect tree = manager.Tree()->GetRect();
    Click(&manager, {tree.right - 5, tree.top + 5});
    Click(&manager, Inside(manager.FindControl(CMacroManagerDlg::kIdRecord)->GetRect()));
    manager.OnMessage(kMsgKeyboardHook, 0x41, HookLParam(false, 2000));
    manager.OnMessage(kMsgKeyboardHook, 0x41, HookLParam(true, 2050));
    Click(&manager, Inside(manager.FindControl(CMacroManagerDlg::kIdRecord)->GetRect()));
    Click(&manager, Inside(manager.FindControl(kIdClose)->GetRect()));
  }
  // The main window reads the library again after the manager.
  LoadMacroLibraryFile(data.Root(), ctx.Macros);
  ModalScript answers;
  answers.Then([](QWidget* w) {
    auto* picker = static_cast<CMacroSelectDlg*>(w);
    const CRect tree = picker->Tree()->GetRect();
    Click(picker, {tree.right - 5, tree.top + 5});
    Click(picker, Inside(picker->FindControl(kIdOk)->GetRect()));
  });
  const std::optional<ButtonFunction> picked = RunMacroPicker(nullptr, *gui, ctx);
  ASSERT_TRUE(picked);

  DeviceSessionOptions options;
  options.simulate = std::vector<DeviceRole>{DeviceRole::Wired};
  options.noWait = true;
  options.traceFile = data.Path("gui-trace.txt").string();
  std::string error;
  auto session = DeviceSession::Open(options, ctx.Config, error);
  ASSERT_TRUE(session) << error;
  DeviceUploadState upload;
  RebuildDeviceShadow(ctx, upload);
  ApplyButtonChoice(CurrentProfile(ctx), 5, *picked, ctx.Language, upload.Dirty);
  ApplyToDevice(ctx, session->Link(), upload);
  session.reset();

  // corvanectl, on a data folder holding the same library file, for the same button.
  TempDataFolder cli;
  cli.PutBytes("config/MacroLibraryFile.mlf", data.Bytes("config/MacroLibraryFile.mlf"));
  const UploadRun expected = RunOnSimulatedMouse(cli, {"button", "5", "macro:Hello"});
  ASSERT_EQ(expected.run.status, 0) << expected.run.err;
  EXPECT_EQ(TraceOf(TraceLines(data.Path("gui-trace.txt")), "set"), expected.frames);
  EXPECT_EQ(expected.frames,
            SetLines({"09 01 01 01 8B 10 01 00 10 02 00 10 04 00 10 08 00 10 10 00 90 21 01 60 04 00 FF FF FF FF FF FF",
                      "09 11 02 01 1C FF", "09 10 03 01 3F 07 01 30 32 04 B0 00 04"}))
      << "press A, 50 ms, release A in the macro store";
}

}  // namespace
}  // namespace corvane::testing
