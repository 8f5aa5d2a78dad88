#include "platform/ActiveWindowWatcher.h"

#include <QGuiApplication>
#include <QSocketNotifier>

// Xlib after Qt: its macros (None, Bool, Status ...) would clash with Qt's headers.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace corvane {
namespace {

// A window that went away between the property change and our question about it gives
// BadWindow; Xlib's default handler would end the program for that.
int IgnoreXErrors(Display*, XErrorEvent*) { return 0; }

}  // namespace

ActiveWindowWatcher::ActiveWindowWatcher(QObject* parent) : QObject(parent) {
  if (SessionIsWayland()) return;
  display_ = XOpenDisplay(nullptr);
  if (!display_) return;
  XSetErrorHandler(&IgnoreXErrors);
  root_ = DefaultRootWindow(display_);
  activeAtom_ = XInternAtom(display_, "_NET_ACTIVE_WINDOW", False);
  XSelectInput(display_, root_, PropertyChangeMask);
  XFlush(display_);
  last_ = ActiveClass();
  notifier_ = new QSocketNotifier(ConnectionNumber(display_), QSocketNotifier::Read, this);
  connect(notifier_, &QSocketNotifier::activated, this, [this] { OnReadable(); });
}

ActiveWindowWatcher::~ActiveWindowWatcher() {
  delete notifier_;
  if (display_) XCloseDisplay(display_);
}

bool ActiveWindowWatcher::SessionIsWayland() {
  return !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
         QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

QString ActiveWindowWatcher::ActiveClass() {
  if (!display_) return {};
  Atom type = 0;
  int format = 0;
  unsigned long count = 0, after = 0;
  unsigned char* data = nullptr;
  Window active = 0;
  if (XGetWindowProperty(display_, root_, activeAtom_, 0, 1, False, XA_WINDOW, &type, &format, &count, &after,
                         &data) == Success &&
      data) {
    if (type == XA_WINDOW && format == 32 && count == 1) active = *reinterpret_cast<Window*>(data);
    XFree(data);
  }
  if (active == 0) return {};
  XClassHint hint{nullptr, nullptr};
  QString windowClass;
  if (XGetClassHint(display_, active, &hint)) {
    if (hint.res_class) windowClass = QString::fromUtf8(hint.res_class);
    if (hint.res_name) XFree(hint.res_name);
    if (hint.res_class) XFree(hint.res_class);
  }
  return windowClass;
}

void ActiveWindowWatcher::OnReadable() {
  bool changed = false;
  while (XPending(display_) > 0) {
    XEvent event;
    XNextEvent(display_, &event);
    if (event.type == PropertyNotify && event.xproperty.atom == activeAtom_) changed = true;
  }
  if (!changed) return;
  const QString now = ActiveClass();
  if (now == last_) return;
  last_ = now;
  emit ActiveClassChanged(now);
}

}  // namespace corvane
