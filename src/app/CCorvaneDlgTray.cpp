// The tray icon: double click and item 2075 bring the window back (when it may be shown),
// item 2076 ends the program. Its picture is the mouse's battery, redrawn with the battery
// display (timer 110); its tool tip names the connection, the profile and the battery.
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QSystemTrayIcon>

#include "app/CCorvaneDlg.h"
#include "app/TrayBatteryIcon.h"
#include "lang/LanguageEntries.h"
#include "session/StatusDecoder.h"
#include "settings/ProfileTable.h"
#include "skin/SkinFiles.h"

namespace corvane {
namespace {

// Drawn at the sizes trays ask for, so none of them scales a small picture up.
QIcon TrayIconOf(const TrayStatus& status) {
  QIcon icon;
  for (const int size : {16, 22, 24, 32, 48, 64}) icon.addPixmap(QPixmap::fromImage(DrawTrayBatteryIcon(status, size)));
  return icon;
}

}  // namespace

void CCorvaneDlg::InstallTrayIcon() {
  // Without a tray the window is never hidden to an icon nobody can see.
  if (!QSystemTrayIcon::isSystemTrayAvailable()) return;
  tray_ = new QSystemTrayIcon(QApplication::windowIcon(), this);
  tray_->setToolTip(QStringLiteral("Corvane"));
  trayMenu_ = new QMenu();
  const LanguageTable& language = App().Language;
  QAction* show = trayMenu_->addAction(QString::fromStdU16String(language.Text(kTextTrayShow)));
  show->setData(kIdTrayShow);
  trayMenu_->addSeparator();
  QAction* exit = trayMenu_->addAction(QString::fromStdU16String(language.Text(kTextTrayExit)));
  exit->setData(kIdTrayExit);
  connect(show, &QAction::triggered, this, [this] { OnShowRequest(); });
  connect(exit, &QAction::triggered, this, [this] { OnTrayMenuExit(); });
  tray_->setContextMenu(trayMenu_);
  connect(tray_, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
    if (reason == QSystemTrayIcon::DoubleClick) OnShowRequest();
  });
  UpdateTray();
  tray_->show();
}

void CCorvaneDlg::OnTrayMenuExit() { EndProgram(); }

TrayStatus CCorvaneDlg::CurrentTrayStatus() {
  TrayStatus status;
  if (session_) {
    const DeviceLink& link = session_->Link();
    if (link.Role(DeviceRole::Wired).FeatureHandle)
      status.Connection = TrayConnection::Cable;
    else if (link.Role(DeviceRole::Bluetooth).FeatureHandle)
      status.Connection = TrayConnection::Bluetooth;
    else if (link.Role(DeviceRole::Receiver).FeatureHandle && link.LinkUp)
      status.Connection = TrayConnection::Receiver;
  }
  if (decoder_) {
    // Above 100 is no level at all; the battery display shows it as 0 (timer 110).
    status.Level = decoder_->Values().BatteryLevel > 100 ? 0 : decoder_->Values().BatteryLevel.load();
    status.ChargeState = decoder_->Values().ChargeState;
  }
  AppContext& app = App();
  const int current = app.CurrentProfileIndex;
  if (current >= 0 && current < kProfileCount) {
    std::u16string name = app.Profiles[current].ProfileName();
    if (name.empty()) name = DefaultProfileName(app.Language, current);
    status.ProfileName = QString::fromStdU16String(name);
  }
  return status;
}

void CCorvaneDlg::UpdateTray() {
  const TrayStatus status = CurrentTrayStatus();
  // The warning needs a mouse that reports its battery; the notification goes through
  // the tray, so without one the window's battery display is all there is.
  const bool warn = status.Connection != TrayConnection::None && batteryWarning_.Update(status.Level, status.ChargeState);
  if (!tray_) return;
  const QString tip = TrayToolTip(App().Language, status);
  if (tip != trayToolTip_) {
    trayToolTip_ = tip;
    tray_->setToolTip(tip);
  }
  const auto key = std::make_tuple(status.Connection, status.Level, status.ChargeState);
  if (key != trayIconKey_) {
    trayIconKey_ = key;
    tray_->setIcon(TrayIconOf(status));
  }
  if (warn) {
    const LanguageTable& language = App().Language;
    tray_->showMessage(QString::fromStdU16String(language.Text(kTextBatteryLowTitle)),
                       QString::fromStdU16String(language.Text(kTextTrayBattery)) +
                           QStringLiteral("%1 %. ").arg(status.Level) +
                           QString::fromStdU16String(language.Text(kTextBatteryLowHint)),
                       QSystemTrayIcon::Warning, 10000);
  }
}

}  // namespace corvane
