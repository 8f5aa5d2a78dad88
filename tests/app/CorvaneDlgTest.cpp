// The main window's controller: scale and placement, start-up modes, saving on the way
// out and from timer 70, the connection indicator, the deferred profile actions, the keys
// it swallows, status reports reaching the on-screen display, and the last device leaving.
#include <gtest/gtest.h>

#include <csignal>

#include <QApplication>
#include <QCoreApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QSignalSpy>
#include <QTest>

#include "app/COSDDialog.h"
#include "app/SimulatedMouseWindow.h"
#include "lang/LanguageEntries.h"
#include "platform/ShutdownSignals.h"
#include "session/ApplyToDevice.h"
#include "session/StatusDecoder.h"
#include "base/UnicodeTextFile.h"
#include "settings/ConfigTable.h"
#include "settings/ProfileFile.h"
#include "skin/CBattery.h"
#include "skin/CStaticText.h"
#include "skin/SkinScaling.h"
#include "support/TempDataFolder.h"
#include "MainWindowFixture.h"

namespace corvane::testing {
namespace {

TEST(MainWindowGeometryTest, ScaleFollowsTheAvailableArea) {
  struct Case {
    int w, h;
    float scale;
  };
  const Case cases[] = {{2560, 1600, 1.5f}, {2560, 1601, 2.0f}, {1920, 1200, 1.0f}, {1920, 1201, 1.5f},
                        {1801, 1201, 1.5f}, {1800, 1400, 1.0f}, {2401, 1601, 2.0f}, {2400, 1601, 1.5f},
                        {1366, 768, 1.0f}};
  for (const auto& c : cases) EXPECT_EQ(ChooseSkinScale(c.w, c.h), c.scale) << c.w << "x" << c.h;
}

TEST(MainWindowGeometryTest, CentredButNeverAboveOrLeftOfTheArea) {
  struct Case {
    QRect area;
    float scale;
    QRect window;
  };
  const Case cases[] = {
      {QRect(0, 0, 1920, 1040), 1.0f, QRect(396, 150, 1127, 740)},
      {QRect(0, 0, 2560, 1600), 1.5f, QRect(435, 245, 1690, 1110)},
      {QRect(0, 0, 800, 600), 1.0f, QRect(0, 0, 1127, 740)},        // larger than the screen
      {QRect(0, 0, 1200, 600), 1.0f, QRect(36, 0, 1127, 740)},       // only too high
      {QRect(100, 30, 1920, 1040), 1.0f, QRect(496, 180, 1127, 740)},  // panel on the left and top
      {QRect(100, 30, 1000, 500), 2.0f, QRect(100, 30, 2254, 1480)},
  };
  for (const auto& c : cases) EXPECT_EQ(MainWindowPlacement(c.area, c.scale), c.window) << c.area.width();
}

TEST(MainWindowStartTest, StartupModeOfNeedPassword) {
  EXPECT_EQ(StartupModeOf(0), StartupMode::Normal);
  EXPECT_EQ(StartupModeOf(1), StartupMode::Minimised);
  EXPECT_EQ(StartupModeOf(2), StartupMode::Hidden);
  EXPECT_EQ(StartupModeOf(-1), StartupMode::Hidden);
}

TEST(MainWindowStartTest, StartsAsNeedPasswordSays) {
  struct Case {
    int needPassword;
    const char* roles;
    int activated;
    int linkUp;
    int shownByLink;
    bool minimised;
    bool visibleAfterTimer40;
  };
  const Case cases[] = {
      {0, "", 1, 1, 0, false, true},        // normal: shown at once, link taken as up
      {1, "", 0, 0, 0, true, false},        // minimised, then hidden until the mouse answers
      {2, "", 0, 0, 0, false, false},       // hidden until the mouse answers
      {2, "wired", 1, 1, 1, false, true},   // the mouse answered the link-state query
      {1, "receiver", 1, 1, 1, false, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.needPassword) + " " + c.roles);
    TempDataFolder data;
    WriteConfigWithStartupMode(data, c.needPassword);
    auto dlg = OpenMainWindow(data, c.roles);
    EXPECT_EQ(dlg->Activated(), c.activated);
    EXPECT_EQ(dlg->LinkUp(), c.linkUp);
    EXPECT_EQ(dlg->ShownByLink(), c.shownByLink);
    EXPECT_EQ(dlg->isMinimized(), c.minimised);
    dlg->show();
    dlg->OnTimer(kTimerKeepHidden);
    EXPECT_EQ(dlg->isVisible(), c.visibleAfterTimer40);
    dlg->Shutdown();
  }
}

TEST(MainWindowStartTest, WindowIsTheDesignSizeWithItsTitleAndTimers) {
  TempDataFolder data;
  auto dlg = OpenMainWindow(data);
  // The offscreen screen is small: scale 1.
  EXPECT_EQ(dlg->size(), QSize(1127, 740));
  EXPECT_GE(dlg->pos().x(), 0);
  EXPECT_GE(dlg->pos().y(), 0);
  EXPECT_EQ(dlg->windowTitle().toStdU16String(), dlg->App().Language.Text(kTextMainTitle));
  EXPECT_TRUE(dlg->TimerActive(kTimerKeepHidden));
  EXPECT_TRUE(dlg->TimerActive(kTimerConnection));
  EXPECT_TRUE(dlg->TimerActive(kTimerBattery));  // a device is present
  EXPECT_TRUE(data.Exists("config/config.ini"));
  dlg->show();
  const QImage picture = dlg->grab().toImage();
  EXPECT_EQ(picture.size(), QSize(1127, 740));
  picture.save(QString::fromStdString(::testing::TempDir() + "corvane-main-window.png"));
}

// The current profile's file, as the save writes it.
std::u16string SavedName(const TempDataFolder& data, int p) {
  SettingsStore settings;
  settings.DataFolder = data.Root();
  settings.Config.ConfigDefaults();
  UnicodeTextReader reader;
  ProfileRecord record;
  if (!reader.Open(ProfileSlotPath(settings, p)) || !ParseProfileFile(reader, record)) return u"";
  return record.ProfileName();
}

TEST(MainWindowSaveTest, PendingSaveIsWrittenOnEveryWayOut) {
  const std::function<void(CCorvaneDlg&)> ways[] = {
      [](CCorvaneDlg& d) { d.OnMessage(mainwnd::kClose, 0, kNotifyClick); },
      [](CCorvaneDlg& d) { d.EndProgram(); },
      [](CCorvaneDlg& d) { d.reject(); },  // the window manager's close
  };
  for (std::size_t i = 0; i < std::size(ways); ++i) {
    SCOPED_TRACE(i);
    TempDataFolder data;
    auto dlg = OpenMainWindow(data);
    dlg->show();
    dlg->App().Profiles[0].SetProfileName(u"Unsaved change");
    dlg->Upload().ConfigSavePending = 1;
    ASSERT_NE(SavedName(data, 0), u"Unsaved change");
    ways[i](*dlg);
    EXPECT_TRUE(dlg->ShutDown());
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_EQ(SavedName(data, 0), u"Unsaved change");
    EXPECT_EQ(dlg->Upload().ConfigSavePending, 0);
  }
}

TEST(MainWindowSaveTest, TerminationSignalsEndThroughTheSave) {
  for (const int signalNumber : {SIGTERM, SIGINT, SIGHUP}) {
    SCOPED_TRACE(signalNumber);
    TempDataFolder data;
    auto dlg = OpenMainWindow(data);
    dlg->show();
    ShutdownSignals stop;
    ASSERT_TRUE(stop.Installed());
    QObject::connect(&stop, &ShutdownSignals::Requested, dlg.get(), [&dlg](int) { dlg->EndProgram(); });
    dlg->App().Profiles[0].SetProfileName(u"Changed a moment ago");
    dlg->Upload().ConfigSavePending = 1;
    ASSERT_EQ(raise(signalNumber), 0);
    QTRY_VERIFY_WITH_TIMEOUT(dlg->ShutDown(), 3000);
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_EQ(SavedName(data, 0), u"Changed a moment ago");
  }
}

TEST(MainWindowSaveTest, Timer70WritesThePendingSave) {
  TempDataFolder data;
  auto dlg = OpenMainWindow(data);
  dlg->App().Profiles[0].SetProfileName(u"Ten seconds later");
  dlg->Upload().ConfigSavePending = 1;
  dlg->SetTimer(kTimerSave, 10000);
  dlg->OnTimer(kTimerSave);
  EXPECT_FALSE(dlg->TimerActive(kTimerSave));
  EXPECT_EQ(dlg->Upload().ConfigSavePending, 0);
  EXPECT_EQ(SavedName(data, 0), u"Ten seconds later");
  dlg->Shutdown();
}

TEST(MainWindowSaveTest, ApplyArmsTheSaveTimer) {
  TempDataFolder data;
  auto dlg = OpenMainWindow(data);
  ModalResponder answer;  // the progress dialog
  ProfileRecord& profile = CurrentProfile(dlg->App());
  profile.XYSettingX[1] = static_cast<std::uint16_t>(profile.XYSettingX[1] + 1);
  dlg->Upload().Dirty.PerformanceDirty = 1;
  dlg->OnTimer(kTimerApply);
  EXPECT_TRUE(dlg->TimerActive(kTimerSave));
  EXPECT_EQ(dlg->Upload().ConfigSavePending, 1);
  EXPECT_EQ(answer.others, std::vector<std::string>{"corvane::CProgressBarDlg"});
  EXPECT_TRUE(answer.messages.empty());
  dlg->Shutdown();
}

TEST(MainWindowConnectionTest, IndicatorFollowsTheConnections) {
  struct Case {
    const char* roles;
    bool mouseLinked;
    int state;  // 0: no device, the attention window instead
    bool warningShown;
  };
  const Case cases[] = {
      {"wired", true, 1, false},
      {"bluetooth", true, 1, false},
      {"receiver", true, 1, false},
      {"receiver", false, 2, true},
      {"", true, 0, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.roles) + (c.mouseLinked ? " linked" : " away"));
    TempDataFolder data;
    auto dlg = OpenMainWindow(data, c.roles);
    if (!c.mouseLinked) dlg->Session()->Link().LinkUp = 0;
    dlg->OnTimer(kTimerConnection);
    EXPECT_FALSE(dlg->TimerActive(kTimerConnection));
    EXPECT_EQ(dlg->ConnIndicatorState(), c.state);
    auto* warning = dlg->FindControl(mainwnd::kLinkWarning);
    ASSERT_NE(warning, nullptr);
    EXPECT_EQ(warning->Shown(), c.warningShown);
    const auto attentions = ModelessAttentions(dlg->Gui());
    if (c.state == 0) {
      ASSERT_EQ(attentions.size(), 1u);
      EXPECT_EQ(attentions[0], dlg->App().Language.Text(kTextNoDeviceFound));
      dlg->OnTimer(kTimerConnection);  // once per firing
      EXPECT_EQ(ModelessAttentions(dlg->Gui()).size(), 2u);
    } else {
      EXPECT_TRUE(attentions.empty());
    }
    dlg->EndProgram();
    QTest::qWait(20);  // the queued closes of the attention windows
    EXPECT_TRUE(ModelessAttentions(dlg->Gui()).empty());
  }
}

TEST(MainWindowProfileActionTest, DeleteRefusesTheCurrentProfile) {
  TempDataFolder data;
  auto dlg = OpenMainWindow(data);
  ConfigTable& config = dlg->App().Config;
  const int current = config.CurrentProfileSlot();
  const int countBefore = config.GetProfileShowCount();
  ModalResponder answer;
  dlg->RequestProfileAction(ProfileAction::Delete, current);
  EXPECT_TRUE(dlg->TimerActive(kTimerProfileAction));
  dlg->OnTimer(kTimerProfileAction);
  EXPECT_FALSE(dlg->TimerActive(kTimerProfileAction));
  ASSERT_EQ(answer.messages.size(), 1u);
  EXPECT_EQ(answer.messages[0], dlg->App().Language.Text(kTextCannotDeleteCurrent));
  EXPECT_EQ(config.GetProfileShowCount(), countBefore);
  dlg->Shutdown();
}

TEST(MainWindowProfileActionTest, DeleteHidesAnotherProfileAndSaves) {
  TempDataFolder data;
  auto dlg = OpenMainWindow(data);
  ConfigTable& config = dlg->App().Config;
  ASSERT_GE(config.GetProfileShowCount(), 2);
  const int other = config.GetProfileShowList(1);
  ASSERT_NE(other, config.CurrentProfileSlot());
  const int countBefore = config.GetProfileShowCount();
  dlg->RequestProfileAction(ProfileAction::Delete, other);
  dlg->OnTimer(kTimerProfileAction);
  EXPECT_EQ(config.GetProfileShowCount(), countBefore - 1);
  EXPECT_EQ(config.GetProfileShowList(4), other);
  // Saved at once: a fresh load sees the shorter list.
  SettingsStore reloaded;
  reloaded.DataFolder = data.Root();
  LanguageTable language;
  LoadConfig(reloaded, language);
  EXPECT_EQ(reloaded.Config.GetProfileShowCount(), countBefore - 1);
  dlg->Shutdown();
}

TEST(MainWindowProfileActionTest, SixthProfileIsRefusedAndAddWithFiveShownDoesNothing) {
  TempDataFolder data;
  auto dlg = OpenMainWindow(data);
  ConfigTable& config = dlg->App().Config;
  while (config.GetProfileShowCount() < kProfileShowPositions) config.ShowNextProfile();
  ModalResponder answer;
  dlg->RequestProfileAction(ProfileAction::Limit, 0);
  dlg->OnTimer(kTimerProfileAction);
  ASSERT_EQ(answer.messages.size(), 1u);
  EXPECT_EQ(answer.messages[0], dlg->App().Language.Text(kTextProfileLimit));
  dlg->RequestProfileAction(ProfileAction::Add, 0);
  dlg->OnTimer(kTimerProfileAction);
  EXPECT_EQ(answer.messages.size(), 1u);
  EXPECT_TRUE(answer.others.empty());
  EXPECT_EQ(config.GetProfileShowCount(), kProfileShowPositions);
  dlg->Shutdown();
}

void Key(QWidget* w, int key, const QString& text = {}) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
  QApplication::sendEvent(w, &press);
}

TEST(MainWindowKeyTest, EnterAndEscapeDoNothing) {
  TempDataFolder data;
  auto dlg = OpenMainWindow(data);
  dlg->show();
  Key(dlg.get(), Qt::Key_C, "c");
  EXPECT_EQ(dlg->KeySequenceState(), 1);
  for (const int key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
    Key(dlg.get(), key);
    EXPECT_TRUE(dlg->isVisible()) << key;
    EXPECT_EQ(dlg->Result(), 0) << key;
    EXPECT_FALSE(dlg->ShutDown()) << key;
    EXPECT_EQ(dlg->KeySequenceState(), 0) << key;
  }
  dlg->Shutdown();
}

TEST(MainWindowKeyTest, TheTenKeySequenceShowsTheSupportContact) {
  TempDataFolder data;
  auto dlg = OpenMainWindow(data);
  dlg->show();
  ModalResponder answer;
  const std::string sequence = CCorvaneDlg::kSupportSequence;
  // A wrong key part way starts the sequence again.
  for (const char c : std::string("CRVX")) Key(dlg.get(), c);
  EXPECT_EQ(dlg->KeySequenceState(), 0);
  for (std::size_t i = 0; i + 1 < sequence.size(); ++i) Key(dlg.get(), sequence[i]);
  EXPECT_TRUE(answer.messages.empty());
  Key(dlg.get(), sequence.back());
  ASSERT_EQ(answer.messages.size(), 1u);
  EXPECT_NE(answer.messages[0].find(u"support"), std::u16string::npos);
  EXPECT_EQ(dlg->KeySequenceState(), 0);
  dlg->Shutdown();
}

TEST(MainWindowDeviceTest, DpiButtonOnTheMouseShowsTheOnScreenDisplay) {
  TempDataFolder data;
  auto dlg = OpenMainWindow(data);
  ASSERT_NE(dlg->Session()->Sim(), nullptr);
  // Whatever level the mouse reports now differs from the last one seen.
  dlg->Decoder()->Values().LastDeviceDpiLevel = -1;
  dlg->Session()->Sim()->PressDpiButton();
  QTRY_VERIFY_WITH_TIMEOUT(dlg->Osd().Display() != nullptr, 3000);
  EXPECT_TRUE(dlg->TimerActive(kTimerOsd));
  EXPECT_EQ(dlg->Osd().Display()->Lines(), BuildOsdLines(dlg->App()));
  // The reported level is saved within ten seconds.
  EXPECT_TRUE(dlg->TimerActive(kTimerSave));
  dlg->Shutdown();
}

TEST(MainWindowDeviceTest, LastDeviceLeavingEndsTheProgramAfterTheSave) {
  TempDataFolder data;
  auto dlg = OpenMainWindow(data, "wired");
  dlg->show();
  dlg->App().Profiles[0].SetProfileName(u"Saved before the end");
  dlg->Upload().ConfigSavePending = 1;
  dlg->Session()->Sim()->Unplug(DeviceRole::Wired);
  QTRY_VERIFY_WITH_TIMEOUT(dlg->ShutDown(), 3000);
  EXPECT_FALSE(dlg->isVisible());
  EXPECT_EQ(SavedName(data, 0), u"Saved before the end");
}

TEST(MainWindowDeviceTest, OneOfTwoDevicesLeavingKeepsTheProgram) {
  TempDataFolder data;
  auto dlg = OpenMainWindow(data, "wired,receiver");
  dlg->Session()->Sim()->Unplug(DeviceRole::Wired);
  QTest::qWait(100);
  EXPECT_FALSE(dlg->ShutDown());
  EXPECT_FALSE(dlg->Session()->Link().Role(DeviceRole::Wired).Present);
  EXPECT_TRUE(dlg->Session()->Link().Role(DeviceRole::Receiver).Present);
  dlg->Shutdown();
}

TEST(MainWindowBatteryTest, Timer110ShowsTheLevelAndStepsTheAnimation) {
  TempDataFolder data;
  auto dlg = OpenMainWindow(data);
  auto* battery = dynamic_cast<CBattery*>(dlg->FindControl(mainwnd::kBattery));
  CControlBase* text = dlg->FindControl(mainwnd::kBatteryText);
  ASSERT_NE(battery, nullptr);
  ASSERT_NE(text, nullptr);
  StatusValues& values = dlg->Decoder()->Values();
  values.BatteryLevel = 64;
  values.ChargeState = CBattery::kCharging;
  dlg->OnTimer(kTimerBattery);
  EXPECT_EQ(battery->Level(), 64);
  EXPECT_EQ(battery->Mode(), CBattery::kCharging);
  EXPECT_EQ(text->GetText(), u"64%");
  EXPECT_TRUE(text->Shown());
  values.BatteryLevel = 150;  // not a level: shown as empty
  dlg->OnTimer(kTimerBattery);
  EXPECT_EQ(battery->Level(), 0);
  EXPECT_EQ(text->GetText(), u"0%");
  // While the window may not be shown, the display is left alone.
  dlg->Upload().Activated = 0;
  values.BatteryLevel = 80;
  dlg->OnTimer(kTimerBattery);
  EXPECT_EQ(text->GetText(), u"0%");
  dlg->Shutdown();
}

// Counts the paints of a widget that reach a given area.
class AreaPaintCounter : public QObject {
 public:
  explicit AreaPaintCounter(QRect area) : area_(area) {}
  int paints = 0;

 protected:
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Paint && static_cast<QPaintEvent*>(e)->region().intersects(area_)) ++paints;
    return false;
  }

 private:
  QRect area_;
};

// The battery timer runs every second for as long as the program does: a second that
// brought no new level or charge state must not redraw the gauge, while charging it
// animates.
TEST(MainWindowBatteryTest, Timer110RedrawsTheGaugeOnlyWhenItsPictureChanges) {
  TempDataFolder data;
  auto dlg = OpenMainWindow(data);
  dlg->show();
  auto* battery = dynamic_cast<CBattery*>(dlg->FindControl(mainwnd::kBattery));
  CControlBase* text = dlg->FindControl(mainwnd::kBatteryText);
  ASSERT_NE(battery, nullptr);
  ASSERT_NE(text, nullptr);
  StatusValues& values = dlg->Decoder()->Values();
  const auto settle = [] {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
  };
  values.BatteryLevel = 64;
  values.ChargeState = CBattery::kNormal;
  dlg->OnTimer(kTimerBattery);
  settle();
  AreaPaintCounter counter(battery->GetRect().ToQRect().united(text->GetRect().ToQRect()));
  dlg->installEventFilter(&counter);
  struct Step {
    const char* name;
    int level;
    int charge;
    bool redrawn;
  };
  const Step steps[] = {
      {"SameLevel", 64, CBattery::kNormal, false},
      {"LevelFell", 63, CBattery::kNormal, true},
      {"SameAgain", 63, CBattery::kNormal, false},
      {"Charging", 63, CBattery::kCharging, true},
      {"ChargingAnimates", 63, CBattery::kCharging, true},
      {"Full", 63, CBattery::kFull, true},
      {"StillFull", 63, CBattery::kFull, false},
  };
  for (const auto& step : steps) {
    SCOPED_TRACE(step.name);
    values.BatteryLevel = step.level;
    values.ChargeState = step.charge;
    counter.paints = 0;
    dlg->OnTimer(kTimerBattery);
    settle();
    EXPECT_EQ(counter.paints > 0, step.redrawn);
    EXPECT_EQ(battery->Level(), step.level);
    EXPECT_EQ(battery->Mode(), step.charge);
  }
  dlg->removeEventFilter(&counter);
  dlg->Shutdown();
}

// The mouse's session, the simulated mouse's window and the application's icon stand for
// all the work the first frame does not need (they come with the tray icon and the
// active-window watcher): a shown window paints first; a window that starts hidden or
// minimised paints nothing, and must not wait for a frame.
TEST(MainWindowStartTest, WorkTheFirstFrameDoesNotNeedWaitsForThatFrame) {
  struct Case {
    const char* name;
    int startupMode;  // 0 shown, 1 minimised, 2 hidden
    bool show;
    bool afterAPaint;
  };
  const Case cases[] = {
      {"shown", 0, true, true},
      {"minimised", 1, false, false},
      {"hidden", 2, false, false},
      {"never shown", 0, false, false},
  };
  const auto simWindowOpen = [] {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (qobject_cast<SimulatedMouseWindow*>(w)) return true;
    return false;
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TempDataFolder data;
    WriteConfigWithStartupMode(data, c.startupMode);
    CorvaneDlgOptions options;
    options.DataFolder = data.Root();
    options.Device.simulate = ParseSimulatedRoles("wired");
    options.Device.noWait = true;
    QApplication::setWindowIcon(QIcon());
    auto dlg = std::make_unique<CCorvaneDlg>(std::move(options));
    dlg->EnsureInitialized();
    EXPECT_EQ(dlg->Session(), nullptr) << "nothing of it runs in the window's construction";
    EXPECT_FALSE(simWindowOpen());
    EXPECT_TRUE(QApplication::windowIcon().isNull());
    AreaPaintCounter counter(QRect(0, 0, 1 << 16, 1 << 16));
    dlg->installEventFilter(&counter);
    if (c.show) dlg->show();
    // No waiting: the rounds take far less than the second after which the work is done
    // whether or not a frame came.
    int paintsWhenOpen = -1;
    for (int round = 0; round < 5 && paintsWhenOpen < 0; ++round) {
      QCoreApplication::processEvents();
      if (simWindowOpen()) paintsWhenOpen = counter.paints;
    }
    EXPECT_GE(paintsWhenOpen, 0) << "opened";
    ASSERT_NE(dlg->Session(), nullptr);
    EXPECT_TRUE(dlg->Session()->Link().AnyPresent);
    EXPECT_EQ(QApplication::windowIcon().availableSizes(), QList<QSize>{QSize(128, 128)});
    if (c.afterAPaint) {
      EXPECT_GT(paintsWhenOpen, 0);
    }
    dlg->removeEventFilter(&counter);
    dlg->Shutdown();
  }
}

TEST(MainWindowTrayTest, OtherInstanceAsksTheMouseWhenTheWindowMayNotBeShown) {
  struct Case {
    const char* roles;
    int activatedAfter;
    bool visibleAfter;
  };
  const Case cases[] = {{"wired", 1, true}, {"", 0, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.roles);
    TempDataFolder data;
    WriteConfigWithStartupMode(data, 2);
    auto dlg = OpenMainWindow(data, c.roles);
    dlg->Upload().Activated = 0;
    dlg->hide();
    dlg->OnMessage(kMsgOtherInstance, 0, 0);
    EXPECT_EQ(dlg->Activated(), c.activatedAfter);
    EXPECT_EQ(dlg->isVisible(), c.visibleAfter);
    dlg->Shutdown();
  }
}

TEST(MainWindowTrayTest, HidingWithoutATrayMinimises) {
  TempDataFolder data;
  auto dlg = OpenMainWindow(data);
  dlg->show();
  dlg->OnMessage(mainwnd::kMinimise, 0, kNotifyClick);
  if (dlg->Tray()) {
    EXPECT_FALSE(dlg->isVisible());
  } else {
    EXPECT_TRUE(dlg->isMinimized());
  }
  // Message 2999 with the window allowed and the link up brings it back.
  dlg->OnMessage(kMsgOtherInstance, 0, 0);
  EXPECT_TRUE(dlg->isVisible());
  EXPECT_FALSE(dlg->isMinimized());
  dlg->Shutdown();
}

}  // namespace
}  // namespace corvane::testing
