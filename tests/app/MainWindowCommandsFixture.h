#pragma once
// The main window on the simulated mouse with a trace, shown, and driven by real mouse
// events: its controls clicked, its popups hovered and chosen from, the modal windows it
// opens answered by a script.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <QApplication>
#include <QFileDialog>
#include <QTest>
#include <QTimer>

#include "MainWindowFixture.h"
#include "app/CCorvaneDlg.h"
#include "app/MainWindowCommands.h"
#include "app/MainWindowIds.h"
#include "session/ApplyToDevice.h"
#include "support/DeviceCliHelpers.h"
#include "support/SkinTestSupport.h"
#include "support/TempDataFolder.h"

namespace corvane::testing {

// A click with the mouse on control id of a skinned window.
inline void ClickIn(CDlgBase* window, unsigned id) {
  CControlBase* c = window->FindControl(id);
  ASSERT_NE(c, nullptr) << id;
  Click(window, Inside(c->GetRect()));
}

class MainWindowCommandsTest : public ::testing::Test {
 protected:
  // Opens and shows the window on the simulated roles with a trace.
  void Open(const std::string& roles = "wired") {
    CorvaneDlgOptions options;
    options.DataFolder = data.Root();
    options.Device.simulate = ParseSimulatedRoles(roles);
    options.Device.noWait = true;
    options.Device.traceFile = data.Path("gui-trace.txt").string();
    dlg = std::make_unique<CCorvaneDlg>(std::move(options));
    dlg->EnsureInitialized();
    dlg->show();
    // The first frame opens the simulated mouse's window; the main window keeps the focus.
    QApplication::processEvents();
    Settle();
    dlg->activateWindow();
    QApplication::processEvents();
  }
  void TearDown() override {
    if (dlg) dlg->Shutdown();
  }

  AppContext& App() { return dlg->App(); }
  ProfileRecord& Current() { return CurrentProfile(dlg->App()); }
  std::u16string Text(int n) { return dlg->App().Language.Text(n); }
  CControlBase* Control(unsigned id) {
    CControlBase* c = dlg->FindControl(id);
    EXPECT_NE(c, nullptr) << id;
    return c;
  }
  void ClickControl(unsigned id, Qt::MouseButton b = Qt::LeftButton) {
    const QPoint at = Inside(Control(id)->GetRect());
    Move(dlg.get(), at);
    Press(dlg.get(), at, b);
    Release(dlg.get(), at, b);
  }
  CWndPopup* Slot(int slot) { return dlg->PopupSlot(slot); }
  // Rests the mouse on item index of the popup, as the hover report does.
  void Hover(CWndPopup* popup, int index) {
    Move(popup, Inside(popup->Items()[static_cast<std::size_t>(index)].rect));
  }
  void Choose(CWndPopup* popup, int index, Qt::MouseButton b = Qt::LeftButton) {
    const QPoint at = Inside(popup->Items()[static_cast<std::size_t>(index)].rect);
    Move(popup, at);
    Press(popup, at, b);
    Release(popup, at, b);
  }
  // Lets the queued closes and activation changes of the window run, without waiting: a
  // wall-clock wait as long as the apply timer's 20 ms would let it fire on a slow machine.
  static void Settle() {
    for (int round = 0; round < 3; ++round) {
      QCoreApplication::processEvents();
      QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
  }
  // The apply timer's upload now (the test does not wait the 20 ms).
  void RunApply() {
    ASSERT_TRUE(dlg->TimerActive(kTimerApply));
    dlg->OnTimer(kTimerApply);
  }
  // The frames written since the last call.
  std::vector<std::string> NewFrames() {
    const auto lines = TraceLines(data.Path("gui-trace.txt"));
    std::vector<std::string> fresh(lines.begin() + static_cast<long>(std::min(traceSeen_, lines.size())), lines.end());
    traceSeen_ = lines.size();
    return TraceOf(fresh, "set");
  }

  TempDataFolder data;
  std::unique_ptr<CCorvaneDlg> dlg;

 private:
  std::size_t traceSeen_ = 0;
};

}  // namespace corvane::testing
