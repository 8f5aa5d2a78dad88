// The settings sections of the main window driven by real mouse events: what each control
// changes in the current profile, what it sends to the simulated mouse and when, and
// that a slider release sends exactly what corvanectl set sends for the same value.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/CCorvaneDlg.h"
#include "app/COSDDialog.h"
#include "app/MainWindowIds.h"
#include "app/MainWindowLayout.h"
#include "dialogs/CColorPaletteDlg.h"
#include "dialogs/CDPIValueSettingDlg.h"
#include "settings/DeviceDirtyFlags.h"
#include "settings/ProfileTable.h"
#include "skin/CCheckButton.h"
#include "skin/CColorSelectCheckButton.h"
#include "skin/CDPIRadioButton.h"
#include "skin/CSliderControl.h"
#include "skin/CVerticalSliderControl.h"
#include "skin/CWndPopup.h"
#include "support/ApplyCliHelpers.h"
#include "support/SkinTestSupport.h"
#include "support/TempDataFolder.h"

namespace corvane::testing {
namespace {

using namespace mainwnd;

// The window on the simulated cable mouse, its exchanges traced into the data folder.
class MainWindowSettingsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dlg = OpenTraced(data);
    traceStart = TraceLines(TracePath()).size();
  }
  // A window on a fresh simulated mouse, with the DPI and lighting sections open as the
  // user would have them.
  static std::unique_ptr<CCorvaneDlg> OpenTraced(const TempDataFolder& folder) {
    CorvaneDlgOptions options;
    options.DataFolder = folder.Root();
    options.Device.simulate = ParseSimulatedRoles("wired");
    options.Device.noWait = true;
    options.Device.traceFile = folder.Path("window-trace.txt").string();
    auto w = std::make_unique<CCorvaneDlg>(std::move(options));
    w->EnsureInitialized();
    w->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(w.get()));
    QTest::qWait(30);
    return w;
  }
  void TearDown() override { dlg.reset(); }

  std::filesystem::path TracePath() const { return traceFolder->Path("window-trace.txt"); }
  ProfileRecord& Profile() { return dlg->CurrentProfile(); }
  void Show() { ShowCurrentProfile(*dlg, dlg->App(), dlg->Gui()); }

  void OpenSections(std::initializer_list<unsigned> headers) {
    SectionStates open{};
    for (unsigned h : headers) open[static_cast<std::size_t>(*SectionOfHeader(h))] = true;
    ApplySectionStates(*dlg, open);
    Show();
  }

  QPoint Centre(unsigned id) {
    const CRect r = dlg->FindControl(id)->GetRect();
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  }
  void Hover(QPoint at) { Move(dlg.get(), at); }
  void ClickAt(QPoint at) { Click(dlg.get(), at); }
  void ClickControl(unsigned id) { ClickAt(Centre(id)); }
  // The point of a horizontal slider's stop, on its thumb's line.
  QPoint StopPoint(unsigned id, int stop) {
    auto* s = dynamic_cast<CSliderControl*>(dlg->FindControl(id));
    const CRect r = s->GetRect();
    return {s->Stops()[static_cast<std::size_t>(stop)], (r.top + r.bottom) / 2};
  }
  // Presses the slider's thumb, drags to the stop and holds the button there.
  void DragTo(unsigned id, int stop) {
    auto* s = dynamic_cast<CSliderControl*>(dlg->FindControl(id));
    const CRect thumb = s->ThumbRect();
    const QPoint grab{(thumb.left + thumb.right) / 2, (thumb.top + thumb.bottom) / 2};
    Hover(grab);
    Press(dlg.get(), grab);
    Move(dlg.get(), StopPoint(id, stop), Qt::LeftButton);
  }
  void ReleaseAt(QPoint at) { Release(dlg.get(), at); }

  // The frames sent since the set-up (or since the last call).
  std::vector<std::string> SentFrames() {
    const auto lines = TraceLines(TracePath());
    std::vector<std::string> tail(lines.begin() + static_cast<std::ptrdiff_t>(std::min(traceStart, lines.size())),
                                  lines.end());
    traceStart = lines.size();
    return TraceOf(tail, "set");
  }
  // Lets timer 30 run the upload.
  void WaitForApply() {
    QTest::qWait(5);  // what the window posted to itself first
    EXPECT_TRUE(QTest::qWaitFor([&] { return !dlg->TimerActive(kTimerApply); }, 2000));
    QTest::qWait(10);
  }

  TempDataFolder data;
  const TempDataFolder* traceFolder = &data;
  std::unique_ptr<CCorvaneDlg> dlg;
  std::size_t traceStart = 0;
};

// Runs script once on the first modal window of type T that opens while it lives.
template <class T>
class ModalScript {
 public:
  explicit ModalScript(std::function<void(T&)> script) : script_(std::move(script)) {
    timer_.setInterval(5);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      auto* dlg = qobject_cast<T*>(QApplication::activeModalWidget());
      if (!dlg || ran_) return;
      ran_ = true;
      script_(*dlg);
    });
    timer_.start();
  }
  bool Ran() const { return ran_; }

 private:
  std::function<void(T&)> script_;
  QTimer timer_;
  bool ran_ = false;
};

TEST_F(MainWindowSettingsTest, UncheckingTheCurrentLevelMovesToTheNextEnabledOne) {
  ProfileRecord& p = Profile();
  p.DPIOffOnFlag = 0x25;  // levels 0, 2 and 5
  p.CurrentDPILevel = 2;
  Show();
  ClickControl(kDpiEnableFirst + 2);
  EXPECT_EQ(p.CurrentDPILevel, 5);
  EXPECT_EQ(p.DPIOffOnFlag, 0x21);
  EXPECT_EQ(dlg->Gui().DpiRadioSelection & 0xFF, 0x3Fu);  // levels 0..5 shown selected
  ClickControl(kDpiEnableFirst + 5);
  EXPECT_EQ(p.CurrentDPILevel, 0);
  EXPECT_EQ(p.DPIOffOnFlag, 0x01);
  WaitForApply();
  EXPECT_FALSE(SentFrames().empty());

  // The only enabled level stays checked and nothing is sent.
  ClickControl(kDpiEnableFirst + 0);
  EXPECT_TRUE(dynamic_cast<CCheckButton*>(dlg->FindControl(kDpiEnableFirst))->Checked());
  EXPECT_EQ(p.DPIOffOnFlag, 0x01);
  EXPECT_FALSE(dlg->TimerActive(kTimerApply));
  WaitForApply();
  EXPECT_TRUE(SentFrames().empty());
}

TEST_F(MainWindowSettingsTest, LevelRadioMakesItsLevelCurrent) {
  Profile().CurrentDPILevel = 0;
  Show();
  ClickControl(kDpiRadioFirst + 3);
  EXPECT_EQ(Profile().CurrentDPILevel, 3);
  EXPECT_EQ(dlg->Gui().DpiRadioSelection & 0xFF, 0x0Fu);
  EXPECT_TRUE(dlg->TimerActive(kTimerApply));
}

TEST_F(MainWindowSettingsTest, DpiSliderSetsXOnlyAndTheValueFieldSetsBoth) {
  ProfileRecord& p = Profile();
  const std::uint16_t y3 = p.XYSettingY[3];
  auto* bar = dynamic_cast<CVerticalSliderControl*>(dlg->FindControl(kDpiSliderFirst + 3));
  const CRect r = bar->GetRect();
  const QPoint top{(r.left + r.right) / 2, r.top + 2};
  Hover(top);
  Press(dlg.get(), top);
  ReleaseAt(top);
  const int step = bar->Value();
  EXPECT_GT(step, 0);
  EXPECT_EQ(p.XYSettingX[3], step);
  EXPECT_EQ(p.XYSettingY[3], y3);
  const int dpi = DpiOfStep(dlg->App().Dpi, step);
  EXPECT_EQ(dynamic_cast<CDPIRadioButton*>(dlg->FindControl(kDpiRadioFirst + 3))->DpiValue() * 50, dpi);

  // The value field: the dialog confirms 1600 DPI, for X and Y alike.
  ModalScript<CDPIValueSettingDlg> answer([](CDPIValueSettingDlg& d) {
    d.AxisEdit(0)->setText("1600");
    d.RunOk();
  });
  ClickControl(kDpiValueFirst + 3);
  ASSERT_TRUE(answer.Ran());
  const int expected = StepOfDpi(dlg->App().Dpi, 1600);
  EXPECT_EQ(p.XYSettingX[3], expected);
  EXPECT_EQ(p.XYSettingY[3], expected);
  EXPECT_EQ(dlg->FindControl(kDpiValueFirst + 3)->GetText(), u"1600");
}

TEST_F(MainWindowSettingsTest, DpiBarsFollowTheLadderOfASensorTheMouseReports) {
  const DpiStepTables& tables = dlg->App().Dpi;
  const int before = tables.DpiStepCount;
  dlg->Session()->Sim()->SetSensorLetter(0x30);  // the 0x3212 sensor, a shorter ladder
  ASSERT_TRUE(QTest::qWaitFor([&] { return tables.SensorId == 0x3212; }, 3000));
  ASSERT_NE(tables.DpiStepCount, before);
  QTest::qWait(20);
  for (unsigned k = 0; k < kDpiLevelCount; ++k) {
    auto* bar = dynamic_cast<CVerticalSliderControl*>(dlg->FindControl(kDpiSliderFirst + k));
    EXPECT_EQ(bar->StopCount(), tables.DpiStepCount) << k;
    EXPECT_EQ(bar->Value(), Profile().XYSettingX[k]) << k;
  }
  // The top of a bar is the new ladder's last step.
  const CRect r = dlg->FindControl(kDpiSliderFirst + 1)->GetRect();
  const QPoint top{(r.left + r.right) / 2, r.top + 1};
  Hover(top);
  Press(dlg.get(), top);
  ReleaseAt(top);
  EXPECT_EQ(Profile().XYSettingX[1], tables.DpiStepCount - 1);
}

TEST_F(MainWindowSettingsTest, SpeedAndBrightnessGoToTheCurrentModeAndTheSharedOnes) {
  ProfileRecord& p = Profile();
  p.Lighting1ModeValue[0] = 2;
  p.Lighting1Speed.fill(1);
  p.Lighting1Speed[9] = 7;
  Show();
  ClickAt(StopPoint(kLightingSpeed, 4));
  for (int m = 0; m < 8; ++m) EXPECT_EQ(p.Lighting1Speed[m], 4) << m;
  EXPECT_EQ(p.Lighting1Speed[9], 7);
  EXPECT_EQ(dlg->FindControl(kLightingSpeedLabel)->GetText(), u"5");

  // Position 6, as the slider would report it while dragged, names 75 %.
  dlg->OnMessage(kLightingBrightness, 6, kNotifyDrag);
  EXPECT_EQ(dlg->FindControl(kLightingBrightnessLabel)->GetText(), u"75%");
  ClickAt(StopPoint(kLightingBrightness, 1));
  EXPECT_EQ(dlg->FindControl(kLightingBrightnessLabel)->GetText(), u"50%");
  EXPECT_EQ(p.Lighting1Brightness[2], 1);
}

TEST_F(MainWindowSettingsTest, ASingleClickOnAColourSlotChangesNothing) {
  ProfileRecord& p = Profile();
  p.Lighting1ModeValue[0] = 3;
  Show();
  const auto colours = p.Lighting1FixedColor;
  const auto selected = p.Lighting1ColorSelected;
  ClickControl(kLightingSlotFirst + 2);
  EXPECT_EQ(p.Lighting1FixedColor, colours);
  EXPECT_EQ(p.Lighting1ColorSelected, selected);
  EXPECT_FALSE(dlg->TimerActive(kTimerApply));
  EXPECT_FALSE(dlg->Upload().Dirty.Any());
}

TEST_F(MainWindowSettingsTest, APickedSlotColourShowsInEveryModeThatShowsSlots) {
  ProfileRecord& p = Profile();
  p.Lighting1ModeValue[0] = 3;
  Show();
  COLORREF picked = 0;
  ModalScript<CColorPaletteDlg> answer([&](CColorPaletteDlg& d) {
    const float s = d.Gui().SkinScale;
    EXPECT_TRUE(d.PickAt(static_cast<int>(100 * s), static_cast<int>(60 * s)));
    picked = d.Colour();
    d.RunOk();
  });
  const QPoint slot = Centre(kLightingSlotFirst + 2);
  Hover(slot);
  DoubleClick(dlg.get(), slot);
  ASSERT_TRUE(answer.Ran());
  EXPECT_TRUE(dlg->TimerActive(kTimerApply));
  for (int mode = 0; mode <= 7; ++mode) {
    p.Lighting1ModeValue[0] = static_cast<std::uint8_t>(mode);
    Show();
    auto* c = dynamic_cast<CColorSelectCheckButton*>(dlg->FindControl(kLightingSlotFirst + 2));
    const bool shows = c->Shown();
    EXPECT_EQ(shows, mode == 3 || mode == 6) << mode;
    if (shows) {
      EXPECT_EQ(c->Color(), picked) << mode;
    }
  }
}

TEST_F(MainWindowSettingsTest, ThePollingDropDownStoresTheRateWithoutSending) {
  OpenSections({kHeaderPolling});
  dlg->OnMessage(kPollingComboMessage, kPollingCombo, kNotifyClick);
  auto* popup = dynamic_cast<CWndPopup*>(dlg->PopupSlot(8));
  ASSERT_NE(popup, nullptr);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(popup));
  const CRect item = popup->Items()[1].rect;
  const QPoint at{(item.left + item.right) / 2, (item.top + item.bottom) / 2};
  Click(popup, at);
  EXPECT_EQ(Profile().PollingRateValue[0], 1);
  EXPECT_FALSE(dlg->TimerActive(kTimerApply));
  WaitForApply();
  EXPECT_TRUE(SentFrames().empty());

  // A radio schedules the upload (the mouse still has the stored 1000 Hz, so 4000 Hz
  // differs from what it holds).
  ClickControl(kPollingRadioFirst + 5);
  EXPECT_EQ(Profile().PollingRateValue[0], 5);
  WaitForApply();
  EXPECT_FALSE(SentFrames().empty());
}

TEST_F(MainWindowSettingsTest, ScrollByPageDisablesTheWheelSpeed) {
  OpenSections({kHeaderPointer});
  ASSERT_NE(dlg->FindControl(kTiltSpeed), nullptr);
  ClickControl(kScrollPage);
  EXPECT_EQ(Profile().SettingNumber(kSettingScrollWheelPageEnable), 1);
  EXPECT_TRUE(dlg->FindControl(kScrollSpeed)->Disabled());
  ClickControl(kScrollLines);
  EXPECT_EQ(Profile().SettingNumber(kSettingScrollWheelPageEnable), 0);
  EXPECT_FALSE(dlg->FindControl(kScrollSpeed)->Disabled());
  ClickAt(StopPoint(kTiltSpeed, 6));
  EXPECT_EQ(Profile().SettingNumber(kSettingTiltSpeed), 6);
  EXPECT_EQ(dlg->FindControl(kTiltSpeedLabel)->GetText(), u"7");
}

// Checks, radios and the dial: the field each one sets and the group it marks for the
// upload, which it then schedules.
TEST_F(MainWindowSettingsTest, EachControlSetsItsFieldAndItsDirtyGroup) {
  const float scale = dlg->Gui().SkinScale;
  const CRect dial = dlg->FindControl(kPowerDial)->GetRect();
  // A point of the dial's fifth sector (design pixels from its corner: between the edge
  // (70, 5)-(100, 14) and the apex (70, 71)).
  const QPoint fifthSector{dial.left + static_cast<int>(80 * scale), dial.top + static_cast<int>(30 * scale)};
  struct Case {
    const char* what;
    unsigned header;
    std::function<void()> act;
    std::function<bool(const ProfileRecord&)> stored;
    int DeviceDirtyFlags::*flag;
  };
  const Case cases[] = {
      {"angle snap", kHeaderSensor, [&] { ClickControl(kAngleSnap); },
       [](const ProfileRecord& p) { return p.SettingNumber(kSettingAngleSnap) == 1; },
       &DeviceDirtyFlags::SensorOptionsDirty},
      {"ripple control", kHeaderSensor, [&] { ClickControl(kRippleControl); },
       [](const ProfileRecord& p) { return p.SettingNumber(kSettingRippleControl) == 1; },
       &DeviceDirtyFlags::SensorOptionsDirty},
      {"lift-off low", kHeaderLiftOff, [&] { ClickControl(kLiftLow); },
       [](const ProfileRecord& p) { return p.SettingNumber(kSettingLiftDetectionHeight) == 1; },
       &DeviceDirtyFlags::PerformanceDirty},
      {"light up on movement", kHeaderDpi, [&] { ClickControl(kMoveLighting); },
       [](const ProfileRecord& p) { return p.GetMoveLightingOnOffMode() == 1; }, &DeviceDirtyFlags::PowerDirty},
      {"motion wake-up off", kHeaderDpi, [&] { ClickControl(kMotionWakeup); },
       [](const ProfileRecord& p) { return p.SettingNumber(kSettingMotionWakeup) == 0; },
       &DeviceDirtyFlags::MotionWakeupDirty},
      {"power dial", kHeaderDpi, [&] { ClickAt(fifthSector); },
       [](const ProfileRecord& p) { return p.GetPowerDownTime() == 7; }, &DeviceDirtyFlags::PowerDirty},
      {"acceleration off", kHeaderPointer, [&] { ClickControl(kAcceleration); },
       [](const ProfileRecord& p) { return p.SettingNumber(kSettingAccelerationEnable) == 0; },
       &DeviceDirtyFlags::PointerSettingsDirty},
      {"reverse direction", kHeaderLighting, [&] { ClickControl(kLightingReverse); },
       [](const ProfileRecord& p) { return p.Lighting1Direction[p.Lighting1ModeValue[0]] == 0; },
       &DeviceDirtyFlags::PerformanceDirty},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    OpenSections({c.header});
    dlg->Upload().Dirty.Clear();
    dlg->KillTimer(kTimerApply);
    c.act();
    EXPECT_TRUE(c.stored(Profile()));
    EXPECT_EQ(dlg->Upload().Dirty.*c.flag, 1);
    EXPECT_TRUE(dlg->TimerActive(kTimerApply));
  }
}

// A slider release against corvanectl set of the same value: the same frames, and
// nothing at all while the thumb is still held.
TEST_F(MainWindowSettingsTest, ASliderReleaseSendsWhatCorvanectlSetSends) {
  struct Case {
    const char* what;
    unsigned header;
    unsigned slider;
    int stop;
    std::string set;
  };
  const Case cases[] = {
      {"debounce", kHeaderDebounce, kDebounceSlider, 5, "debounce=5"},
      {"lighting speed", kHeaderLighting, kLightingSpeed, 2, "lighting.speed=2"},
      {"sleep time", kHeaderDpi, kSleepSlider, 7, "power.sleep=8"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    // Each case on a fresh mouse and data folder, as each corvanectl run starts.
    dlg.reset();
    TempDataFolder windowData;
    traceFolder = &windowData;
    dlg = OpenTraced(windowData);
    OpenSections({c.header});
    SentFrames();
    DragTo(c.slider, c.stop);
    QTest::qWait(40);
    EXPECT_FALSE(dlg->TimerActive(kTimerApply));
    EXPECT_TRUE(SentFrames().empty());
    ReleaseAt(StopPoint(c.slider, c.stop));
    WaitForApply();
    const auto window = SentFrames();

    TempDataFolder cliData;
    const UploadRun cli = RunOnSimulatedMouse(cliData, {"set", c.set});
    ASSERT_EQ(cli.run.status, 0) << cli.run.err;
    EXPECT_FALSE(window.empty());
    EXPECT_EQ(window, cli.frames);
    dlg.reset();
    traceFolder = &data;
  }
}

TEST_F(MainWindowSettingsTest, ASliderReleasedOutsideItselfStillSendsWhatWasDragged) {
  OpenSections({kHeaderDebounce});
  SentFrames();
  DragTo(kDebounceSlider, 6);
  const QPoint outside = StopPoint(kDebounceSlider, 6) - QPoint(0, 60);
  Move(dlg.get(), outside, Qt::LeftButton);
  ReleaseAt(outside);
  WaitForApply();
  EXPECT_EQ(Profile().SettingNumber(kSettingKeyDebounce), 6);
  TempDataFolder cliData;
  const UploadRun cli = RunOnSimulatedMouse(cliData, {"set", "debounce=6"});
  ASSERT_EQ(cli.run.status, 0) << cli.run.err;
  EXPECT_EQ(SentFrames(), cli.frames);
}

TEST_F(MainWindowSettingsTest, ABurstOfChangesIsSentOnce) {
  OpenSections({kHeaderDebounce});
  SentFrames();
  for (int stop : {3, 9, 4}) ClickAt(StopPoint(kDebounceSlider, stop));
  WaitForApply();
  const auto window = SentFrames();
  TempDataFolder cliData;
  const UploadRun cli = RunOnSimulatedMouse(cliData, {"set", "debounce=4"});
  ASSERT_EQ(cli.run.status, 0) << cli.run.err;
  EXPECT_EQ(window, cli.frames);
}

TEST_F(MainWindowSettingsTest, TheOnScreenDisplayShowsTheLevelTheMouseReported) {
  Profile().CurrentDPILevel = 1;
  dlg->Session()->Sim()->PressDpiButton();
  QTRY_VERIFY_WITH_TIMEOUT(dlg->Osd().Display() != nullptr, 3000);
  const ProfileRecord& p = Profile();
  const auto& lines = dlg->Osd().Display()->Lines();
  EXPECT_EQ(lines[0], u"DPI-" + QString::number(p.CurrentDPILevel + 1).toStdU16String());
  EXPECT_EQ(lines[1], QString::number(DpiOfStep(dlg->App().Dpi, p.XYSettingX[p.CurrentDPILevel])).toStdU16String());
}

}  // namespace
}  // namespace corvane::testing
