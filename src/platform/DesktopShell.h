#pragma once
// The desktop's services the main window's tools use: opening a web page with the
// desktop's handler, finding and starting a program of the desktop. The window holds one;
// tests give it one that records instead of starting anything.
#include <QString>
#include <QStringList>

namespace corvane {

class DesktopShell {
 public:
  virtual ~DesktopShell() = default;
  // Opens an address with the desktop's URL handler; false when none took it.
  virtual bool OpenUrl(const QString& address);
  // The full path of a program on the search path, empty when there is none.
  virtual QString FindProgram(const QString& name) const;
  // Starts a program that outlives this one; false when it could not be started.
  virtual bool StartDetached(const QString& program, const QStringList& arguments);
};

// The mouse settings of the desktops in the order they are tried: GNOME, KDE Plasma, Xfce.
struct MouseSettingsTool {
  const char* Program;
  const char* Argument;  // nullptr for none
};
extern const MouseSettingsTool kMouseSettingsTools[3];

// Starts the first of the desktops' mouse settings that exists; false when none exists
// or it could not be started.
bool OpenDesktopMouseSettings(DesktopShell& shell);

}  // namespace corvane
