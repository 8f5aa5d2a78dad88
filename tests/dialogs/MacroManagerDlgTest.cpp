// The macro manager driven through its controls and the keyboard hook's message:
// recording (repeats, real and fixed delays, the step limit), the nine insert types,
// editing and deleting steps, the count and delay fields, the tree's actions with their
// refusals, and the library file written however the window ends.
#include <gtest/gtest.h>

#include <algorithm>

#include <QLineEdit>
#include <QWheelEvent>
#include <QTest>

#include "dialogs/CMacroManagerDlg.h"
#include "lang/LanguageEntries.h"
#include "macros/MacroLibraryFile.h"
#include "platform/KeyboardHookKeys.h"
#include "session/AppContext.h"
#include "session/ApplyToDevice.h"
#include "session/StartupLoad.h"
#include "settings/ButtonAssignment.h"
#include "skin/CCheckButton.h"
#include "skin/CVScrollBar.h"
#include "skin/OpenPopupTable.h"
#include "support/ModalScript.h"
#include "support/TempDataFolder.h"
#include "widgets/CEditShowList.h"
#include "widgets/CImageShowList.h"

namespace corvane::testing {
namespace {

using Steps = std::vector<MacroAction>;

MacroAction S(std::uint8_t b0, std::uint8_t b1, std::uint8_t b2, std::uint8_t b3) { return {{b0, b1, b2, b3}}; }

Steps StepsOf(const MacroItem& m) {
  Steps out;
  for (std::uint32_t i = 0; i < m.MacroActionNum; ++i) out.push_back(m.GetAction(i));
  return out;
}

class MacroManagerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ctx.DataFolder = data.Root();
    RunStartupLoad(ctx);
    gui = MakeGuiState(ctx.Language);
  }
  void Open() {
    dlg = std::make_unique<CMacroManagerDlg>(ctx, *gui);
    dlg->EnsureInitialized();
    dlg->show();
  }
  // A macro (or folder) at the top level, made as the library makes it.
  MacroLocation Add(const char16_t* name, bool folder = false, MacroLocation at = MacroLocation::None()) {
    folder ? ctx.Macros.NewFolder(name, at) : ctx.Macros.NewMacro(name, at);
    return at;
  }
  QPoint TreeRow(int row) const {
    const CRect r = dlg->Tree()->GetRect();
    return {r.right - 5, r.top + row * dlg->Tree()->RowHeight() + dlg->Tree()->RowHeight() / 2};
  }
  QPoint StepRow(int row) const {
    const CRect r = dlg->Steps()->GetRect();
    return {r.left + 30, r.top + row * dlg->Steps()->RowHeight() + dlg->Steps()->RowHeight() / 2};
  }
  void ClickControl(unsigned id) { Click(dlg.get(), Inside(dlg->FindControl(id)->GetRect())); }
  void Hook(std::uint8_t key, bool release, std::uint32_t ms) {
    dlg->OnMessage(kMsgKeyboardHook, key, HookLParam(release, ms));
  }
  // The library as the file on disk holds it.
  MacroLibrary OnDisk() const {
    MacroLibrary lib;
    LoadMacroLibraryFile(data.Root(), lib);
    return lib;
  }

  TempDataFolder data;
  AppContext ctx;
  std::unique_ptr<GuiState> gui;
  std::unique_ptr<CMacroManagerDlg> dlg;
};

TEST_F(MacroManagerTest, OpensWithFoldersClosedNothingSelectedAndEightMsFixedDelay) {
  MacroLocation folder = Add(u"Games", true);
  MacroLocation inner = folder;
  ctx.Macros.NewMacro(u"Reload", inner);
  ctx.Macros.NodeAt(folder)->MacroItemFolderIsOpen = 1;
  ctx.Macros.CurrentMacroLocation = inner;
  Open();
  EXPECT_EQ(ctx.Macros.CurrentMacroLocation, MacroLocation::None());
  EXPECT_EQ(dlg->Tree()->RowCount(), 1) << "folders start closed";
  EXPECT_EQ(dlg->Tree()->SelectedRow(), -1);
  EXPECT_EQ(dlg->CurrentMacro(), nullptr);
  EXPECT_EQ(dlg->DelayEdit()->text(), "8");
  EXPECT_TRUE(dlg->RealDelays());
  EXPECT_EQ(gui->OpenPopupTable[0], static_cast<QWidget*>(dlg.get()));
}

TEST_F(MacroManagerTest, RecordingKeepsOnePressPerHeldKeyAndMeasuresDelays) {
  Add(u"M");
  Open();
  Click(dlg.get(), TreeRow(0));
  ASSERT_NE(dlg->CurrentMacro(), nullptr);
  ClickControl(CMacroManagerDlg::kIdRecord);
  ASSERT_TRUE(dlg->Recording());
  EXPECT_TRUE(dlg->Hook().Started());
  Hook(0x01, false, 900);   // a mouse button: not recorded
  Hook(0x41, false, 1000);
  Hook(0x41, false, 1030);  // repeats of the held key
  Hook(0x41, false, 1060);
  Hook(0x41, true, 1130);
  Hook(0x42, false, 1130 + 9000);  // long pause: at most 4095 ms
  EXPECT_EQ(StepsOf(*dlg->CurrentMacro()),
            (Steps{S(0x41, 0, 0, 0), S(3, 0, 0, 0x82), S(0x41, 0x80, 0, 0), S(3, 0, 0x0F, 0xFF), S(0x42, 0, 0, 0)}));
  EXPECT_EQ(dlg->CurrentMacro()->MacroCommandActionNum, 3);
  ClickControl(CMacroManagerDlg::kIdRecord);
  EXPECT_FALSE(dlg->Recording());
  EXPECT_FALSE(dlg->Hook().Started());
  const MacroLibrary disk = OnDisk();
  ASSERT_NE(disk.NodeAt(MacroLocation::Top(0)), nullptr);
  EXPECT_EQ(StepsOf(*disk.NodeAt(MacroLocation::Top(0))->Item).size(), 5u) << "stopping writes the library";
}

TEST_F(MacroManagerTest, FixedDelayFieldIsOneToFourThousandNinetyFive) {
  Add(u"M");
  Open();
  Click(dlg.get(), TreeRow(0));
  struct Case {
    const char* typed;
    const char* shown;
    std::uint8_t low;
  };
  for (const Case c : {Case{"0", "1", 1}, Case{"5000", "4095", 0xFF}, Case{"20", "20", 20}}) {
    dlg->DelayEdit()->selectAll();
    QTest::keyClicks(dlg->DelayEdit(), c.typed);
    EXPECT_EQ(dlg->DelayEdit()->text(), c.shown);
    ClickControl(CMacroManagerDlg::kIdFixedDelay);
    EXPECT_FALSE(dlg->RealDelays()) << "the pair: one checked";
    ClickControl(CMacroManagerDlg::kIdRecord);
    Hook(0x41, false, 0);
    Hook(0x41, true, 3000);
    ClickControl(CMacroManagerDlg::kIdRecord);
    EXPECT_EQ(dlg->CurrentMacro()->GetAction(1), S(3, 0, c.low == 0xFF ? 0x0F : 0, c.low)) << c.typed;
    ClickControl(CMacroManagerDlg::kIdRealDelays);
    ASSERT_TRUE(dlg->RealDelays());
  }
}

TEST_F(MacroManagerTest, RecordingStopsAfter125KeyEventsWithText235) {
  Add(u"M");
  Open();
  Click(dlg.get(), TreeRow(0));
  ClickControl(CMacroManagerDlg::kIdRecord);
  for (int i = 0; i < 125; ++i) Hook(0x41 + (i / 2) % 2, i % 2 == 1, static_cast<std::uint32_t>(i * 10));
  EXPECT_TRUE(dlg->Recording());
  ModalScript answers;
  answers.Attention();
  Hook(0x50, false, 5000);
  EXPECT_EQ(answers.attentions, (std::vector<std::u16string>{ctx.Language.Text(kTextRecordingFull)}));
  EXPECT_FALSE(dlg->Recording());
  EXPECT_FALSE(dlg->Hook().Started());
  EXPECT_FALSE(static_cast<CCheckButton*>(dlg->FindControl(CMacroManagerDlg::kIdRecord))->Checked());
  EXPECT_EQ(dlg->CurrentMacro()->MacroActionNum, 249u);
  EXPECT_EQ(dlg->CurrentMacro()->MacroCommandActionNum, 125);
  EXPECT_EQ(OnDisk().NodeAt(MacroLocation::Top(0))->Item->MacroActionNum, 249u);
}

TEST_F(MacroManagerTest, WithoutASystemWideHookRecordingSaysOnceThatItNeedsTheWindow) {
  Add(u"M");
  Open();
  Click(dlg.get(), TreeRow(0));
  auto notes = [&] {
    int n = 0;
    for (auto* box : dlg->findChildren<CAttentionDlg*>())
      if (box->isVisible() && box->Message() == ctx.Language.Text(kTextRecordingNeedsFocus)) ++n;
    return n;
  };
  for (int i = 0; i < 2; ++i) {
    ClickControl(CMacroManagerDlg::kIdRecord);
    ASSERT_TRUE(dlg->Recording()) << "the note does not stop the recording";
    ASSERT_FALSE(dlg->Hook().SystemWide());
    EXPECT_EQ(notes(), 1);
    ClickControl(CMacroManagerDlg::kIdRecord);
  }
}

TEST_F(MacroManagerTest, RecordNeedsASelectedMacro) {
  Add(u"Folder", true);
  Open();
  for (bool selectFolder : {false, true}) {
    if (selectFolder) Click(dlg.get(), TreeRow(0));
    ModalScript answers;
    answers.Attention();
    ClickControl(CMacroManagerDlg::kIdRecord);
    EXPECT_EQ(answers.attentions, (std::vector<std::u16string>{ctx.Language.Text(kTextSelectMacroFirst)}));
    EXPECT_FALSE(dlg->Recording());
    EXPECT_FALSE(static_cast<CCheckButton*>(dlg->FindControl(CMacroManagerDlg::kIdRecord))->Checked());
  }
}

TEST_F(MacroManagerTest, InsertedClicksKeysMovesAndDelays) {
  struct Case {
    int type;
    std::function<void(ModalScript&)> answer;  // the step dialog, if one opens
    Steps steps;
    int selected;
    int commands;
  };
  const Case cases[] = {
      {0, nullptr, {S(0xE0, 0, 0, 0), S(3, 0, 0, 50), S(0xE0, 0x80, 0, 0)}, 2, 2},
      {1, nullptr, {S(0xE1, 0, 0, 0), S(3, 0, 0, 50), S(0xE1, 0x80, 0, 0)}, 2, 2},
      {2, nullptr, {S(0xE2, 0, 0, 0), S(3, 0, 0, 50), S(0xE2, 0x80, 0, 0)}, 2, 2},
      {3, [](ModalScript& m) { m.Type("250"); }, {S(3, 0, 0, 250)}, 0, 0},
      {3, [](ModalScript& m) { m.Press(kIdCancel); }, {}, -1, 0},
      {4,
       [](ModalScript& m) {
         m.Then([](QWidget* w) {
           auto* key = static_cast<CDlgBase*>(w);
           key->OnMessage(kMsgKeyboardHook, 0x4B, 0);  // K
           Click(key, Inside(key->FindControl(kIdOk)->GetRect()));
         });
       },
       {S(0x4B, 0, 0, 0), S(3, 0, 0, 50), S(0x4B, 0x80, 0, 0)}, 2, 2},
      {4, [](ModalScript& m) { m.Press(kIdClose); }, {}, -1, 0},
      {5, [](ModalScript& m) { m.Type("3"); }, {S(0xE5, 0, 0, 0xFD)}, 0, 1},
      {6, [](ModalScript& m) { m.Press(kIdCancel); }, {}, -1, 0},
      {7, [](ModalScript& m) { m.Press(kIdOk); }, {S(0xE6, 0, 0, 0xFF)}, 0, 1},
      {8, [](ModalScript& m) { m.Type("0"); }, {S(0xE6, 0, 0, 0x01)}, 0, 1},
  };
  Open();
  int n = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.type);
    MacroLocation at = MacroLocation::None();
    const std::u16string name = u"M" + std::u16string(1, static_cast<char16_t>(u'a' + n++));
    ctx.Macros.NewMacro(name, at);
    ctx.Macros.CurrentMacroLocation = at;
    dlg->SelectionChanged();
    ASSERT_NE(dlg->CurrentMacro(), nullptr);
    ModalScript answers;
    if (c.answer) c.answer(answers);
    dlg->RunInsert(c.type);
    EXPECT_TRUE(answers.Done());
    EXPECT_TRUE(answers.unexpected.empty());
    EXPECT_EQ(StepsOf(*dlg->CurrentMacro()), c.steps);
    EXPECT_EQ(dlg->Steps()->SelectedRow(), c.selected);
    EXPECT_EQ(dlg->CurrentMacro()->MacroCommandActionNum, c.commands);
  }
}

TEST_F(MacroManagerTest, InsertGoesAfterTheSelectedStepAndADelayAfterADelayIsEditedInPlace) {
  Add(u"M");
  Open();
  Click(dlg.get(), TreeRow(0));
  dlg->RunInsert(0);  // L down, 50 ms, L up
  Click(dlg.get(), StepRow(0));
  ASSERT_EQ(dlg->Steps()->SelectedRow(), 0);
  dlg->RunInsert(1);  // after step 0
  EXPECT_EQ(StepsOf(*dlg->CurrentMacro()),
            (Steps{S(0xE0, 0, 0, 0), S(0xE1, 0, 0, 0), S(3, 0, 0, 50), S(0xE1, 0x80, 0, 0), S(3, 0, 0, 50),
                   S(0xE0, 0x80, 0, 0)}));
  EXPECT_EQ(dlg->Steps()->SelectedRow(), 3);
  Click(dlg.get(), StepRow(2));  // a delay: the delay insert edits it
  ModalScript answers;
  answers.Then([](QWidget* w) {
    EXPECT_EQ(w->findChild<QLineEdit*>()->text(), "50");
    w->findChild<QLineEdit*>()->setText("75");
    auto* d = static_cast<CDlgBase*>(w);
    Click(d, Inside(d->FindControl(kIdOk)->GetRect()));
  });
  dlg->RunInsert(3);
  EXPECT_EQ(dlg->CurrentMacro()->MacroActionNum, 6u) << "nothing inserted";
  EXPECT_EQ(dlg->CurrentMacro()->GetAction(2), S(3, 0, 0, 75));
}

TEST_F(MacroManagerTest, InsertRefusals) {
  Open();
  {
    ModalScript answers;
    answers.Attention();
    dlg->RunInsert(0);
    EXPECT_EQ(answers.attentions, (std::vector<std::u16string>{ctx.Language.Text(kTextInsertNeedsMacro)}));
  }
  MacroLocation at = Add(u"Full");
  MacroItem& m = *ctx.Macros.NodeAt(at)->Item;
  m.MacroCommandActionNum = 124;
  ctx.Macros.CurrentMacroLocation = at;
  dlg->SelectionChanged();
  struct Case {
    int type;
    bool refused;
  };
  for (const Case c : {Case{0, true}, Case{4, true}, Case{5, false}}) {
    ModalScript answers;
    if (c.refused) answers.Attention();
    else answers.Press(kIdCancel);
    dlg->RunInsert(c.type);
    EXPECT_EQ(answers.attentions.size(), c.refused ? 1u : 0u) << c.type;
    if (c.refused) {
      EXPECT_EQ(answers.attentions[0], ctx.Language.Text(kTextMacroFull));
    }
    EXPECT_EQ(m.MacroActionNum, 0u);
  }
}

TEST_F(MacroManagerTest, InsertThroughThePopupRunsOnceItHasClosed) {
  Add(u"M");
  Open();
  Click(dlg.get(), TreeRow(0));
  ClickControl(CMacroManagerDlg::kIdInsert);
  auto* popup = dlg->PopupSlot(CMacroManagerDlg::kInsertPopupSlot);
  ASSERT_NE(popup, nullptr);
  const QPoint first = Inside(popup->Items()[0].rect);
  Move(popup, first);
  Press(popup, first);
  Release(popup, first);
  EXPECT_EQ(dlg->CurrentMacro()->MacroActionNum, 0u) << "not before the popup has gone";
  QTest::qWait(50);
  EXPECT_EQ(dlg->CurrentMacro()->MacroActionNum, 3u);
  EXPECT_EQ(dlg->PopupSlot(CMacroManagerDlg::kInsertPopupSlot), nullptr);
}

TEST_F(MacroManagerTest, EditAndDeleteSteps) {
  MacroLocation at = Add(u"M");
  MacroItem& m = *ctx.Macros.NodeAt(at)->Item;
  for (MacroAction a : {S(0x41, 0, 0, 0), S(3, 0, 0, 20), S(0x41, 0x80, 0, 0), S(0xE5, 0, 0, 1)}) m.InsertAction(99, a);
  m.MacroCommandActionNum = 3;
  Open();
  Click(dlg.get(), TreeRow(0));
  // A double click on the release step: the key dialog; the new key keeps the release bit.
  ModalScript answers;
  answers.Then([](QWidget* w) {
    auto* key = static_cast<CDlgBase*>(w);
    key->OnMessage(kMsgKeyboardHook, 0x5A, 0);
    Click(key, Inside(key->FindControl(kIdOk)->GetRect()));
  });
  Click(dlg.get(), StepRow(2));
  QMouseEvent dbl(QEvent::MouseButtonDblClick, QPointF(StepRow(2)), QPointF(dlg->mapToGlobal(StepRow(2))),
                  Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(dlg.get(), &dbl);
  EXPECT_TRUE(answers.Done());
  EXPECT_EQ(m.GetAction(2), S(0x5A, 0x80, 0, 0));
  // A movement cannot be edited: no dialog.
  Click(dlg.get(), StepRow(3));
  ClickControl(CMacroManagerDlg::kIdEditStep);
  EXPECT_TRUE(answers.unexpected.empty());
  // Deleting the last step moves the selection up; a delay does not count as a command.
  ClickControl(CMacroManagerDlg::kIdDeleteStep);
  EXPECT_EQ(m.MacroActionNum, 3u);
  EXPECT_EQ(m.MacroCommandActionNum, 2);
  EXPECT_EQ(dlg->Steps()->SelectedRow(), 2);
  Click(dlg.get(), StepRow(1));
  ClickControl(CMacroManagerDlg::kIdDeleteStep);
  EXPECT_EQ(m.MacroCommandActionNum, 2);
  EXPECT_EQ(dlg->Steps()->SelectedRow(), 1);
  ClickControl(CMacroManagerDlg::kIdDeleteStep);
  ClickControl(CMacroManagerDlg::kIdDeleteStep);
  EXPECT_EQ(m.MacroActionNum, 0u);
  EXPECT_EQ(dlg->Steps()->SelectedRow(), -1);
}

TEST_F(MacroManagerTest, PlaybackModeAndCountField) {
  MacroLocation at = Add(u"M");
  MacroItem& m = *ctx.Macros.NodeAt(at)->Item;
  Open();
  EXPECT_EQ(gui->RadioSelection & 0xE000u, 0u) << "no macro: no mode";
  Click(dlg.get(), TreeRow(0));
  EXPECT_EQ(gui->RadioSelection & 0xE000u, 0x8000u) << "mode 2";
  EXPECT_EQ(dlg->CountEdit()->text(), "1");
  EXPECT_LT(dlg->CountEdit()->x(), dlg->width());
  struct Case {
    const char* typed;
    const char* shown;
    int stored;
  };
  for (const Case c : {Case{"300", "255", 255}, Case{"0", "1", 1}, Case{"42", "42", 42}}) {
    dlg->CountEdit()->selectAll();
    QTest::keyClicks(dlg->CountEdit(), c.typed);
    EXPECT_EQ(dlg->CountEdit()->text(), c.shown);
    EXPECT_EQ(m.MacroKeyLoopNum, c.stored);
  }
  struct Mode {
    unsigned radio;
    int type;
    std::uint32_t bit;
    bool countShown;
  };
  for (const Mode mode : {Mode{CMacroManagerDlg::kIdModeHeld, 1, 0x2000, false},
                          Mode{CMacroManagerDlg::kIdModeToggle, 4, 0x4000, false},
                          Mode{CMacroManagerDlg::kIdModeCount, 2, 0x8000, true}}) {
    ClickControl(mode.radio);
    EXPECT_EQ(m.MacroKeyLoopType, mode.type);
    EXPECT_EQ(gui->RadioSelection & 0xE000u, mode.bit);
    EXPECT_EQ(dlg->CountEdit()->x() < dlg->width(), mode.countShown);
  }
  {
    ModalScript answers;
    answers.Attention();
    dlg->CountEdit()->setFocus();
    QTest::keyClicks(dlg->CountEdit(), "x");
    EXPECT_EQ(answers.attentions, (std::vector<std::u16string>{ctx.Language.Text(kTextDigitsOnly)}));
  }
  QTest::keyClick(dlg.get(), Qt::Key_Escape);
  QTest::keyClick(dlg.get(), Qt::Key_Return);
  EXPECT_TRUE(dlg->isVisible()) << "Enter and Escape do not end it";
}

TEST_F(MacroManagerTest, DeleteIsRefusedWhileACurrentProfileButtonPlaysTheMacro) {
  MacroLocation folder = Add(u"Folder", true);
  MacroLocation inner = folder;
  ctx.Macros.NewMacro(u"Inside", inner);
  ProfileRecord& profile = CurrentProfile(ctx);
  const MacroNode* node = ctx.Macros.NodeAt(inner);
  AssignButtonFunction(profile, 3, MacroChoice(ctx.Language, node->Item.get(), node->MacroItemName));
  Open();
  Click(dlg.get(), TreeRow(0));
  {
    ModalScript answers;
    answers.Attention().Attention();  // confirm, then the refusal
    ClickControl(CMacroManagerDlg::kIdDeleteNode);
    EXPECT_EQ(answers.attentions,
              (std::vector<std::u16string>{ctx.Language.Text(kTextDeleteConfirm), ctx.Language.Text(kTextMacroInUse)}));
    EXPECT_TRUE(ctx.Macros.NodeAt(folder)->IsUsed());
  }
  AssignButtonFunction(profile, 3, MacroChoice(ctx.Language, nullptr, {}));  // disabled
  {
    ModalScript answers;
    answers.Attention(false);  // the confirmation closed by its cross: nothing happens
    ClickControl(CMacroManagerDlg::kIdDeleteNode);
    EXPECT_TRUE(answers.Done());
    EXPECT_TRUE(ctx.Macros.NodeAt(folder)->IsUsed());
  }
  {
    ModalScript answers;
    answers.Attention();
    ClickControl(CMacroManagerDlg::kIdDeleteNode);
    EXPECT_EQ(answers.attentions, (std::vector<std::u16string>{ctx.Language.Text(kTextDeleteConfirm)}));
    EXPECT_TRUE(answers.unexpected.empty());
    EXPECT_FALSE(ctx.Macros.NodeAt(folder)->IsUsed());
    EXPECT_EQ(ctx.Macros.CurrentMacroLocation, MacroLocation::None());
  }
  ModalScript nothing;
  nothing.Attention();
  ClickControl(CMacroManagerDlg::kIdDeleteNode);
  EXPECT_EQ(nothing.attentions, (std::vector<std::u16string>{ctx.Language.Text(kTextSelectNodeFirst)}));
}

TEST_F(MacroManagerTest, NewAndRenameRules) {
  Add(u"Fire");
  Add(u"Jump");
  Open();
  struct Case {
    int action;
    const char* typed;
    int refusal;  // 0: none
    std::vector<std::u16string> names;  // top level afterwards
  };
  const Case cases[] = {
      {CMacroManagerDlg::kNewMacro, "", kTextNodeNameEmpty, {u"Fire", u"Jump"}},
      {CMacroManagerDlg::kNewMacro, "Jump", kTextNameInUse, {u"Fire", u"Jump"}},
      {CMacroManagerDlg::kRename, "Fire", 0, {u"Fire", u"Jump"}},  // unchanged: cancelled
      {CMacroManagerDlg::kRename, "Jump", kTextNameInUse, {u"Fire", u"Jump"}},
      {CMacroManagerDlg::kRename, "", kTextNodeNameEmpty, {u"Fire", u"Jump"}},
      {CMacroManagerDlg::kRename, "Burst", 0, {u"Burst", u"Jump"}},
      {CMacroManagerDlg::kNewFolder, "Games", 0, {u"Burst", u"Jump", u"Games"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    ctx.Macros.CurrentMacroLocation = MacroLocation::Top(0);
    ModalScript answers;
    answers.Type(QString::fromLatin1(c.typed));
    if (c.refusal) answers.Attention();
    dlg->RunTreeAction(c.action);
    EXPECT_TRUE(answers.Done());
    if (c.refusal) {
      EXPECT_EQ(answers.attentions, (std::vector<std::u16string>{ctx.Language.Text(c.refusal)}));
    }
    std::vector<std::u16string> names;
    for (int i = 0; i < 60 && ctx.Macros.Level0(i).IsUsed(); ++i) names.push_back(ctx.Macros.Level0(i).MacroItemName);
    EXPECT_EQ(names, c.names);
  }
  EXPECT_EQ(ctx.Macros.CurrentMacroLocation, MacroLocation::Top(2)) << "the new folder is selected";
}

TEST_F(MacroManagerTest, ContextMenuFollowsTheSelectionAndRunsItsChoiceAfterClosing) {
  Add(u"Folder", true);
  Add(u"Macro");
  Open();
  struct Case {
    int row;  // 2: below the last row, nothing selected
    std::size_t items;
  };
  for (const Case c : {Case{0, 7}, Case{1, 8}, Case{2, 5}}) {
    Click(dlg.get(), TreeRow(c.row), Qt::RightButton);
    auto* menu = dlg->PopupSlot(CMacroManagerDlg::kTreeMenuSlot);
    ASSERT_NE(menu, nullptr) << c.row;
    EXPECT_EQ(menu->Items().size(), c.items) << c.row;
    EXPECT_EQ(dlg->Tree()->SelectedRow(), c.row < 2 ? c.row : -1);
  }
  // Rename (item 249) of the macro: the rename dialog opens once the menu has gone.
  Click(dlg.get(), TreeRow(1), Qt::RightButton);
  auto* menu = dlg->PopupSlot(CMacroManagerDlg::kTreeMenuSlot);
  ASSERT_NE(menu, nullptr);
  const auto& items = menu->Items();
  const auto rename = std::find_if(items.begin(), items.end(),
                                   [&](const PopupItem& i) { return i.text == ctx.Language.Text(kTextMacroMenuFirst + 4); });
  ASSERT_NE(rename, items.end());
  ModalScript answers;
  answers.Type("Renamed");
  const QPoint at = Inside(rename->rect);
  Move(menu, at);
  Press(menu, at);
  Release(menu, at);
  EXPECT_TRUE(QTest::qWaitFor([&] { return answers.Done(); }, 2000));
  QTest::qWait(20);
  EXPECT_EQ(ctx.Macros.Level0(1).MacroItemName, u"Renamed");
}

TEST_F(MacroManagerTest, ScrollBarsAndWheelMoveTheListsWithinBounds) {
  for (int i = 0; i < 30; ++i) {
    MacroLocation at;
    ctx.Macros.NewMacro(u"M" + std::u16string(1, static_cast<char16_t>(u'A' + i)), at);
  }
  Open();
  CEditShowList* tree = dlg->Tree();
  const int visible = tree->VisibleRows();
  const int last = 30 - visible;
  ASSERT_GT(last, 2);
  auto* bar = static_cast<CVScrollBar*>(dlg->FindControl(CMacroManagerDlg::kIdTreeScroll));
  EXPECT_EQ(bar->Range(), 30);
  EXPECT_EQ(bar->Page(), visible);
  auto wheel = [&](QPoint at, int delta) {
    QWheelEvent e(QPointF(at), QPointF(dlg->mapToGlobal(at)), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                  Qt::NoScrollPhase, false);
    QApplication::sendEvent(dlg.get(), &e);
  };
  wheel(TreeRow(2), -120);
  EXPECT_EQ(tree->TopRow(), 1);
  wheel(TreeRow(2), 120);
  wheel(TreeRow(2), 120);
  EXPECT_EQ(tree->TopRow(), 0) << "never before row 0";
  Click(dlg.get(), Inside(bar->DownRect()));
  EXPECT_EQ(tree->TopRow(), 1);
  EXPECT_EQ(bar->Position(), 1);
  const QPoint pageDown{Inside(bar->DownRect()).x(), bar->DownRect().top - 3};
  Click(dlg.get(), pageDown);
  EXPECT_EQ(tree->TopRow(), std::min(last, 1 + visible - 1));
  for (int i = 0; i < 5; ++i) Click(dlg.get(), pageDown);
  EXPECT_EQ(tree->TopRow(), last) << "never past the last page";
  // The step list: the wheel over it moves it, not the tree.
  const int treeTop = tree->TopRow();
  wheel(StepRow(1), -120);
  EXPECT_EQ(tree->TopRow(), treeTop);
}

TEST_F(MacroManagerTest, ExportAndImportThroughTheFileDialogs) {
  Add(u"Combo");
  Open();
  ctx.Macros.CurrentMacroLocation = MacroLocation::Top(0);
  dlg->SelectionChanged();
  dlg->RunInsert(0);
  std::vector<QString> asked;
  const QString file = QString::fromStdString(data.Path("combo").string());
  dlg->SetFileChooser([&](bool save, const QString& title, const QString& filter, const QString& name) {
    asked.push_back(QStringLiteral("%1|%2|%3|%4").arg(save).arg(title, filter, name));
    return file;
  });
  dlg->RunTreeAction(CMacroManagerDlg::kExportMacro);
  ASSERT_TRUE(data.Exists("combo.mkf")) << "the default extension is added";
  // The same name again clashes; inside a new folder it lands in the folder.
  dlg->SetFileChooser([&](bool, const QString&, const QString&, const QString&) { return file + ".mkf"; });
  {
    ModalScript answers;
    answers.Attention();
    dlg->RunTreeAction(CMacroManagerDlg::kImportMacro);
    EXPECT_EQ(answers.attentions, (std::vector<std::u16string>{ctx.Language.Text(kTextNameInUse)}));
  }
  MacroLocation folder = Add(u"Imported", true);
  ctx.Macros.CurrentMacroLocation = folder;
  dlg->RunTreeAction(CMacroManagerDlg::kImportMacro);
  const MacroLocation copy = MacroLocation::Child(folder.stage0Index, 0);
  EXPECT_EQ(ctx.Macros.CurrentMacroLocation, copy);
  ASSERT_NE(dlg->CurrentMacro(), nullptr);
  EXPECT_EQ(dlg->CurrentMacro()->MacroActionNum, 3u);
  EXPECT_EQ(dlg->Tree()->SelectedRow(), 2) << "the folder is opened and the copy selected";
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_EQ(asked[0], QStringLiteral("1|%1|mkf file(*.mkf)|Combo.mkf")
                          .arg(QString::fromStdU16String(ctx.Language.Text(kTextExportMacroTitle))));
}

TEST_F(MacroManagerTest, LibraryIsWrittenHoweverTheWindowEnds) {
  enum class End { CloseButton, MainWindowCloses, Destroyed };
  for (End end : {End::CloseButton, End::MainWindowCloses, End::Destroyed}) {
    SCOPED_TRACE(static_cast<int>(end));
    std::filesystem::remove(MacroLibraryFilePath(data.Root()));
    ctx.Macros.ClearLibrary();
    Open();
    ModalScript answers;
    answers.Type("Made");
    ClickControl(CMacroManagerDlg::kIdNewMacro);
    ASSERT_NE(ctx.Macros.NodeAt(MacroLocation::Top(0)), nullptr);
    if (end == End::CloseButton) ClickControl(kIdClose);
    if (end == End::MainWindowCloses) {
      CloseOpenPopups(*gui);  // what the main window does when the mouse goes away
      QTest::qWait(20);
    }
    if (end == End::Destroyed) dlg->reject();
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_EQ(ctx.Macros.CurrentMacroLocation, MacroLocation::None());
    const MacroLibrary disk = OnDisk();
    ASSERT_NE(disk.NodeAt(MacroLocation::Top(0)), nullptr);
    EXPECT_EQ(disk.NodeAt(MacroLocation::Top(0))->MacroItemName, u"Made");
    dlg.reset();
    EXPECT_EQ(gui->OpenPopupTable[0], nullptr);
  }
}

}  // namespace
}  // namespace corvane::testing
