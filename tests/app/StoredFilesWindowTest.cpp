// The window and the stored files: a damaged file is told once, a save notices files
// another program changed behind it and reloads them.
#include <QApplication>
#include <QElapsedTimer>
#include <QImage>

#include "MainWindowFixture.h"
#include "session/AppContext.h"
#include "session/ConfigSave.h"
#include "session/StartupLoad.h"
#include "settings/ProfileFile.h"

namespace corvane {
namespace {

using testing::ModalResponder;
using testing::OpenMainWindow;
using testing::TempDataFolder;

void Pump(int ms) {
  QElapsedTimer t;
  t.start();
  while (t.elapsed() < ms) QApplication::processEvents(QEventLoop::AllEvents, 5);
}

std::unique_ptr<AppContext> LoadFolder(const TempDataFolder& data) {
  auto ctx = std::make_unique<AppContext>();
  ctx->DataFolder = data.Root();
  RunStartupLoad(*ctx);
  return ctx;
}

TEST(StoredFilesWindow, ADamagedFileIsToldOnce) {
  TempDataFolder data;
  LoadFolder(data);
  std::string config = data.Bytes("config/config.ini");
  config.resize(config.size() / 2);
  data.PutBytes("config/config.ini", config);
  {
    ModalResponder answerer;
    auto dlg = OpenMainWindow(data, "");
    Pump(200);
    ASSERT_EQ(answerer.messages.size(), 1u);
    EXPECT_NE(answerer.messages[0].find(u"config.ini"), std::u16string::npos);
    dlg->Shutdown();
  }
  ModalResponder answerer;
  auto again = OpenMainWindow(data, "");
  Pump(200);
  EXPECT_TRUE(answerer.messages.empty());
  again->Shutdown();

  // How the box looks with the longest usual message (rendered for review when asked).
  if (const char* dir = std::getenv("CORVANE_SHOT_DIR")) {
    const std::vector<std::string> notices{"config/config.ini: ...", "config/default1.psf: ...",
                                           "config/MacroLibraryFile.mlf: ..."};
    CAttentionDlg box(again->Gui(), u"", FileNoticesSummary(notices));
    box.EnsureInitialized();
    box.grab().toImage().save(QString::fromStdString(std::string(dir) + "/attention-damaged-files.png"));
    CAttentionDlg changed(again->Gui(), u"",
                          u"Reloaded settings saved by another program; the change here was not saved.");
    changed.EnsureInitialized();
    changed.grab().toImage().save(QString::fromStdString(std::string(dir) + "/attention-changed-behind.png"));
  }
}

TEST(StoredFilesWindow, ASaveAfterAnotherProgramsSaveReloadsAndSaysSo) {
  TempDataFolder data;
  LoadFolder(data);
  ModalResponder answerer;
  auto dlg = OpenMainWindow(data, "");
  // corvanectl renames profile 1 meanwhile.
  {
    auto other = LoadFolder(data);
    other->Profiles[1].SetProfileName(u"From corvanectl");
    ASSERT_TRUE(SaveProfilesThenConfig(*other));
  }
  dlg->App().Profiles[2].SetProfileName(u"From the window");
  dlg->Upload().ConfigSavePending = 1;
  dlg->OnTimer(kTimerSave);
  Pump(50);
  ASSERT_EQ(answerer.messages.size(), 1u);
  EXPECT_NE(answerer.messages[0].find(u"saved by another program"), std::u16string::npos);
  // The other program's change is kept, in the files and in the window.
  EXPECT_EQ(dlg->App().Profiles[1].ProfileName(), u"From corvanectl");
  EXPECT_EQ(LoadFolder(data)->Profiles[1].ProfileName(), u"From corvanectl");
  // From then on the window's saves go through.
  dlg->App().Profiles[2].SetProfileName(u"Second try");
  dlg->Upload().ConfigSavePending = 1;
  dlg->OnTimer(kTimerSave);
  EXPECT_EQ(answerer.messages.size(), 1u);
  const auto after = LoadFolder(data);
  EXPECT_EQ(after->Profiles[2].ProfileName(), u"Second try");
  EXPECT_EQ(after->Profiles[1].ProfileName(), u"From corvanectl");
  dlg->Shutdown();
}

TEST(StoredFilesWindow, AChangeWithoutAMouseIsSavedAndSentWhenItArrives) {
  TempDataFolder data;
  LoadFolder(data);
  ModalResponder answerer;
  auto dlg = OpenMainWindow(data, "");
  ASSERT_NE(dlg->Session(), nullptr);
  ASSERT_NE(dlg->Session()->Sim(), nullptr);
  const int p = dlg->App().Config.CurrentProfileSlot();
  dlg->App().Profiles[p].SetProfileName(u"Made offline");
  dlg->Upload().Dirty.PerformanceDirty = 1;
  dlg->ScheduleApply();
  Pump(100);
  // Told that no mouse is there (text 156), and the change is kept and saved.
  ASSERT_EQ(answerer.messages.size(), 1u);
  EXPECT_EQ(answerer.messages[0], dlg->App().Language.Text(156));
  EXPECT_TRUE(dlg->TimerActive(kTimerSave));
  dlg->OnTimer(kTimerSave);
  EXPECT_EQ(LoadFolder(data)->Profiles[p].ProfileName(), u"Made offline");
  EXPECT_EQ(dlg->Upload().Dirty.PerformanceDirty, 1);
  // The mouse arrives: what it missed is sent.
  dlg->Session()->Sim()->Plug(DeviceRole::Wired);
  QElapsedTimer t;
  t.start();
  while (dlg->Upload().Dirty.Any() && t.elapsed() < 3000) QApplication::processEvents(QEventLoop::AllEvents, 5);
  EXPECT_FALSE(dlg->Upload().Dirty.Any());
  dlg->Shutdown();
}

}  // namespace
}  // namespace corvane
