// Per-application profiles in the main window: the active-window watcher started with the
// window, the switch it causes, and the dialog behind the header control.
#include <functional>

#include "app/CCorvaneDlg.h"
#include "dialogs/CAutoSwitchDlg.h"
#include "platform/ActiveWindowWatcher.h"
#include "settings/AutoSwitchMap.h"
#include "settings/SettingsCommands.h"

namespace corvane {

void CCorvaneDlg::StartAutoSwitch() {
  auto* watcher = new ActiveWindowWatcher(this);
  if (!watcher->Available()) {
    delete watcher;
    return;
  }
  activeWindow_ = watcher;
  connect(watcher, &ActiveWindowWatcher::ActiveClassChanged, this,
          [this](const QString& windowClass) { OnActiveWindowClass(windowClass); });
}

void CCorvaneDlg::SwitchToProfile(int slot) {
  AppContext& app = App();
  if (slot == app.CurrentProfileIndex) return;
  const CommandEffect effect = SelectProfile(app, slot, upload_.Dirty);
  if (effect.Refused) return;
  ShowCurrentProfile(*this, app, Gui());
  if (effect.ScheduleApply) ScheduleApply();
}

void CCorvaneDlg::OnActiveWindowClass(const QString& windowClass) {
  AppContext& app = App();
  // Read each time, so a change made with corvanectl counts from the next switch on.
  const AutoSwitchMap map = LoadAutoSwitchMap(AutoSwitchFilePath(app.DataFolder));
  const auto target = AutoSwitchTarget(map, app.Config, windowClass.toStdString());
  if (target) {
    if (autoSwitchReturn_ < 0) autoSwitchReturn_ = app.CurrentProfileIndex;
    SwitchToProfile(*target);
    return;
  }
  if (autoSwitchReturn_ < 0) return;
  const int back = autoSwitchReturn_;
  autoSwitchReturn_ = -1;
  SwitchToProfile(back);
}

void CCorvaneDlg::OpenAutoSwitchDialog() {
  std::function<QString()> activeClass;
  if (activeWindow_) activeClass = [this] { return activeWindow_ ? activeWindow_->ActiveClass() : QString(); };
  CAutoSwitchDlg dlg(App(), Gui(), std::move(activeClass), this);
  dlg.DoModal();
}

}  // namespace corvane
