#include "platform/KeyboardHook.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>

#include "platform/KeyboardHookKeys.h"
#include "platform/KeyboardHookSource.h"

namespace corvane {

namespace {

QString& HookDisplay() {
  static QString display;
  return display;
}

// The program's own key events, seen once each at the window they were sent to.
class ApplicationKeySource : public CKeyboardHook::Source, public QObject {
 public:
  explicit ApplicationKeySource(KeySink sink) : sink_(std::move(sink)) {
    QCoreApplication::instance()->installEventFilter(this);
  }
  ~ApplicationKeySource() override {
    if (QCoreApplication::instance()) QCoreApplication::instance()->removeEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    const QEvent::Type t = event->type();
    if ((t == QEvent::KeyPress || t == QEvent::KeyRelease) && watched->isWindowType()) {
      const auto* k = static_cast<const QKeyEvent*>(event);
      // A held key repeats its press, as keyboards do; the releases the window system
      // puts between the repeats are not real.
      if (!(t == QEvent::KeyRelease && k->isAutoRepeat())) {
        std::uint32_t keysym = k->nativeVirtualKey();
        // Without a native symbol, Latin-1 keys share their values with the symbols.
        if (keysym == 0 && k->key() > 0 && k->key() < 0x100) keysym = static_cast<std::uint32_t>(k->key());
        const std::uint8_t vk = VirtualKeyOfKeysym(keysym);
        if (vk) sink_(vk, HookLParam(t == QEvent::KeyRelease, k->timestamp()));
      }
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  KeySink sink_;
};

// The display the hook reads raw keys from: the one set for the hooks, or the window
// system's when it is X11.
QByteArray XDisplayName(bool& use) {
  if (!HookDisplay().isEmpty()) {
    use = true;
    return HookDisplay().toLocal8Bit();
  }
  use = QGuiApplication::platformName() == QLatin1String("xcb");
  return qgetenv("DISPLAY");
}

}  // namespace

void SetKeyboardHookDisplay(const QString& display) { HookDisplay() = display; }

QEvent::Type KeyboardHookEvent::EventType() {
  static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
  return type;
}

CKeyboardHook::CKeyboardHook() = default;

CKeyboardHook::~CKeyboardHook() { StopHook(); }

bool CKeyboardHook::StartHook(QObject* window) {
  StopHook();
  if (!window) return false;
  window_ = window;
  ++generation_;
  KeySink sink = [this](std::uint8_t key, std::uint32_t lParam) { Deliver(key, lParam); };
  bool useX = false;
  const QByteArray display = XDisplayName(useX);
  if (useX) source_ = OpenXInputKeySource(display, sink);
  systemWide_ = source_ != nullptr;
  if (!source_) source_ = std::make_unique<ApplicationKeySource>(sink);
  return true;
}

void CKeyboardHook::StopHook() {
  source_.reset();
  ++generation_;
  window_.clear();
}

void CKeyboardHook::Deliver(std::uint8_t key, std::uint32_t lParam) {
  if (window_) QCoreApplication::postEvent(window_, new KeyboardHookEvent(this, generation_, key, lParam));
}

bool CKeyboardHook::Take(const QEvent* event, std::uint8_t& key, std::uint32_t& lParam) const {
  if (event->type() != KeyboardHookEvent::EventType()) return false;
  const auto* e = static_cast<const KeyboardHookEvent*>(event);
  if (e->Hook != this || e->Generation != generation_ || !source_) return false;
  key = e->Key;
  lParam = e->LParam;
  return true;
}

}  // namespace corvane
