#pragma once
// What the keyboard hook delivers for each key event, independent of the window system:
// the message number, its parameters, and the one table from X key symbols (what X11 and
// Wayland name keys by) to the Windows virtual-key codes that macros store.
#include <cstdint>

namespace corvane {

// The message the hook delivers to its window for every key press and release.
constexpr unsigned kMsgKeyboardHook = 1025;
constexpr std::uint32_t kHookReleaseBit = 0x80000000u;
constexpr std::uint32_t kHookTimeMask = 0x7FFFFFFFu;

// Second parameter of the message: bit 31 set for a release, bits 0..30 the time stamp
// in milliseconds (wrapping).
constexpr std::uint32_t HookLParam(bool release, std::uint64_t milliseconds) {
  return (release ? kHookReleaseBit : 0u) | static_cast<std::uint32_t>(milliseconds & kHookTimeMask);
}

// The virtual-key code of an X key symbol; 0 for a symbol no virtual key stands for.
// Shifted symbols of the US layout ("!", "A", "{" ...) give the key they are typed on.
std::uint8_t VirtualKeyOfKeysym(std::uint32_t keysym);

}  // namespace corvane
