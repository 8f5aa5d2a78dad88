#include "platform/DesktopShell.h"

#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace corvane {

const MouseSettingsTool kMouseSettingsTools[3] = {
    {"gnome-control-center", "mouse"},
    {"systemsettings", "kcm_mouse"},
    {"xfce4-mouse-settings", nullptr},
};

bool DesktopShell::OpenUrl(const QString& address) { return QDesktopServices::openUrl(QUrl(address)); }

QString DesktopShell::FindProgram(const QString& name) const { return QStandardPaths::findExecutable(name); }

bool DesktopShell::StartDetached(const QString& program, const QStringList& arguments) {
  return QProcess::startDetached(program, arguments);
}

bool OpenDesktopMouseSettings(DesktopShell& shell) {
  for (const MouseSettingsTool& tool : kMouseSettingsTools) {
    const QString program = shell.FindProgram(QString::fromLatin1(tool.Program));
    if (program.isEmpty()) continue;
    QStringList arguments;
    if (tool.Argument) arguments << QString::fromLatin1(tool.Argument);
    return shell.StartDetached(program, arguments);
  }
  return false;
}

}  // namespace corvane
