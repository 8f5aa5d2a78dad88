// The main window's timers: the upload and its outcome, keeping the window hidden until
// it may be shown, the on-screen display's countdown, the deferred save, the connection
// indicator, the battery display and the rescan after Bluetooth left.
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "app/CCorvaneDlg.h"
#include "app/COSDDialog.h"
#include "app/MainWindowLayout.h"
#include "base/TextUtil.h"
#include "device/FeatureCommand.h"
#include "dialogs/CProgressBarDlg.h"
#include "lang/LanguageEntries.h"
#include "session/ApplyToDevice.h"
#include "session/ConfigSave.h"
#include "session/StatusDecoder.h"
#include "skin/CBattery.h"

namespace corvane {

namespace {

constexpr int kApplyDelayMs = 20;
constexpr int kSaveDelayMs = 10000;
constexpr int kBatteryAnimationStep = 25;
constexpr int kConnMouseAway = 1;  // only the receiver is present and its mouse is not linked

// The attention text for an upload the mouse did not fully take: the language's sentence
// and the commands it did not take (the mouse gone: that the mouse is not connected).
std::u16string UploadProblemText(const LanguageTable& language, const UploadReport& report) {
  if (report.DeviceGone) return language.Text(kTextDeviceNotConnected);
  std::vector<std::string> names;
  for (const UploadProblem& problem : report.Problems) {
    const auto info = CommandInfo(static_cast<std::uint8_t>(problem.Command));
    std::string name = info ? std::string(info->name) : std::string("command");
    if (name.rfind("Cmd", 0) == 0) name.erase(0, 3);
    if (std::find(names.begin(), names.end(), name) == names.end()) names.push_back(name);
  }
  std::string list;
  for (const std::string& n : names) list += (list.empty() ? " " : ", ") + n;
  return language.Text(kTextUploadNotTaken) + U16(list);
}

}  // namespace

void CCorvaneDlg::OnTimer(int id) {
  if (shutDown_) return;
  switch (id) {
    case kTimerLeftClickRestored:
      // The attention a command asked for after its delay (the restored left click).
      KillTimer(id);
      ShowAttention(delayedAttention_ != 0 ? delayedAttention_ : kTextLeftClickRestored);
      delayedAttention_ = 0;
      break;
    case kTimerApply:
      KillTimer(id);
      OnApplyTimer();
      break;
    case kTimerKeepHidden:
      if (!upload_.Activated && isVisible()) hide();
      break;
    case kTimerOsd:
      osd_->OnTimer50();
      break;
    case kTimerProfileAction:
      KillTimer(id);
      RunProfileAction();
      break;
    case kTimerSave:
      KillTimer(id);
      OnSaveTimer();
      break;
    case kTimerConnection:
      KillTimer(id);
      OnConnectionTimer();
      break;
    case kTimerBattery:
      OnBatteryTimer();
      break;
    case kTimerBluetoothLeft:
      KillTimer(id);
      OnBluetoothLeftTimer();
      break;
    default:
      break;
  }
}

void CCorvaneDlg::ScheduleApply() { SetTimer(kTimerApply, kApplyDelayMs); }

void CCorvaneDlg::OnApplyTimer() {
  if (!session_) {
    // The change is kept for the mouse's arrival (its flags stay set) and saved now.
    upload_.ConfigSavePending = 1;
    SetTimer(kTimerSave, kSaveDelayMs);
    ShowAttention(kTextDeviceNotConnected);
    return;
  }
  const ApplyResult result = ApplyToDevice(App(), session_->Link(), upload_);
  ShowApplyResult(result);
}

void CCorvaneDlg::ShowApplyResult(const ApplyResult& result) {
  if (result.ScheduleSave) SetTimer(kTimerSave, kSaveDelayMs);
  if (result.RefreshView) ShowCurrentProfile(*this, App(), Gui());
  if (result.AttentionText != 0) ShowAttention(result.AttentionText);
  if (result.ShowProgress) {
    CProgressBarDlg progress(Gui(), u"", App().Language.Text(result.ProgressText), isVisible() ? this : nullptr);
    progress.DoModal();
  }
  // What the mouse did not take is not held by it; the user learns so, and the group
  // is sent again with the next upload.
  if (!result.Report.Clean()) ShowAttentionText(UploadProblemText(App().Language, result.Report));
}

void CCorvaneDlg::OnSaveTimer() { SaveStoredFiles(false); }

void CCorvaneDlg::SaveStoredFiles(bool closing) {
  if (!upload_.ConfigSavePending) return;
  std::string why;
  // At the end the window waits longer: nothing can be retried after it.
  const auto wait = closing ? std::chrono::milliseconds(5000) : std::chrono::milliseconds(200);
  const auto save = [&](std::string* reason) { return RunPendingConfigSave(App(), upload_, reason); };
  const GuardedSave result = RunGuardedSave(App(), seen_, StoredFiles::Settings, wait, save, &why);
  if (result == GuardedSave::Busy && !closing) {
    SetTimer(kTimerSave, kSaveDelayMs);  // another program is saving: try again shortly
    return;
  }
  if (result == GuardedSave::Saved) return;
  // Still locked after five seconds at the end: the other program is stuck, and the
  // window's change would otherwise be gone with it.
  if (result == GuardedSave::Busy && RunPendingConfigSave(App(), upload_, &why)) return;
  if (closing) {
    std::fprintf(stderr, "corvane: the settings were not saved: %s\n", why.c_str());
    return;
  }
  if (result == GuardedSave::ChangedBehind) {
    // The other program's save is kept: the files are read again and shown.
    upload_.ConfigSavePending = 0;
    ReloadStoredFiles(App(), seen_);
    ShowCurrentProfile(*this, App(), Gui());
    ShowAttentionText(u"Reloaded settings saved by another program; the change here was not saved.");
    return;
  }
  ShowAttentionText(U16("The settings could not be saved: " + why));
}

void CCorvaneDlg::OnConnectionTimer() {
  if (!session_ || !decoder_) {
    ShowModelessAttention(kTextNoDeviceFound);
    return;
  }
  DeviceLink& link = session_->Link();
  int a = 0;
  if (link.Role(DeviceRole::Wired).FeatureHandle || link.Role(DeviceRole::Bluetooth).FeatureHandle) {
    a = 0;
  } else if (!link.Role(DeviceRole::Receiver).FeatureHandle) {
    ShowModelessAttention(kTextNoDeviceFound);
    return;
  } else {
    a = link.LinkUp == 0 ? kConnMouseAway : 0;
  }
  if (decoder_->ConnIndicatorState == a + 1) return;
  decoder_->ConnIndicatorState = a + 1;
  if (CControlBase* warning = FindControl(mainwnd::kLinkWarning)) {
    warning->SetShow(a == kConnMouseAway);
    InvalidateRect(warning->GetRect());
  }
}

void CCorvaneDlg::OnBatteryTimer() {
  UpdateTray();
  if (!upload_.Activated || !decoder_) return;
  StatusValues& values = decoder_->Values();
  if (values.BatteryLevel > 100) values.BatteryLevel = 0;
  const int level = values.BatteryLevel;
  if (auto* battery = dynamic_cast<CBattery*>(FindControl(mainwnd::kBattery))) {
    batteryAnimation_ += kBatteryAnimationStep;
    if (batteryAnimation_ > 100) batteryAnimation_ = kBatteryAnimationStep;
    const int mode = values.ChargeState;
    // Only the charging picture moves with the animation; otherwise a second that brought
    // no new level or state draws the same gauge, and the window is left alone.
    const bool redraw = mode == CBattery::kCharging || battery->Mode() != mode || battery->Level() != level;
    battery->SetChargingLevel(static_cast<std::uint8_t>(batteryAnimation_));
    battery->SetLevel(static_cast<std::uint8_t>(level));
    battery->SetMode(mode);
    if (redraw) InvalidateRect(battery->GetRect());
  }
  if (CControlBase* text = FindControl(mainwnd::kBatteryText)) {
    char percent[8];
    std::snprintf(percent, sizeof percent, "%d%%", level);
    const bool appears = !text->Shown();
    text->SetText(U16(percent));  // redraws it when the text changed
    text->SetShow(true);
    if (appears) InvalidateRect(text->GetRect());
  }
}

void CCorvaneDlg::OnBluetoothLeftTimer() {
  if (!session_) return;
  ProcessScan(session_->Link().OnBluetoothLeftTimer());
}

}  // namespace corvane
