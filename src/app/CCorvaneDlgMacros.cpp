// The main window's macro command: the macro manager (button 2062, or asked for by
// "corvane --macros"), the library read again after it ends, and the buttons that play
// macros sent again with their copies taken anew from the library.
#include <algorithm>

#include <QMetaObject>

#include "app/CCorvaneDlg.h"
#include "app/MainWindowLayout.h"
#include "dialogs/CMacroManagerDlg.h"
#include "macros/MacroLibraryFile.h"
#include "session/ApplyToDevice.h"

namespace corvane {

namespace {
constexpr std::uint8_t kMacroFamily = 0x90;
}  // namespace

bool CCorvaneDlg::OnMacroCommand(unsigned msg, WPARAM, LPARAM lParam) {
  switch (msg) {
    case mainwnd::kMacros:
      if (lParam == kNotifyClick) OpenMacroManager();
      return true;
    case kMsgOpenMacroManager:
      // Asked for from outside (a later start with --macros): shown once the window's
      // current work is done.
      OnShowRequest();
      QMetaObject::invokeMethod(this, [this] { OpenMacroManager(); }, Qt::QueuedConnection);
      return true;
    default:
      return false;
  }
}

void CCorvaneDlg::OpenMacroManager() {
  if (macroManager_) {
    macroManager_->raise();
    macroManager_->activateWindow();
    return;
  }
  if (shutDown_) return;
  upload_.RefreshMacroCopies = 1;
  {
    CMacroManagerDlg dlg(App(), Gui(), isVisible() ? this : nullptr);
    macroManager_ = &dlg;
    dlg.DoModal();
  }
  macroManager_ = nullptr;
  if (shutDown_) return;
  LoadMacroLibraryFile(App().DataFolder, App().Macros);
  const ProfileRecord& profile = CurrentProfile();
  const bool playsMacro = std::any_of(profile.Buttons.begin(), profile.Buttons.end(),
                                      [](const ButtonEntry& b) { return b.Value[0] == kMacroFamily; });
  if (playsMacro) {
    upload_.Dirty.ButtonsDirty = 1;
    if (session_) OnApplyTimer();
  }
  ShowCurrentProfile(*this, App(), Gui());
}

}  // namespace corvane
