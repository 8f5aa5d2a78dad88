// The X11 key source: its own connection to the display, raw key events selected on the
// root window (they arrive whichever window has the focus), read when the connection's
// socket has data.
// Qt and the program's headers come before Xlib's, whose macros (None, Bool, Status)
// would clash with them.
#include <QSocketNotifier>

#include "platform/KeyboardHookKeys.h"
#include "platform/KeyboardHookSource.h"

#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/extensions/XInput2.h>

namespace corvane {

namespace {

class XInputKeySource : public CKeyboardHook::Source {
 public:
  XInputKeySource(Display* display, int opcode, KeySink sink)
      : display_(display), opcode_(opcode), sink_(std::move(sink)),
        notifier_(ConnectionNumber(display), QSocketNotifier::Read) {
    unsigned char bits[XIMaskLen(XI_LASTEVENT)] = {};
    XISetMask(bits, XI_RawKeyPress);
    XISetMask(bits, XI_RawKeyRelease);
    XIEventMask mask{XIAllMasterDevices, static_cast<int>(sizeof bits), bits};
    XISelectEvents(display_, DefaultRootWindow(display_), &mask, 1);
    XSync(display_, False);
    QObject::connect(&notifier_, &QSocketNotifier::activated, [this] { Read(); });
  }
  ~XInputKeySource() override {
    notifier_.setEnabled(false);
    XCloseDisplay(display_);
  }

 private:
  void Read() {
    while (XPending(display_) > 0) {
      XEvent event;
      XNextEvent(display_, &event);
      XGenericEventCookie* cookie = &event.xcookie;
      if (cookie->type != GenericEvent || cookie->extension != opcode_ || !XGetEventData(display_, cookie))
        continue;
      if (cookie->evtype == XI_RawKeyPress || cookie->evtype == XI_RawKeyRelease) {
        const auto* raw = static_cast<const XIRawEvent*>(cookie->data);
        // The key's symbol without modifiers: the key itself, not what it types.
        const KeySym sym = XkbKeycodeToKeysym(display_, static_cast<KeyCode>(raw->detail), 0, 0);
        const std::uint8_t vk = VirtualKeyOfKeysym(static_cast<std::uint32_t>(sym));
        if (vk) sink_(vk, HookLParam(cookie->evtype == XI_RawKeyRelease, raw->time));
      }
      XFreeEventData(display_, cookie);
    }
  }

  Display* display_;
  int opcode_;
  KeySink sink_;
  QSocketNotifier notifier_;
};

}  // namespace

std::unique_ptr<CKeyboardHook::Source> OpenXInputKeySource(const QByteArray& name, KeySink sink) {
  Display* display = XOpenDisplay(name.isEmpty() ? nullptr : name.constData());
  if (!display) return nullptr;
  int opcode = 0, firstEvent = 0, firstError = 0;
  int major = 2, minor = 0;
  if (!XQueryExtension(display, "XInputExtension", &opcode, &firstEvent, &firstError) ||
      XIQueryVersion(display, &major, &minor) != Success) {
    XCloseDisplay(display);
    return nullptr;
  }
  return std::make_unique<XInputKeySource>(display, opcode, std::move(sink));
}

}  // namespace corvane
