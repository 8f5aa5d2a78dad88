#pragma once
// The keyboard hook: while started, every key press and release is posted to one window
// as a KeyboardHookEvent (message 1025: the virtual-key code, and the release bit with a
// millisecond time stamp), and handled on that window's own thread.
//
// On X11 the hook reads XInput2 raw key events of the whole display, so keys reach the
// window while another window (of this program or another) has the focus, and keys sent
// through XTEST arrive too. Elsewhere (Wayland, or an X server without XInput2) it sees
// the program's own key events only, while one of its windows has the focus.
#include <cstdint>
#include <memory>

#include <QEvent>
#include <QPointer>
#include <QString>

class QObject;

namespace corvane {

class CKeyboardHook;

class KeyboardHookEvent : public QEvent {
 public:
  static QEvent::Type EventType();
  KeyboardHookEvent(const CKeyboardHook* hook, unsigned generation, std::uint8_t key, std::uint32_t lParam)
      : QEvent(EventType()), Hook(hook), Generation(generation), Key(key), LParam(lParam) {}

  const CKeyboardHook* Hook;
  unsigned Generation;
  std::uint8_t Key;      // the first parameter: a virtual-key code
  std::uint32_t LParam;  // the second: release bit 31, time stamp in bits 0..30
};

// The X display the hooks listen on. Empty (the default): the window system's own
// display when the program runs on X11; none otherwise.
void SetKeyboardHookDisplay(const QString& display);

class CKeyboardHook {
 public:
  CKeyboardHook();
  ~CKeyboardHook();
  CKeyboardHook(const CKeyboardHook&) = delete;
  CKeyboardHook& operator=(const CKeyboardHook&) = delete;

  // Starts delivering to window (restarting when already started). False when no key
  // source could be opened.
  bool StartHook(QObject* window);
  // No more events: also those already posted and not yet handled are dropped by Take.
  void StopHook();
  bool Started() const { return source_ != nullptr; }
  // Whether keys typed into other programs' windows arrive (XInput2); false for the
  // program's own key events only.
  bool SystemWide() const { return systemWide_; }

  // The window's side: whether the event was posted by this hook while it runs (an event
  // left in the queue by an earlier start, or after a stop, is not taken).
  bool Take(const QEvent* event, std::uint8_t& key, std::uint32_t& lParam) const;

  class Source;

 private:
  void Deliver(std::uint8_t key, std::uint32_t lParam);

  std::unique_ptr<Source> source_;
  QPointer<QObject> window_;
  unsigned generation_ = 0;
  bool systemWide_ = false;
};

}  // namespace corvane
