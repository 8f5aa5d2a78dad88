// The pairing dialog against the simulated receiver: the start button sends one request
// and the ticks (a short real timer here, a second of the receiver's time each) end in
// the paired text; with no mouse to find the attempt fails after its 25 seconds, and a
// new start waits again without a second request.
#include <gtest/gtest.h>

#include <algorithm>

#include <QApplication>
#include <QKeyEvent>
#include <QTest>

#include "device/DeviceConstants.h"
#include "device/sim/SimBackend.h"
#include "dialogs/CParingDlg.h"
#include "session/AppContext.h"
#include "session/DeviceSession.h"
#include "support/FirmwareFixture.h"
#include "support/SkinTestSupport.h"

namespace corvane::testing {
namespace {

constexpr int kFastTickMs = 2;
constexpr int kWaitMs = 20000;

class PairingDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ctx.Config.ConfigDefaults();
    ctx.Language = NumberedLanguage();
    gui = MakeGuiState(ctx.Language);
    DeviceSessionOptions options;
    options.simulate = std::vector<DeviceRole>{DeviceRole::Receiver};
    options.noWait = true;
    std::string error;
    session = DeviceSession::Open(options, ctx.Config, error);
    ASSERT_TRUE(session) << error;
    dlg = std::make_unique<CParingDlg>(*gui, *session, nullptr, kFastTickMs);
    dlg->EnsureInitialized();
    dlg->show();
  }

  int PairingRequests() {
    int n = 0;
    session->Sim()->Access([&](SimDevice& d) {
      for (const auto& e : d.Exchanges())
        if (e.kind == SimExchange::Kind::Set && !e.bytes.empty() && e.bytes[0] == kReportPairing) ++n;
    });
    return n;
  }

  void PressStart() { Click(dlg.get(), Inside(dlg->FindControl(kIdOk)->GetRect())); }

  // Runs the ticks until the attempt is over, keeping every text shown on the way.
  std::vector<std::u16string> WaitForEnd() {
    std::vector<std::u16string> texts;
    const bool ended = QTest::qWaitFor(
        [&] {
          if (texts.empty() || texts.back() != dlg->StatusText()) texts.push_back(dlg->StatusText());
          const PairingState s = dlg->Session().State();
          return s == PairingState::Paired || s == PairingState::Failed;
        },
        kWaitMs);
    EXPECT_TRUE(ended);
    texts.push_back(dlg->StatusText());
    return texts;
  }

  AppContext ctx;
  std::unique_ptr<GuiState> gui;
  std::unique_ptr<DeviceSession> session;
  std::unique_ptr<CParingDlg> dlg;
};

TEST_F(PairingDialogTest, StartSendsTheRequestAndTheReceiverLinksTheMouse) {
  EXPECT_EQ(dlg->StatusText(), LanguageText(283));
  PressStart();
  EXPECT_EQ(dlg->Session().State(), PairingState::Waiting);
  EXPECT_TRUE(dlg->RequestSent());
  EXPECT_EQ(PairingRequests(), 1);
  // The request dropped the old link; LinkUp comes back only with the new one.
  const auto texts = WaitForEnd();
  EXPECT_EQ(dlg->Session().State(), PairingState::Paired);
  EXPECT_EQ(texts.back(), LanguageText(282));
  EXPECT_NE(std::find(texts.begin(), texts.end(), LanguageText(279)), texts.end());
  EXPECT_EQ(session->Link().LinkUp, 1);
  // Paired: the start button does nothing more.
  PressStart();
  EXPECT_EQ(dlg->Session().State(), PairingState::Paired);
  EXPECT_EQ(PairingRequests(), 1);
}

TEST_F(PairingDialogTest, NoMouseToFindFailsAfterTheWaitAndARetryWaitsWithoutANewRequest) {
  session->Sim()->Access([](SimDevice& d) { d.Faults().pairingFails = true; });
  PressStart();
  // Space while waiting is the start button again: nothing changes.
  QKeyEvent space(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier);
  QApplication::sendEvent(dlg.get(), &space);
  EXPECT_EQ(PairingRequests(), 1);

  auto texts = WaitForEnd();
  EXPECT_EQ(dlg->Session().State(), PairingState::Failed);
  EXPECT_EQ(dlg->Session().PairingSeconds(), PairingSession::kWaitSeconds + 1);
  EXPECT_EQ(texts.back(), LanguageText(281));
  for (int phase : {278, 279, 280}) EXPECT_NE(std::find(texts.begin(), texts.end(), LanguageText(phase)), texts.end());

  PressStart();
  EXPECT_EQ(dlg->Session().State(), PairingState::Waiting);
  texts = WaitForEnd();
  EXPECT_EQ(dlg->Session().State(), PairingState::Failed);
  EXPECT_EQ(PairingRequests(), 1);

  // Escape closes the dialog.
  QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
  QApplication::sendEvent(dlg.get(), &escape);
  EXPECT_FALSE(dlg->isVisible());
}

}  // namespace
}  // namespace corvane::testing
