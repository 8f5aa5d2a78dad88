#pragma once
// Where the keyboard hook's key events come from: one source per start of the hook,
// closed when it is destroyed. Each source reports (virtual-key code, release bit and
// time stamp) to its sink on the thread that created it.
#include <cstdint>
#include <functional>
#include <memory>

#include <QByteArray>

#include "platform/KeyboardHook.h"

namespace corvane {

using KeySink = std::function<void(std::uint8_t key, std::uint32_t lParam)>;

class CKeyboardHook::Source {
 public:
  virtual ~Source() = default;
};

// XInput2 raw key events of the whole display; null when the display cannot be opened
// or has no XInput 2.0.
std::unique_ptr<CKeyboardHook::Source> OpenXInputKeySource(const QByteArray& display, KeySink sink);

}  // namespace corvane
