// The tools: apply, factory reset, the desktop's own mouse settings and the project's web
// page. (Pairing, firmware, minimise and close are window commands; the macro manager
// has its own group.)
#include "app/CCorvaneDlg.h"
#include "app/MainWindowLayout.h"
#include "base/TextUtil.h"
#include "dialogs/CFirmwareResetDlg.h"
#include "dialogs/CProgressBarDlg.h"
#include "lang/LanguageEntries.h"
#include "platform/DesktopShell.h"
#include "session/ApplyToDevice.h"
#include "session/FactoryReset.h"
#include "settings/ProfileFile.h"
#include "settings/SettingsCommands.h"

namespace corvane {

using namespace mainwnd;

namespace {

// The project's web page, opened by the logo.
constexpr char kProjectWebAddress[] = "https://github.com/corvane/corvane";

}  // namespace

bool CCorvaneDlg::OnToolCommand(unsigned msg, WPARAM, LPARAM lParam) {
  switch (msg) {
    case kApply:
      if (lParam == kNotifyClick) {
        RequestFullApply(upload_.Dirty);
        KillTimer(kTimerApply);
        OnApplyTimer();
      }
      return true;
    case kFactoryReset:
      if (lParam == kNotifyClick) RunFactoryReset();
      return true;
    case kSystemMouseSettings:
      if (lParam == kNotifyClick) OpenMouseSettings();
      return true;
    case kLogo:
      if (lParam == kNotifyClick) OpenProjectPage();
      return true;
    default:
      return false;
  }
}

void CCorvaneDlg::RunFactoryReset() {
  // The same test as the upload's: a mouse that can be written to.
  if (!session_ || !session_->Link().MouseReachable()) {
    ShowModelessAttention(kTextDeviceNotConnected);
    return;
  }
  CFirmwareResetDlg confirm(Gui(), this);
  if (confirm.DoModal() != IDOK) return;
  const FactoryResetResult reset = ResetMouseAndProfile(App(), session_->Link(), WriteProfileFile);
  if (reset.Sent == SendResult::NoDevice) {
    ShowAttention(kTextDeviceNotConnected);
    return;
  }
  if (reset.Sent != SendResult::Acknowledged) {
    ShowAttention(kTextResetNotTaken);
    return;
  }
  // The mouse holds its factory settings, which are the profile's defaults now.
  RebuildDeviceShadow(App(), upload_);
  ShowCurrentProfile(*this, App(), Gui());
  CProgressBarDlg progress(Gui(), u"", App().Language.Text(kTextProgressTitle), isVisible() ? this : nullptr);
  progress.DoModal();
  if (!reset.ProfileWritten) {
    // Kept for the deferred save to try again.
    upload_.ConfigSavePending = 1;
    ShowAttentionText(U16("the profile could not be written to " + reset.SlotFile.string()));
  }
}

void CCorvaneDlg::SetDesktopShell(std::unique_ptr<DesktopShell> shell) { shell_ = std::move(shell); }

void CCorvaneDlg::OpenMouseSettings() {
  if (!shell_) shell_ = std::make_unique<DesktopShell>();
  if (!OpenDesktopMouseSettings(*shell_)) ShowAttention(kTextMouseSettingsMissing);
}

void CCorvaneDlg::OpenProjectPage() {
  if (!shell_) shell_ = std::make_unique<DesktopShell>();
  shell_->OpenUrl(QString::fromLatin1(kProjectWebAddress));
}

}  // namespace corvane
