// The tray icon: double click and item 2075 bring the window back (when it may be shown),
// item 2076 ends the program.
#include <QAction>
#include <QMenu>
#include <QSystemTrayIcon>

#include "app/CCorvaneDlg.h"
#include "lang/LanguageEntries.h"
#include "skin/SkinFiles.h"

namespace corvane {

void CCorvaneDlg::InstallTrayIcon() {
  // Without a tray the window is never hidden to an icon nobody can see.
  if (!QSystemTrayIcon::isSystemTrayAvailable()) return;
  tray_ = new QSystemTrayIcon(QIcon(QPixmap(ResourceImagePath(kMainIconId))), this);
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
  tray_->show();
}

void CCorvaneDlg::OnTrayMenuExit() { EndProgram(); }

}  // namespace corvane
