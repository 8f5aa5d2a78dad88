// The settings sections of the main window: the group's dispatch, what every settings
// command asks of the window afterwards, a slider released outside itself, and the
// polling-rate, lift-off, debounce, sensor, power and pointer controls. Each control
// calls the same settings command as corvanectl set; the DPI and lighting controls are
// in files of their own.
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include "app/CCorvaneDlg.h"
#include "app/CollectUiIntoProfile.h"
#include "session/ApplyToDevice.h"
#include "app/MainWindowIds.h"
#include "app/MainWindowLayout.h"
#include "app/SettingsSliderReport.h"
#include "base/TextUtil.h"
#include "lang/LanguageEntries.h"
#include "settings/SettingsCommands.h"
#include "skin/CCheckButton.h"
#include "skin/CComboButton.h"
#include "skin/CPowerManageButton.h"
#include "skin/CRadioButton.h"
#include "skin/CSliderControl.h"
#include "skin/CVerticalSliderControl.h"
#include "skin/CWndPopup.h"
#include "widgets/CComboPollingRatePopup.h"

namespace corvane {

using namespace mainwnd;

namespace {

constexpr unsigned kPollingResult = 1135;
constexpr unsigned kPollingDismissed = 1136;
// The dial's level L stands for L + 2 minutes (3 to 10).
constexpr int kDialMinutesOffset = 2;

bool CheckedNow(const CDlgBase& dlg, unsigned id) {
  const auto* c = dynamic_cast<const CCheckButton*>(dlg.FindControl(id));
  return c && c->Checked();
}

bool RadioChosen(const GuiState& gui, unsigned id) {
  const auto bit = RadioBitOf(id);
  return bit && ((gui.RadioSelection >> bit->bit) & 1u) != 0;
}

// Tells the window when a mouse button came up, after the window has handled it.
class SliderReleaseWatch : public QObject {
 public:
  explicit SliderReleaseWatch(CCorvaneDlg* dlg) : QObject(dlg), dlg_(dlg) {}
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::MouseButtonRelease)
      QTimer::singleShot(0, dlg_, [dlg = dlg_] { dlg->OnMouseButtonUpForSliders(); });
    return false;
  }

 private:
  CCorvaneDlg* dlg_;
};

bool IsSlider(const CControlBase* c) {
  return dynamic_cast<const CSliderControl*>(c) || dynamic_cast<const CVerticalSliderControl*>(c);
}

}  // namespace

ProfileRecord& CCorvaneDlg::CurrentProfile() { return corvane::CurrentProfile(App()); }

void CCorvaneDlg::CollectSettings() { CollectUiIntoProfile(*this, Gui(), CurrentProfile()); }

void CCorvaneDlg::RunSettingsEffect(const CommandEffect& effect) {
  if (effect.RefreshView)
    ShowCurrentProfile(*this, App(), Gui());
  else
    update();
  if (effect.ScheduleApply) ScheduleApply();
  if (effect.AttentionText != 0) ShowAttention(effect.AttentionText);
}

void CCorvaneDlg::OpenComboPopup(CWndPopup* popup, unsigned comboId, unsigned resultMessage) {
  auto* combo = dynamic_cast<CComboButton*>(FindControl(comboId));
  if (!combo) {
    delete popup;
    return;
  }
  combo->SetPopupOpen(true);
  InvalidateRect(combo->GetRect());
  const CRect r = combo->GetRect();
  const QPoint at = mapToGlobal(QPoint(r.left, r.bottom));
  ClosePopup(popup->Kind());
  SetPopupSlot(popup->Kind(), popup);
  popup->Create(this, QRect(at, QSize(r.right - r.left, r.bottom - r.top)), resultMessage, comboId);
}

void CCorvaneDlg::CloseComboLook(unsigned comboId) {
  if (auto* combo = dynamic_cast<CComboButton*>(FindControl(comboId))) {
    combo->SetPopupOpen(false);
    combo->SetState(0);
    InvalidateRect(combo->GetRect());
  }
}

void CCorvaneDlg::OnMouseButtonUpForSliders() {
  if (draggedSlider_ == 0) return;
  const unsigned slider = draggedSlider_;
  draggedSlider_ = 0;
  // The slider keeps the stop it was dragged to; the release path commits it.
  OnSettingsCommand(slider, 0, kNotifyClick);
}

bool CCorvaneDlg::OnSettingsCommand(unsigned msg, WPARAM wParam, LPARAM lParam) {
  if ((lParam == kNotifyDrag || lParam == kNotifyClick) && IsSlider(FindControl(msg))) {
    if (lParam == kNotifyClick) {
      draggedSlider_ = 0;
    } else {
      draggedSlider_ = msg;
      if (!sliderReleaseWatch_) {
        sliderReleaseWatch_ = new SliderReleaseWatch(this);
        installEventFilter(sliderReleaseWatch_);
      }
    }
  }
  return OnDpiCommand(msg, wParam, lParam) || OnLightingCommand(msg, wParam, lParam) ||
         OnPollingCommand(msg, wParam, lParam) || OnLiftOffAndDebounceCommand(msg, wParam, lParam) ||
         OnSensorCommand(msg, wParam, lParam) || OnPowerCommand(msg, wParam, lParam) ||
         OnPointerCommand(msg, wParam, lParam);
}

bool CCorvaneDlg::OnPollingCommand(unsigned msg, WPARAM wParam, LPARAM lParam) {
  ProfileRecord& p = CurrentProfile();
  DeviceDirtyFlags& dirty = upload_.Dirty;
  if (msg >= kPollingImageFirst && msg < kPollingImageFirst + 4) {
    if (lParam == kNotifyClick) RunSettingsEffect(SetPollingRate(p, static_cast<int>(msg - kPollingImageFirst), dirty));
    return true;
  }
  if (msg >= kPollingRadioFirst && msg < kPollingRadioFirst + 7) {
    if (lParam == kNotifyClick) RunSettingsEffect(SetPollingRate(p, static_cast<int>(msg - kPollingRadioFirst), dirty));
    return true;
  }
  switch (msg) {
    case kPollingComboMessage:
      if (lParam == kNotifyClick && wParam == kPollingCombo)
        OpenComboPopup(new CComboPollingRatePopup(Gui()), kPollingCombo, kPollingResult);
      return true;
    case kPollingResult: {
      // The drop-down only changes the stored rate; the mouse learns it with the next
      // upload that something else asks for.
      const auto* choice = reinterpret_cast<const PopupSelection*>(lParam);
      CloseComboLook(kPollingCombo);
      if (choice) SetPollingRateFromPopup(p, choice->value[0]);
      ShowCurrentProfile(*this, App(), Gui());
      return true;
    }
    case kPollingDismissed:
      CloseComboLook(kPollingCombo);
      return true;
    default:
      return false;
  }
}

bool CCorvaneDlg::OnLiftOffAndDebounceCommand(unsigned msg, WPARAM wParam, LPARAM lParam) {
  ProfileRecord& p = CurrentProfile();
  DeviceDirtyFlags& dirty = upload_.Dirty;
  switch (msg) {
    case kLiftLow:
    case kLiftHigh:
      if (lParam != kNotifyClick) return true;
      CollectSettings();
      RunSettingsEffect(SetLiftOff(p, RadioChosen(Gui(), kLiftLow) ? 1 : 2, dirty));
      return true;
    case kDebounceSlider: {
      const auto report = ReadSliderReport(FindControl(msg), wParam, lParam);
      if (!report) return true;
      if (CControlBase* label = FindControl(kDebounceLabel)) label->SetText(FormatDecimal(report->Stop) + u"ms");
      const CommandEffect effect = SetKeyDebounce(p, report->Stop, report->Commit, dirty);
      CollectSettings();
      RunSettingsEffect(effect);
      return true;
    }
    default:
      return false;
  }
}

bool CCorvaneDlg::OnSensorCommand(unsigned msg, WPARAM, LPARAM lParam) {
  SensorOption option;
  switch (msg) {
    case kAngleSnap:
      option = SensorOption::AngleSnap;
      break;
    case kMotionSync:
      option = SensorOption::MotionSync;
      break;
    case kRippleControl:
      option = SensorOption::RippleControl;
      break;
    default:
      return false;
  }
  if (lParam == kNotifyClick)
    RunSettingsEffect(SetSensorOption(CurrentProfile(), option, CheckedNow(*this, msg), upload_.Dirty));
  return true;
}

bool CCorvaneDlg::OnPowerCommand(unsigned msg, WPARAM wParam, LPARAM lParam) {
  ProfileRecord& p = CurrentProfile();
  DeviceDirtyFlags& dirty = upload_.Dirty;
  switch (msg) {
    case kPowerDial:
      if (lParam != kNotifyClick) return true;
      if (const auto* dial = dynamic_cast<const CPowerManageButton*>(FindControl(msg))) {
        CommandEffect effect = SetPowerDownTime(p, dial->Level() + kDialMinutesOffset, SliderCommit::Release, dirty);
        effect.RefreshView = true;
        RunSettingsEffect(effect);
      }
      return true;
    case kSleepSlider:
    case kLightsOffSlider: {
      const auto report = ReadSliderReport(FindControl(msg), wParam, lParam);
      if (!report) return true;
      const bool sleep = msg == kSleepSlider;
      const int minutes = report->Stop + 1;
      if (CControlBase* label = FindControl(sleep ? kSleepLabel : kLightsOffLabel))
        label->SetText(App().Language.Text(sleep ? kTextSleepAfter : kTextLightsOffAfter) + FormatDecimal(minutes) +
                       App().Language.Text(kTextMinutes));
      const CommandEffect effect = sleep ? SetPowerDownTime(p, minutes, report->Commit, dirty)
                                         : SetRgbOffTime(p, minutes, report->Commit, dirty);
      CollectSettings();
      RunSettingsEffect(effect);
      return true;
    }
    case kMoveLighting:
      if (lParam == kNotifyClick) RunSettingsEffect(SetMoveLighting(p, CheckedNow(*this, msg), dirty));
      return true;
    case kMotionWakeup:
      if (lParam == kNotifyClick) RunSettingsEffect(SetMotionWakeup(p, CheckedNow(*this, msg), dirty));
      return true;
    default:
      return false;
  }
}

bool CCorvaneDlg::OnPointerCommand(unsigned msg, WPARAM wParam, LPARAM lParam) {
  ProfileRecord& p = CurrentProfile();
  DeviceDirtyFlags& dirty = upload_.Dirty;
  struct PointerSlider {
    unsigned slider, label;
    PointerSetting setting;
  };
  constexpr PointerSlider kSliders[] = {
      {kScrollSpeed, kScrollSpeedLabel, PointerSetting::ScrollWheelSpeed},
      {kPointerSpeed, kPointerSpeedLabel, PointerSetting::PointerSpeed},
      {kDoubleClickSpeed, kDoubleClickLabel, PointerSetting::DoubleClickSpeed},
  };
  for (const PointerSlider& s : kSliders) {
    if (msg != s.slider) continue;
    const auto report = ReadSliderReport(FindControl(msg), wParam, lParam);
    if (!report) return true;
    if (CControlBase* label = FindControl(s.label)) label->SetText(FormatDecimal(report->Stop + 1));
    const CommandEffect effect = SetPointerSetting(p, s.setting, report->Stop, report->Commit, dirty);
    CollectSettings();
    RunSettingsEffect(effect);
    return true;
  }
  switch (msg) {
    case kTiltSpeed: {
      // The tilt speed is kept in the profile only, like the other pointer settings;
      // the collection stores it.
      const auto report = ReadSliderReport(FindControl(msg), wParam, lParam);
      if (!report) return true;
      if (CControlBase* label = FindControl(kTiltSpeedLabel)) label->SetText(FormatDecimal(report->Stop + 1));
      dirty.PointerSettingsDirty = 1;
      CollectSettings();
      update();
      if (report->Commit == SliderCommit::Release) ScheduleApply();
      return true;
    }
    case kAcceleration:
      if (lParam != kNotifyClick) return true;
      {
        const CommandEffect effect = SetPointerSetting(p, PointerSetting::Acceleration, CheckedNow(*this, msg) ? 1 : 0,
                                                       SliderCommit::Release, dirty);
        CollectSettings();
        RunSettingsEffect(effect);
      }
      return true;
    case kScrollLines:
    case kScrollPage:
      if (lParam != kNotifyClick) return true;
      CollectSettings();
      RunSettingsEffect(SetPointerSetting(p, PointerSetting::ScrollByPage, RadioChosen(Gui(), kScrollPage) ? 1 : 0,
                                          SliderCommit::Release, dirty));
      return true;
    default:
      return false;
  }
}

}  // namespace corvane
