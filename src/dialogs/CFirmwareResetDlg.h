#pragma once
// Asks the user to confirm resetting the mouse to its defaults.
#include "dialogs/CSecondaryDlg.h"

namespace corvane {

class CFirmwareResetDlg : public CSecondaryDlg {
  Q_OBJECT

 public:
  static constexpr unsigned kIdText = 3001;

  explicit CFirmwareResetDlg(GuiState& gui, QWidget* parent = nullptr);

  void InitUI(const CRect& client) override;
  LRESULT OnMessage(unsigned msg, WPARAM wParam, LPARAM lParam) override;

 protected:
  bool PreTranslateKey(QKeyEvent* event) override;

 private:
  LRESULT OnOk(WPARAM wParam, LPARAM lParam);
  void Confirm();
};

}  // namespace corvane
