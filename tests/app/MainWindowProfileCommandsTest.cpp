// The profile commands driven by the mouse: tabs switch and upload (the frames corvanectl
// sends for the same switch), the profile menu and list, delete's list rotation, the
// sixth profile refused from both places, and an imported profile's launch targets.
#include <gtest/gtest.h>

#include <QFileDialog>
#include <QLineEdit>

#include "MainWindowCommandsFixture.h"
#include "base/UnicodeTextFile.h"
#include "dialogs/CAddProfileDlg.h"
#include "dialogs/CEditProfileDlg.h"
#include "dialogs/CLaunchTargetsDlg.h"
#include "lang/LanguageEntries.h"
#include "settings/ConfigTable.h"
#include "settings/ProfileFile.h"
#include "support/ApplyCliHelpers.h"
#include "widgets/CComboProfilePopup.h"

namespace corvane::testing {
namespace {

using namespace mainwnd;

class MainWindowProfileCommandsTest : public MainWindowCommandsTest {
 protected:
  void SetUp() override { Open(); }
  ConfigTable& Config() { return App().Config; }
  std::vector<int> ShowList() {
    std::vector<int> out;
    for (int i = 0; i < kProfileShowPositions; ++i) out.push_back(Config().GetProfileShowList(i));
    return out;
  }
  void RunProfileTimer() {
    ASSERT_TRUE(dlg->TimerActive(kTimerProfileAction));
    QTRY_VERIFY(!dlg->TimerActive(kTimerProfileAction));
  }
};

TEST_F(MainWindowProfileCommandsTest, TabClickSendsWhatCorvanectlSends) {
  ASSERT_EQ(Config().CurrentProfileSlot(), 0);
  NewFrames();
  ModalResponder answer;
  ClickControl(kProfileTabFirst + 1);
  EXPECT_EQ(Config().CurrentProfileSlot(), 1);
  EXPECT_EQ(App().CurrentProfileIndex, 1);
  EXPECT_EQ(dlg->Gui().ProfileTabIndex, 1);
  EXPECT_EQ(dlg->Upload().Dirty.ButtonsDirty, 1);
  EXPECT_EQ(dlg->Upload().Dirty.PerformanceDirty, 1);
  RunApply();
  const auto gui = NewFrames();

  TempDataFolder cliFolder;
  const auto cli = RunOnSimulatedMouse(cliFolder, {"profile", "select", "1"});
  ASSERT_EQ(cli.run.status, 0) << cli.run.err;
  EXPECT_EQ(gui, cli.frames);
}

TEST_F(MainWindowProfileCommandsTest, DeleteAtPositionOneOfThreeRotatesTheList) {
  ASSERT_EQ(Config().GetProfileShowCount(), 3);
  ASSERT_EQ(ShowList(), (std::vector<int>{0, 1, 2, 3, 4}));
  ClickControl(kProfileTabFirst + 1, Qt::RightButton);
  CWndPopup* menu = Slot(kSlotProfileMenu);
  ASSERT_NE(menu, nullptr);
  ASSERT_EQ(menu->Items().size(), 4u);
  Choose(menu, 3);  // delete
  Settle();
  EXPECT_EQ(Slot(kSlotProfileMenu), nullptr);
  RunProfileTimer();
  EXPECT_EQ(ShowList(), (std::vector<int>{0, 2, 3, 4, 1}));
  EXPECT_EQ(Config().GetProfileShowCount(), 2);
  EXPECT_FALSE(Control(kProfileTabFirst + 1)->Visible());
  EXPECT_FALSE(dlg->TimerActive(kTimerApply)) << "deleting never touches the mouse";
}

TEST_F(MainWindowProfileCommandsTest, DeletingTheCurrentProfileIsRefused) {
  ModalResponder answer;
  ClickControl(kProfileTabFirst + 0, Qt::RightButton);
  ASSERT_NE(Slot(kSlotProfileMenu), nullptr);
  Choose(Slot(kSlotProfileMenu), 3);
  RunProfileTimer();
  ASSERT_EQ(answer.messages.size(), 1u);
  EXPECT_EQ(answer.messages[0], Text(kTextCannotDeleteCurrent));
  EXPECT_EQ(Config().GetProfileShowCount(), 3);
}

TEST_F(MainWindowProfileCommandsTest, ListShowsTheProfilesInListOrderAndSwitches) {
  Config().SetProfileShowList(0, 2);
  Config().SetProfileShowList(2, 0);
  App().Profiles[2].SetProfileName(u"Shooter");
  ShowCurrentProfile(*dlg, App(), dlg->Gui());
  ClickControl(kProfileList);
  CWndPopup* list = Slot(kSlotProfileList);
  ASSERT_NE(list, nullptr);
  ASSERT_EQ(list->Items().size(), 7u);
  EXPECT_EQ(list->Items()[1].text, u"Shooter");
  EXPECT_EQ(list->Items()[3].text, App().Profiles[0].ProfileName());
  EXPECT_TRUE(list->Items()[4].text.empty());  // position 3 is not shown
  Choose(list, 1);
  Settle();
  EXPECT_EQ(Config().CurrentProfileSlot(), 2);
  EXPECT_TRUE(dlg->TimerActive(kTimerApply));
  EXPECT_EQ(Slot(kSlotProfileList), nullptr);
}

TEST_F(MainWindowProfileCommandsTest, ClickWhileTheListIsOpenOnlyClosesIt) {
  ClickControl(kProfileList);
  ASSERT_NE(Slot(kSlotProfileList), nullptr);
  ClickControl(kProfileList);  // the move onto the button reports the open list first
  Settle();
  EXPECT_EQ(Slot(kSlotProfileList), nullptr);
  ClickControl(kProfileList);
  EXPECT_NE(Slot(kSlotProfileList), nullptr);
}

TEST_F(MainWindowProfileCommandsTest, SecondaryClickOnAListRowOpensTheMenuForThatSlot) {
  ClickControl(kProfileList);
  CWndPopup* list = Slot(kSlotProfileList);
  ASSERT_NE(list, nullptr);
  Choose(list, 3, Qt::RightButton);  // position 2: slot 2
  CWndPopup* menu = Slot(kSlotProfileMenu);
  ASSERT_NE(menu, nullptr);
  EXPECT_EQ(menu->OwnerId(), kProfileTabFirst + 2);
  Choose(menu, 3);
  RunProfileTimer();
  EXPECT_EQ(Config().GetProfileShowCount(), 2);
  EXPECT_EQ(Config().GetProfileShowList(4), 2);
}

TEST_F(MainWindowProfileCommandsTest, SixthProfileIsRefusedFromBothPlaces) {
  while (Config().GetProfileShowCount() < kProfileShowPositions) Config().ShowNextProfile();
  ShowCurrentProfile(*dlg, App(), dlg->Gui());
  ModalResponder answer;
  ClickControl(kProfileAdd);
  ASSERT_EQ(answer.messages.size(), 1u);
  EXPECT_EQ(answer.messages[0], Text(kTextProfileLimit));

  ClickControl(kProfileList);
  CWndPopup* list = Slot(kSlotProfileList);
  ASSERT_NE(list, nullptr);
  Choose(list, 6);  // the new-profile row
  RunProfileTimer();
  ASSERT_EQ(answer.messages.size(), 2u);
  EXPECT_EQ(answer.messages[1], Text(kTextProfileLimit));
  EXPECT_TRUE(answer.others.empty());
  EXPECT_EQ(Config().GetProfileShowCount(), kProfileShowPositions);
}

TEST_F(MainWindowProfileCommandsTest, AddFromTheListShowsTheNextSlot) {
  ModalResponder answer([](QWidget* w) {
    auto* add = qobject_cast<CAddProfileDlg*>(w);
    if (!add) return false;
    add->Edit()->setText("Racing");
    add->RunOk();
    return true;
  });
  ClickControl(kProfileList);
  ASSERT_NE(Slot(kSlotProfileList), nullptr);
  Choose(Slot(kSlotProfileList), 6);
  RunProfileTimer();
  EXPECT_EQ(Config().GetProfileShowCount(), 4);
  EXPECT_EQ(App().Profiles[3].ProfileName(), u"Racing");
  EXPECT_TRUE(Control(kProfileTabFirst + 3)->Visible());
  EXPECT_FALSE(dlg->TimerActive(kTimerApply)) << "adding never touches the mouse";
}

TEST_F(MainWindowProfileCommandsTest, RenameAndExportWorkOnTheCurrentProfile) {
  ClickControl(kProfileTabFirst + 2);
  {
    ModalResponder rename([](QWidget* w) {
      auto* edit = qobject_cast<CEditProfileDlg*>(w);
      if (!edit) return false;
      edit->Edit()->setText("Sniper");
      edit->RunOk();
      return true;
    });
    ClickControl(kProfileRename);
  }
  EXPECT_EQ(App().Profiles[2].ProfileName(), u"Sniper");
  EXPECT_EQ(Control(kProfileTabFirst + 2)->GetText(), u"Sniper");

  const auto file = data.Path("exported.psf");
  ModalResponder save([&](QWidget* w) {
    auto* chooser = qobject_cast<QFileDialog*>(w);
    if (!chooser) return false;
    chooser->selectFile(QString::fromStdString(file.string()));
    static_cast<QDialog*>(chooser)->accept();
    return true;
  });
  ClickControl(kProfileExport);
  ProfileRecord exported;
  UnicodeTextReader reader;
  ASSERT_TRUE(reader.Open(file));
  ASSERT_TRUE(ParseProfileFile(reader, exported));
  EXPECT_EQ(exported.ProfileName(), u"Sniper");
}

// Imports file into the current profile through 2070, answering the launch question.
struct ImportCase {
  const char* what;
  bool keep;
};

TEST_F(MainWindowProfileCommandsTest, ImportedLaunchTargetsAreListedAndKeptOnlyWhenConfirmed) {
  ProfileRecord shared = Current();
  shared.Buttons[5].Value = {0x60, 0x05, 0x00};
  shared.Buttons[5].Name = u"evil";
  shared.Buttons[5].URL = u"/usr/bin/evil";
  shared.Buttons[3].Name = u"Imported";
  const auto file = data.Path("shared.psf");
  ASSERT_TRUE(WriteProfileFile(shared, file));
  for (const ImportCase c : {ImportCase{"declined", false}, ImportCase{"confirmed", true}}) {
    SCOPED_TRACE(c.what);
    std::vector<std::u16string> listed;
    ModalResponder answer([&](QWidget* w) {
      if (auto* chooser = qobject_cast<QFileDialog*>(w)) {
        chooser->selectFile(QString::fromStdString(file.string()));
        static_cast<QDialog*>(chooser)->accept();
        return true;
      }
      if (auto* ask = qobject_cast<CLaunchTargetsDlg*>(w)) {
        listed.push_back(ask->FindControl(CLaunchTargetsDlg::kIdFirstTarget)->GetText());
        EXPECT_EQ(ask->FindControl(CLaunchTargetsDlg::kIdFirstTarget + 1), nullptr);
        ClickIn(ask, c.keep ? kIdOk : kIdCancel);
        return true;
      }
      return false;
    });
    ClickControl(kProfileImport);
    EXPECT_EQ(listed, std::vector<std::u16string>{u"6: /usr/bin/evil"});
    EXPECT_EQ(Current().Buttons[3].Name, u"Imported");
    EXPECT_EQ(Current().Buttons[5].Value, (std::array<std::uint8_t, 3>{0x60, 0x05, 0x00}));
    EXPECT_EQ(Current().Buttons[5].URL, c.keep ? u"/usr/bin/evil" : u"");
    // Saved as decided: the slot file holds the same.
    ProfileRecord saved;
    UnicodeTextReader reader;
    ASSERT_TRUE(reader.Open(ProfileSlotPath(App(), Config().CurrentProfileSlot())));
    ASSERT_TRUE(ParseProfileFile(reader, saved));
    EXPECT_EQ(saved.Buttons[5].URL, Current().Buttons[5].URL);
  }
}

}  // namespace
}  // namespace corvane::testing
