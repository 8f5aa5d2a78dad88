#pragma once
// The firmware dialog: shows the carried application's checksum, asks the cable mouse
// for its own a moment after opening and, when they differ, updates the mouse (loader if
// needed, application, read-back, finalisation, restart, final check) with a progress
// bar and the update's status texts. The update runs on a worker thread; the window
// keeps painting, and closing it is refused until the update has ended.
#include <memory>
#include <optional>

#include "device/FirmwareImages.h"
#include "device/FirmwareUpdate.h"
#include "dialogs/CSecondaryDlg.h"
#include "dialogs/FirmwareDialogWorker.h"

class QCloseEvent;

namespace corvane {

class CStaticProgressBar;
class DeviceSession;

class CCheckFWDlg : public CSecondaryDlg {
  Q_OBJECT

 public:
  static constexpr unsigned kIdImageChecksum = 3003;
  static constexpr unsigned kIdDeviceChecksum = 3004;
  static constexpr unsigned kIdStatus = 3005;
  static constexpr unsigned kIdProgressText = 3006;
  static constexpr int kDesignWidth = 429, kDesignHeight = 200;
  // Timer 1: the check starts 100 ms after the window opened, once it is on screen.
  static constexpr int kCheckTimer = 1;
  static constexpr int kCheckDelayMs = 100;

  // The carried images by default; images must outlive the dialog.
  CCheckFWDlg(GuiState& gui, DeviceSession& session, QWidget* parent = nullptr,
              const LoadedImages* images = nullptr);
  ~CCheckFWDlg() override;

  bool OnInitDialog() override;
  void InitUI(const CRect& client) override;
  LRESULT OnMessage(unsigned msg, WPARAM wParam, LPARAM lParam) override;
  void OnTimer(int id) override;

  // The check or the update is running: closing is refused.
  bool Busy() const { return worker_.Running(); }
  // How the last check ended; none before it has.
  const std::optional<FirmwareResult>& CheckResult() const { return result_; }
  const LoadedImages& Images() const { return images_; }

  // What the update shows, as its reports arrive (also used by the gallery).
  void ShowDeviceChecksum(const std::u16string& text);
  void ShowStatus(const std::u16string& text);
  void ShowProgress(int value, int total, const std::u16string& text);

 protected:
  bool PreTranslateKey(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void done(int r) override;

 private:
  LRESULT OnClose(WPARAM wParam, LPARAM lParam);
  void StartCheck();
  void SetText(unsigned id, const std::u16string& text);

  DeviceSession& session_;
  LoadedImages ownImages_;
  const LoadedImages& images_;
  CStaticProgressBar* bar_ = nullptr;
  std::optional<FirmwareResult> result_;
  bool checkStarted_ = false;
  // Last: destroyed first, so a running update is waited for while the controls exist.
  FirmwareDialogWorker worker_;
};

}  // namespace corvane
