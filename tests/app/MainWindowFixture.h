#pragma once
// A main window over a fresh data folder and the simulated mouse (pauses recorded, not
// slept), and a watcher that answers the modal windows it opens.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QPointer>
#include <QTimer>

#include "app/CCorvaneDlg.h"
#include "base/TextUtil.h"
#include "dialogs/CAttentionDlg.h"
#include "settings/ConfigTable.h"
#include "support/TempDataFolder.h"

namespace corvane::testing {

// config.ini with the defaults and NeedPassword set, as the program would have written it.
inline void WriteConfigWithStartupMode(const TempDataFolder& data, int needPassword) {
  SettingsStore settings;
  settings.DataFolder = data.Root();
  settings.Config.ConfigDefaults();
  settings.Config.Pairs[kConfigNeedPassword].Value = FormatDecimal(needPassword);
  std::filesystem::create_directories(data.Path("config"));
  ASSERT_TRUE(SaveConfig(settings));
}

// Opens the window on the simulated roles ("" = no device at all).
inline std::unique_ptr<CCorvaneDlg> OpenMainWindow(const TempDataFolder& data, const std::string& roles = "wired") {
  CorvaneDlgOptions options;
  options.DataFolder = data.Root();
  options.Device.simulate = ParseSimulatedRoles(roles);
  options.Device.noWait = true;
  auto dlg = std::make_unique<CCorvaneDlg>(std::move(options));
  dlg->EnsureInitialized();
  // A window not shown opens the mouse's session as soon as the event loop runs.
  QCoreApplication::processEvents();
  return dlg;
}

// Answers the modal windows that open while it lives: each goes to the script first (true:
// handled), otherwise attention windows are recorded and everything is closed.
class ModalResponder {
 public:
  using Step = std::function<bool(QWidget*)>;
  explicit ModalResponder(Step step = {}) : step_(std::move(step)) {
    timer_.setInterval(5);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      QWidget* modal = QApplication::activeModalWidget();
      // A file dialog need not become the active window on every platform.
      for (QWidget* w : QApplication::topLevelWidgets())
        if (!modal && w->isVisible() && w->isModal() && qobject_cast<QFileDialog*>(w)) modal = w;
      if (!modal || modal == last_) return;
      last_ = modal;
      if (auto* box = qobject_cast<CAttentionDlg*>(modal)) messages.push_back(box->Message());
      else others.push_back(modal->metaObject()->className());
      if (step_ && step_(modal)) return;
      if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->reject();
      else modal->close();
    });
    timer_.start();
  }
  std::vector<std::u16string> messages;
  std::vector<std::string> others;

 private:
  Step step_;
  QPointer<QWidget> last_;
  QTimer timer_;
};


// The attention windows open without blocking (registered in the open-window table).
inline std::vector<std::u16string> ModelessAttentions(GuiState& gui) {
  std::vector<std::u16string> out;
  for (QWidget* w : gui.OpenPopupTable)
    if (auto* box = qobject_cast<CAttentionDlg*>(w)) out.push_back(box->Message());
  return out;
}

}  // namespace corvane::testing
