#pragma once
// Asks before an imported profile keeps what its buttons start: the targets one per line
// (button and path or address), OK keeps them, Cancel and the cross do not.
#include <vector>

#include "dialogs/CSecondaryDlg.h"
#include "settings/LaunchTargets.h"

namespace corvane {

class CLaunchTargetsDlg : public CSecondaryDlg {
  Q_OBJECT

 public:
  static constexpr unsigned kIdIntro = 3001;
  static constexpr unsigned kIdFirstTarget = 3002;  // one line per target
  static constexpr unsigned kIdQuestion = 3010;

  CLaunchTargetsDlg(GuiState& gui, std::vector<LaunchTarget> targets, QWidget* parent = nullptr);

  void InitUI(const CRect& client) override;
  LRESULT OnMessage(unsigned msg, WPARAM wParam, LPARAM lParam) override;

 protected:
  bool PreTranslateKey(QKeyEvent* event) override;

 private:
  LRESULT OnOk(WPARAM wParam, LPARAM lParam);

  std::vector<LaunchTarget> targets_;
};

}  // namespace corvane
