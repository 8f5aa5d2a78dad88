#pragma once
// Follows which application's window is active, for the per-application profiles. On X11
// the window manager names the active window in the root window's _NET_ACTIVE_WINDOW
// property; this watcher asks to be told when that property changes (PropertyNotify on
// the root) and reads the window's WM_CLASS class then, so nothing is polled. It keeps a
// connection of its own to the X server, read through a socket notifier.
//
// Under Wayland no client may learn which window is active (XWayland's property covers
// only X11 windows), so there the watcher is not available.
#include <QObject>
#include <QString>

class QSocketNotifier;
struct _XDisplay;

namespace corvane {

class ActiveWindowWatcher : public QObject {
  Q_OBJECT

 public:
  explicit ActiveWindowWatcher(QObject* parent = nullptr);
  ~ActiveWindowWatcher() override;

  // The session is a Wayland one (WAYLAND_DISPLAY set, or Qt runs on Wayland).
  static bool SessionIsWayland();
  // Connected to an X server, outside a Wayland session.
  bool Available() const { return display_ != nullptr; }
  // The class of the active window now; empty when none is active or it has no class.
  QString ActiveClass();

 signals:
  // The active window changed to one of another class (possibly empty).
  void ActiveClassChanged(const QString& windowClass);

 private:
  void OnReadable();
  // Events already read from the connection are handled from the event loop.
  void TakeQueuedEvents();

  _XDisplay* display_ = nullptr;
  unsigned long root_ = 0;
  unsigned long activeAtom_ = 0;
  QSocketNotifier* notifier_ = nullptr;
  QString last_;
};

}  // namespace corvane
