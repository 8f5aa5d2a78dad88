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
// BadWindow; Xlib's default handler would end the program for that. The handler is
// process-wide, so it is ours only while we ask, with the errors of our requests
// collected (XSync) before the previous one comes back.
int IgnoreXErrors(Display*, XErrorEvent*) { return 0; }

class XErrorTrap {
 public:
  explicit XErrorTrap(Display* display) : display_(display), previous_(XSetErrorHandler(&IgnoreXErrors)) {}
  ~XErrorTrap() {
    XSync(display_, False);
    XSetErrorHandler(previous_);
  }
  XErrorTrap(const XErrorTrap&) = delete;
  XErrorTrap& operator=(const XErrorTrap&) = delete;

 private:
  Display* display_;
  int (*previous_)(Display*, XErrorEvent*);
};

}  // namespace

ActiveWindowWatcher::ActiveWindowWatcher(QObject* parent) : QObject(parent) {
  if (SessionIsWayland()) return;
  display_ = XOpenDisplay(nullptr);
  if (!display_) return;
  root_ = DefaultRootWindow(display_);
  activeAtom_ = XInternAtom(display_, "_NET_ACTIVE_WINDOW", False);
  XSelectInput(display_, root_, PropertyChangeMask);
  XFlush(display_);
  last_ = ActiveClass();
  notifier_ = new QSocketNotifier(ConnectionNumber(display_), QSocketNotifier::Read, this);
  connect(notifier_, &QSocketNotifier::activated, this, [this] { OnReadable(); });
}

void ActiveWindowWatcher::TakeQueuedEvents() {
  if (display_ && XEventsQueued(display_, QueuedAlready) > 0)
    QMetaObject::invokeMethod(this, [this] { OnReadable(); }, Qt::QueuedConnection);
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
  QString windowClass;
  {
    const XErrorTrap trap(display_);
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
    XClassHint hint{nullptr, nullptr};
    if (active != 0 && XGetClassHint(display_, active, &hint)) {
      if (hint.res_class) windowClass = QString::fromUtf8(hint.res_class);
      if (hint.res_name) XFree(hint.res_name);
      if (hint.res_class) XFree(hint.res_class);
    }
  }
  TakeQueuedEvents();
  return windowClass;
}

void ActiveWindowWatcher::OnReadable() {
  // Asking for the class reads from the connection too (XSync): events it queued are
  // taken here, since the socket will not report them again.
  for (;;) {
    bool changed = false;
    while (XPending(display_) > 0) {
      XEvent event;
      XNextEvent(display_, &event);
      if (event.type == PropertyNotify && event.xproperty.atom == activeAtom_) changed = true;
    }
    if (!changed) return;
    const QString now = ActiveClass();
    if (now == last_) continue;
    last_ = now;
    emit ActiveClassChanged(now);
  }
}

}  // namespace corvane
