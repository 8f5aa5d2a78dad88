#pragma once
// The resolution of one DPI level when the sensor shares it between X and Y: a snapping
// slider over the sensor's steps and an edit box for a typed value.
#include "dialogs/CDPIValueSettingDlgBase.h"

namespace corvane {

class CDPIValueSettingDlg : public CDPIValueSettingDlgBase {
  Q_OBJECT

 public:
  CDPIValueSettingDlg(GuiState& gui, QWidget* parent, std::span<const std::int32_t> stepTable, int stepCount,
                      DpiLevelSteps& level);

  void InitUI(const CRect& client) override;
  LRESULT OnMessage(unsigned msg, WPARAM wParam, LPARAM lParam) override;

 protected:
  bool PreTranslateKey(QKeyEvent* event) override;
};

}  // namespace corvane
