// The DPI section: per level an enable check, a colour button, a bar over the sensor's
// steps, a radio that makes the level current and a value field that opens the DPI value
// dialog. The field updates are the shared settings commands.
#include <span>

#include "app/CCorvaneDlg.h"
#include "app/MainWindowIds.h"
#include "app/MainWindowLayout.h"
#include "app/SettingsSliderReport.h"
#include "base/TextUtil.h"
#include "dialogs/CColorPaletteDlg.h"
#include "dialogs/CDPIValueSettingDlg.h"
#include "dialogs/CDPIValueSyncSettingDlg.h"
#include "settings/SettingsCommands.h"
#include "skin/CCheckButton.h"
#include "skin/CColorSelectButton.h"
#include "skin/CDPIRadioButton.h"

namespace corvane {

using namespace mainwnd;

namespace {

// The level k of a row control, or -1 when id is not of that row.
int LevelOf(unsigned id, unsigned first) {
  return id >= first && id < first + kDpiLevelCount ? static_cast<int>(id - first) : -1;
}

}  // namespace

bool CCorvaneDlg::OnDpiCommand(unsigned msg, WPARAM wParam, LPARAM lParam) {
  ProfileRecord& p = CurrentProfile();
  DeviceDirtyFlags& dirty = upload_.Dirty;
  if (const int k = LevelOf(msg, kDpiEnableFirst); k >= 0) {
    if (lParam != kNotifyClick) return true;
    auto* check = dynamic_cast<CCheckButton*>(FindControl(msg));
    if (!check) return true;
    const CommandEffect effect = SetDpiLevelEnabled(p, k, check->Checked(), dirty);
    if (effect.Refused) {
      // The last enabled level stays enabled, silently.
      check->SetChecked(true);
      InvalidateRect(check->GetRect());
      return true;
    }
    CollectSettings();
    ShowCurrentProfile(*this, App(), Gui());
    ScheduleApply();
    return true;
  }
  if (const int k = LevelOf(msg, kDpiColourFirst); k >= 0) {
    if (lParam == kNotifyClick) OpenDpiColourDialog(k);
    return true;
  }
  if (const int k = LevelOf(msg, kDpiSliderFirst); k >= 0) {
    const auto report = ReadSliderReport(FindControl(msg), wParam, lParam);
    if (!report) return true;
    const CommandEffect effect = SetDpiSliderStep(p, k, report->Stop, report->Commit, dirty);
    if (effect.Refused) return true;
    const int dpi = DpiOfStep(App().Dpi, report->Stop);
    if (auto* radio = dynamic_cast<CDPIRadioButton*>(FindControl(kDpiRadioFirst + static_cast<unsigned>(k))))
      radio->SetDpiValue(dpi / kDpiPerDisplayUnit);
    if (CControlBase* value = FindControl(kDpiValueFirst + static_cast<unsigned>(k)))
      value->SetText(FormatDecimal(dpi));
    RunSettingsEffect(effect);
    return true;
  }
  if (const int k = LevelOf(msg, kDpiRadioFirst); k >= 0) {
    if (lParam != kNotifyClick) return true;
    const CommandEffect effect = SelectDpiLevel(p, k, dirty);
    if (!effect.ScheduleApply) return true;
    CollectSettings();
    RunSettingsEffect(effect);
    return true;
  }
  if (const int k = LevelOf(msg, kDpiValueFirst); k >= 0) {
    if (lParam == kNotifyClick) OpenDpiValueDialog(k);
    return true;
  }
  return false;
}

void CCorvaneDlg::OpenDpiValueDialog(int level) {
  const DpiStepTables& dpi = App().Dpi;
  if (dpi.DpiStepCount <= 0) return;
  const auto k = static_cast<std::size_t>(level);
  ProfileRecord& p = CurrentProfile();
  DpiLevelSteps steps{p.XYSettingX[k], p.XYSettingY[k]};
  const std::span<const std::int32_t> table(dpi.DpiStepDisplay);
  int result = IDCANCEL;
  if (dpi.SeparateXYDpi) {
    CDPIValueSyncSettingDlg dlg(Gui(), this, table, dpi.DpiStepCount, steps);
    result = dlg.DoModal();
  } else {
    CDPIValueSettingDlg dlg(Gui(), this, table, dpi.DpiStepCount, steps);
    result = dlg.DoModal();
  }
  if (result != IDOK) return;
  CommandEffect effect = SetDpiValue(p, level, steps.X, steps.Y, upload_.Dirty);
  effect.RefreshView = true;
  RunSettingsEffect(effect);
}

void CCorvaneDlg::OpenDpiColourDialog(int level) {
  CColorPaletteDlg dlg(Gui(), this, CurrentProfile(), upload_.Dirty, CColorPaletteDlg::Target::DpiLevel, level, 0);
  if (dlg.DoModal() != IDOK) return;
  if (auto* button = dynamic_cast<CColorSelectButton*>(FindControl(kDpiColourFirst + static_cast<unsigned>(level)))) {
    button->SetColor(CurrentProfile().DPILevelIndication[static_cast<std::size_t>(level)]);
    InvalidateRect(button->GetRect());
  }
  ScheduleApply();
}

}  // namespace corvane
