#pragma once
// The pairing dialog: the start button asks the receiver to pair with a mouse, then the
// dialog watches for the link to come up, one tick a second with an animated waiting
// text, and reports success, or failure after 25 seconds. Nothing blocks: the ticks are
// a timer of the window's thread and the receiver's status stream is only polled.
#include <memory>

#include "device/Pairing.h"
#include "dialogs/CSecondaryDlg.h"

namespace corvane {

class DeviceSession;
class ReceiverLinkWatch;

class CParingDlg : public CSecondaryDlg {
  Q_OBJECT

 public:
  static constexpr unsigned kIdStatus = 3001;
  static constexpr int kDesignWidth = 429, kDesignHeight = 200;
  static constexpr int kTickTimer = 1;

  // tickMs: the real time between ticks (a second; tests take less). Each tick is a
  // second of the simulated receiver's time.
  CParingDlg(GuiState& gui, DeviceSession& session, QWidget* parent = nullptr,
             int tickMs = static_cast<int>(PairingSession::kTickMs));
  ~CParingDlg() override;

  void InitUI(const CRect& client) override;
  LRESULT OnMessage(unsigned msg, WPARAM wParam, LPARAM lParam) override;
  void OnTimer(int id) override;

  const PairingSession& Session() const { return pairing_; }
  bool RequestSent() const { return requestSent_; }
  std::u16string StatusText() const;
  // Shows a language text in the status line (also used by the gallery).
  void ShowStatus(int languageText);

 protected:
  bool PreTranslateKey(QKeyEvent* event) override;

 private:
  LRESULT OnStart(WPARAM wParam, LPARAM lParam);
  void Start();

  DeviceSession& session_;
  int tickMs_;
  PairingSession pairing_;
  std::unique_ptr<ReceiverLinkWatch> watch_;
  bool receiverLost_ = false;
  bool requestSent_ = false;
};

}  // namespace corvane
