// The firmware dialog against the simulated cable mouse: an update runs to its end while
// the window keeps handling events, closing is refused while the mouse is being written,
// a pulled cable ends the update with the cable message and leaves a dialog that closes,
// and without a cable mouse the attention box asks for one.
#include <gtest/gtest.h>

#include <algorithm>

#include <QApplication>
#include <QKeyEvent>
#include <QTest>
#include <QTimer>

#include "device/FirmwareTexts.h"
#include "device/sim/SimBackend.h"
#include "dialogs/CAttentionDlg.h"
#include "dialogs/CCheckFWDlg.h"
#include "dialogs/FirmwareDialog.h"
#include "dialogs/FirmwareDialogWorker.h"
#include "session/AppContext.h"
#include "session/DeviceSession.h"
#include "skin/OpenPopupTable.h"
#include "support/FirmwareFixture.h"
#include "support/SkinTestSupport.h"

namespace corvane::testing {
namespace {

constexpr int kUpdateTimeoutMs = 120000;

class FirmwareDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ctx.Config.ConfigDefaults();
    ctx.Language = NumberedLanguage();
    gui = MakeGuiState(ctx.Language);
  }

  // noWait: the pauses are only recorded (the update takes a moment); otherwise they are
  // slept on the worker, as with a real mouse.
  std::unique_ptr<DeviceSession> OpenSession(std::vector<DeviceRole> roles, bool noWait) {
    DeviceSessionOptions options;
    options.simulate = std::move(roles);
    options.noWait = noWait;
    std::string error;
    auto s = DeviceSession::Open(options, ctx.Config, error);
    EXPECT_TRUE(s) << error;
    return s;
  }

  static std::u16string TextOf(const CDlgBase& dlg, unsigned id) { return dlg.FindControl(id)->GetText(); }

  static void Key(QWidget* w, int key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(w, &press);
  }

  AppContext ctx;
  std::unique_ptr<GuiState> gui;
  LoadedImages images = LoadFirmwareImages(ApplicationImage(), LoaderImage());
};

TEST_F(FirmwareDialogTest, UpdateRunsToTheDoneTextWhileTheWindowKeepsHandlingEvents) {
  auto session = OpenSession({DeviceRole::Wired}, true);
  ASSERT_TRUE(session);
  const std::uint32_t carried = images.ApplicationHeader.CS();
  ASSERT_NE(session->Sim()->State().firmware.RunningChecksum(), carried);

  CCheckFWDlg dlg(*gui, *session);
  dlg.EnsureInitialized();
  dlg.show();
  EXPECT_EQ(TextOf(dlg, CCheckFWDlg::kIdImageChecksum), ImageChecksumText(carried));
  EXPECT_EQ(TextOf(dlg, CCheckFWDlg::kIdProgressText), u"0%");

  bool sawBusy = false;
  const bool ended = QTest::qWaitFor(
      [&] {
        sawBusy = sawBusy || dlg.Busy();
        return dlg.CheckResult().has_value();
      },
      kUpdateTimeoutMs);
  ASSERT_TRUE(ended);
  EXPECT_TRUE(sawBusy);
  EXPECT_FALSE(dlg.Busy());
  EXPECT_FALSE(FirmwareUpdateRunning());

  EXPECT_EQ(dlg.CheckResult()->outcome, FirmwareOutcome::Updated);
  EXPECT_EQ(TextOf(dlg, CCheckFWDlg::kIdStatus), LanguageText(293));
  EXPECT_EQ(TextOf(dlg, CCheckFWDlg::kIdDeviceChecksum), DeviceChecksumText(carried));
  EXPECT_EQ(TextOf(dlg, CCheckFWDlg::kIdProgressText), u"100.0%");
  const SimState state = session->Sim()->State();
  EXPECT_EQ(state.firmware.RunningChecksum(), carried);
  const auto app = ApplicationImage();
  const auto flash = state.firmware.flash.Range(0x52000, 0x52000 + static_cast<std::uint32_t>(app.size()));
  EXPECT_TRUE(std::equal(app.begin(), app.end(), flash.begin()));
  // The window's link was told that the mouse would leave the bus for its restart.
  EXPECT_EQ(session->Link().ExpectReenumeration, 1);

  // Done: the cross closes the dialog.
  Click(&dlg, Inside(dlg.FindControl(kIdClose)->GetRect()));
  EXPECT_FALSE(dlg.isVisible());
  EXPECT_EQ(dlg.Result(), IDCANCEL);
}

TEST_F(FirmwareDialogTest, MouseAlreadyHoldingTheImageGetsTheUpToDateText) {
  auto session = OpenSession({DeviceRole::Wired}, true);
  ASSERT_TRUE(session);
  session->Sim()->Access([](SimDevice& d) { d.MutableState().firmware.InstallApplication(ApplicationImage()); });
  CCheckFWDlg dlg(*gui, *session);
  dlg.EnsureInitialized();
  dlg.show();
  ASSERT_TRUE(QTest::qWaitFor([&] { return dlg.CheckResult().has_value(); }, kUpdateTimeoutMs));
  EXPECT_EQ(dlg.CheckResult()->outcome, FirmwareOutcome::UpToDate);
  EXPECT_EQ(TextOf(dlg, CCheckFWDlg::kIdStatus), LanguageText(293));
  EXPECT_EQ(TextOf(dlg, CCheckFWDlg::kIdProgressText), u"0%");
}

// Each way of closing the window while the mouse is being written.
struct CloseAttempt {
  const char* name;
  void (*attempt)(CCheckFWDlg& dlg, GuiState& gui);
};

const CloseAttempt kCloseAttempts[] = {
    {"close control", [](CCheckFWDlg& d, GuiState&) { Click(&d, Inside(d.FindControl(kIdClose)->GetRect())); }},
    {"cancel button", [](CCheckFWDlg& d, GuiState&) { Click(&d, Inside(d.FindControl(kIdCancel)->GetRect())); }},
    {"escape", [](CCheckFWDlg& d, GuiState&) {
       QKeyEvent press(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
       QApplication::sendEvent(&d, &press);
     }},
    {"window close", [](CCheckFWDlg& d, GuiState&) { d.close(); }},
    {"program closing its windows", [](CCheckFWDlg&, GuiState& g) { CloseOpenPopups(g); }},
};

TEST_F(FirmwareDialogTest, ClosingIsRefusedWhileTheMouseIsWrittenAndWorksOnceThePulledCableEndedIt) {
  // Real pauses: the update takes over a minute, long enough to try every way out.
  auto session = OpenSession({DeviceRole::Wired}, false);
  ASSERT_TRUE(session);
  CCheckFWDlg dlg(*gui, *session);
  dlg.EnsureInitialized();
  dlg.show();
  ASSERT_TRUE(QTest::qWaitFor([&] { return dlg.Busy(); }, 5000));
  EXPECT_TRUE(FirmwareUpdateRunning());
  // The erase text arrives while the worker waits out the 3 s after the erase: the
  // window's thread is free to take it, and every attempt below, meanwhile.
  ASSERT_TRUE(QTest::qWaitFor([&] { return TextOf(dlg, CCheckFWDlg::kIdStatus) == LanguageText(299); }, 5000));

  for (const CloseAttempt& a : kCloseAttempts) {
    a.attempt(dlg, *gui);
    QTest::qWait(20);
    EXPECT_TRUE(dlg.isVisible()) << a.name;
    EXPECT_TRUE(dlg.Busy()) << a.name;
  }
  EXPECT_FALSE(dlg.CheckResult().has_value());

  // The cable goes: the update ends with the cable message at its next exchange.
  session->Sim()->Unplug(DeviceRole::Wired);
  ASSERT_TRUE(QTest::qWaitFor([&] { return dlg.CheckResult().has_value(); }, 10000));
  EXPECT_EQ(dlg.CheckResult()->outcome, FirmwareOutcome::DeviceGone);
  EXPECT_EQ(TextOf(dlg, CCheckFWDlg::kIdStatus), LanguageText(291));
  EXPECT_TRUE(dlg.isVisible());

  CloseOpenPopups(*gui);
  QTest::qWait(20);
  EXPECT_FALSE(dlg.isVisible());
}

TEST_F(FirmwareDialogTest, CablePulledMidApplicationEndsWithTheCableMessageAndTheDialogCloses) {
  auto session = OpenSession({DeviceRole::Wired}, true);
  ASSERT_TRUE(session);
  // Well into the application blocks (the worker's own scan and the loader check come
  // first).
  session->Sim()->Access([](SimDevice& d) { d.Faults().unplugAtFrame = 400; });
  CCheckFWDlg dlg(*gui, *session);
  dlg.EnsureInitialized();
  dlg.show();
  ASSERT_TRUE(QTest::qWaitFor([&] { return dlg.CheckResult().has_value(); }, kUpdateTimeoutMs));
  EXPECT_EQ(dlg.CheckResult()->outcome, FirmwareOutcome::DeviceGone);
  EXPECT_EQ(TextOf(dlg, CCheckFWDlg::kIdStatus), LanguageText(291));
  EXPECT_FALSE(dlg.CheckResult()->updateSucceeded);
  EXPECT_FALSE(session->Sim()->Present(DeviceRole::Wired));
  // No restart was announced: the window may take the unplugging for what it is.
  EXPECT_EQ(session->Link().ExpectReenumeration, 0);

  Key(&dlg, Qt::Key_Escape);
  EXPECT_FALSE(dlg.isVisible());
}

TEST_F(FirmwareDialogTest, WithoutTheCableMouseTheAttentionBoxAsksForIt) {
  auto session = OpenSession({DeviceRole::Receiver}, true);
  ASSERT_TRUE(session);
  EXPECT_FALSE(WiredMouseReady(session->Link()));
  std::u16string shown;
  QTimer::singleShot(10, [&] {
    if (auto* box = dynamic_cast<CAttentionDlg*>(QApplication::activeModalWidget())) {
      shown = box->Message();
      box->OnOK();
    }
  });
  const FirmwareDialogEnd end = RunFirmwareDialog(nullptr, *gui, *session);
  EXPECT_FALSE(end.opened);
  EXPECT_FALSE(end.result);
  EXPECT_EQ(shown, LanguageText(291));
}

}  // namespace
}  // namespace corvane::testing
