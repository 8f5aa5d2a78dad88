// The tools driven by the mouse: apply, the factory reset (its frames compared with
// corvanectl's, the profile reset keeping its name, the refusal without a mouse), the
// desktop's mouse settings and the project's page.
#include <gtest/gtest.h>

#include "MainWindowCommandsFixture.h"
#include "base/UnicodeTextFile.h"
#include "dialogs/CFirmwareResetDlg.h"
#include "lang/LanguageEntries.h"
#include "platform/DesktopShell.h"
#include "settings/ConfigTable.h"
#include "settings/ProfileFile.h"
#include "support/ApplyCliHelpers.h"

namespace corvane::testing {
namespace {

using namespace mainwnd;

// Records what the window asks of the desktop; programs exist as the test says.
class RecordingShell : public DesktopShell {
 public:
  explicit RecordingShell(std::vector<QString> present) : present_(std::move(present)) {}
  bool OpenUrl(const QString& address) override {
    urls.push_back(address);
    return true;
  }
  QString FindProgram(const QString& name) const override {
    for (const QString& p : present_)
      if (p == name) return "/usr/bin/" + name;
    return {};
  }
  bool StartDetached(const QString& program, const QStringList& arguments) override {
    started.push_back(program + (arguments.isEmpty() ? QString() : " " + arguments.join(' ')));
    return true;
  }
  std::vector<QString> urls, started;

 private:
  std::vector<QString> present_;
};

class MainWindowToolsTest : public MainWindowCommandsTest {};

// Clicks OK of the reset confirmation with the mouse.
bool ConfirmReset(QWidget* w) {
  auto* confirm = qobject_cast<CFirmwareResetDlg*>(w);
  if (!confirm) return false;
  ClickIn(confirm, kIdOk);
  return true;
}

TEST_F(MainWindowToolsTest, ResetSendsWhatCorvanectlSendsAndKeepsTheName) {
  Open();
  Current().SetProfileName(u"Mine");
  Current().Buttons[2].Value = {0x00, 0x00, 0x00};
  NewFrames();
  ModalResponder answer(&ConfirmReset);
  ClickControl(kFactoryReset);
  EXPECT_EQ(answer.others, (std::vector<std::string>{"corvane::CFirmwareResetDlg", "corvane::CProgressBarDlg"}));
  EXPECT_TRUE(answer.messages.empty());
  EXPECT_EQ(Current().ProfileName(), u"Mine");
  EXPECT_EQ(Current().Buttons[2].Value, (std::array<std::uint8_t, 3>{0x10, 0x04, 0x00}));
  // Written to its slot file at once.
  ProfileRecord saved;
  UnicodeTextReader reader;
  ASSERT_TRUE(reader.Open(ProfileSlotPath(App(), 0)));
  ASSERT_TRUE(ParseProfileFile(reader, saved));
  EXPECT_EQ(saved.ProfileName(), u"Mine");
  EXPECT_EQ(saved.Buttons[2].Value, Current().Buttons[2].Value);
  const auto gui = NewFrames();

  TempDataFolder cliFolder;
  const auto cli = RunOnSimulatedMouse(cliFolder, {"reset"});
  ASSERT_EQ(cli.run.status, 0) << cli.run.err;
  EXPECT_EQ(gui, cli.frames);
  // The shadow holds the defaults: an apply sends nothing more.
  dlg->Upload().Dirty.ButtonsDirty = 1;
  dlg->Upload().Dirty.PerformanceDirty = 1;
  dlg->OnTimer(kTimerApply);
  EXPECT_TRUE(NewFrames().empty());
}

TEST_F(MainWindowToolsTest, ResetCancelledOrNotTakenChangesNothing) {
  Open();
  Current().Buttons[2].Value = {0x00, 0x00, 0x00};
  NewFrames();
  {
    ModalResponder answer;  // cancels the confirmation
    ClickControl(kFactoryReset);
    EXPECT_EQ(answer.others, std::vector<std::string>{"corvane::CFirmwareResetDlg"});
    EXPECT_TRUE(NewFrames().empty());
  }
  SimFaults faults;
  faults.noAck = true;
  dlg->Session()->Sim()->SetFaults(faults);
  ModalResponder answer(&ConfirmReset);
  ClickControl(kFactoryReset);
  ASSERT_EQ(answer.messages.size(), 1u);
  EXPECT_EQ(answer.messages[0], Text(kTextResetNotTaken));
  EXPECT_EQ(Current().Buttons[2].Value, (std::array<std::uint8_t, 3>{0x00, 0x00, 0x00}));
}

TEST_F(MainWindowToolsTest, WithoutAMouseResetAndApplySayTheMouseIsNotConnected) {
  Open("");
  ModalResponder answer;
  ClickControl(kFactoryReset);
  EXPECT_TRUE(answer.others.empty()) << "no confirmation without a mouse";
  const auto modeless = ModelessAttentions(dlg->Gui());
  ASSERT_EQ(modeless.size(), 1u);
  EXPECT_EQ(modeless[0], Text(kTextDeviceNotConnected));
  ClickControl(kApply);
  ASSERT_EQ(answer.messages.size(), 1u);
  EXPECT_EQ(answer.messages[0], Text(kTextDeviceNotConnected));
}

TEST_F(MainWindowToolsTest, ApplySendsButtonsAndPerformanceAtOnce) {
  Open();
  NewFrames();
  ModalResponder answer;
  // A change the mouse has not had yet, as if its upload had not run.
  Current().Buttons[3].Value = {0x10, 0x02, 0x00};
  ClickControl(kApply);
  EXPECT_FALSE(dlg->TimerActive(kTimerApply));
  EXPECT_EQ(NewFrames().size(), 1u);
  EXPECT_EQ(dlg->Upload().Dirty.ButtonsDirty, 0);
  EXPECT_TRUE(dlg->TimerActive(kTimerSave));
}

TEST_F(MainWindowToolsTest, MouseSettingsOpenTheFirstDesktopToolThatExists) {
  struct Case {
    std::vector<QString> present;
    std::vector<QString> started;
  };
  const Case cases[] = {
      {{"gnome-control-center", "systemsettings"}, {"/usr/bin/gnome-control-center mouse"}},
      {{"xfce4-mouse-settings", "systemsettings"}, {"/usr/bin/systemsettings kcm_mouse"}},
      {{"xfce4-mouse-settings"}, {"/usr/bin/xfce4-mouse-settings"}},
      {{}, {}},
  };
  Open();
  for (const auto& c : cases) {
    auto shell = std::make_unique<RecordingShell>(c.present);
    RecordingShell* seen = shell.get();
    dlg->SetDesktopShell(std::move(shell));
    ModalResponder answer;
    ClickControl(kSystemMouseSettings);
    EXPECT_EQ(seen->started, c.started);
    EXPECT_EQ(answer.messages.size(), c.started.empty() ? 1u : 0u);
  }
}

TEST_F(MainWindowToolsTest, LogoOpensTheProjectPage) {
  Open();
  auto shell = std::make_unique<RecordingShell>(std::vector<QString>{});
  RecordingShell* seen = shell.get();
  dlg->SetDesktopShell(std::move(shell));
  ClickControl(kLogo);
  ASSERT_EQ(seen->urls.size(), 1u);
  EXPECT_TRUE(seen->urls[0].startsWith("https://"));
}

}  // namespace
}  // namespace corvane::testing
