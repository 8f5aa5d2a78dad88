#pragma once
// The resolution of one DPI level when the sensor takes X and Y apart: one row per axis
// and "XY Sync", which makes the other axis follow the one the user changes.
#include "dialogs/CDPIValueSettingDlgBase.h"

namespace corvane {

class CCheckButton;

class CDPIValueSyncSettingDlg : public CDPIValueSettingDlgBase {
  Q_OBJECT

 public:
  static constexpr unsigned kIdSync = 2019;

  CDPIValueSyncSettingDlg(GuiState& gui, QWidget* parent, std::span<const std::int32_t> stepTable, int stepCount,
                          DpiLevelSteps& level);

  void InitUI(const CRect& client) override;
  LRESULT OnMessage(unsigned msg, WPARAM wParam, LPARAM lParam) override;
  bool Synced() const;

 protected:
  bool PreTranslateKey(QKeyEvent* event) override;
  void FollowDrag(int axis, int stop) override;

 private:
  // The axis whose edit box has the focus, -1 for none.
  int FocusedAxis() const;

  CCheckButton* sync_ = nullptr;
};

}  // namespace corvane
