#pragma once
// Key codes in the program's two code spaces: Windows virtual-key codes (what the
// keyboard hook delivers and macros store, with 0xE0..0xE7 for mouse actions in macros)
// and the device's key codes (the HID keyboard usages the mouse plays back).
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace corvane {

constexpr std::u16string_view kUndefinedKeyName = u"Undefined";

// The program's own codes for mouse actions inside macros.
constexpr std::uint8_t kVkMouseLeft = 0xE0;    // "L Key"
constexpr std::uint8_t kVkMouseRight = 0xE1;   // "R Key"
constexpr std::uint8_t kVkMouseMiddle = 0xE2;  // "M Key"
constexpr std::uint8_t kVkMouseK4 = 0xE3;      // "K4"
constexpr std::uint8_t kVkMouseK5 = 0xE4;      // "K5"
constexpr std::uint8_t kVkMouseX = 0xE5;       // "Mouse X"
constexpr std::uint8_t kVkMouseY = 0xE6;       // "Mouse Y"
constexpr std::uint8_t kVkMouseWheel = 0xE7;   // "Mouse Wheel"

// Display name of every code; codes without a name are "Undefined".
const std::array<std::u16string_view, 256>& VirtualKeyNames();
// Device key code of every code; 0 means the device has no key for it.
const std::array<std::uint8_t, 256>& VirtualKeyToUsage();

std::u16string_view KeyName(std::uint8_t code);
std::uint8_t KeyUsage(std::uint8_t code);

// The code whose name is the given text: an exact match first, then a match that
// ignores ASCII case. "Undefined" names no code.
std::optional<std::uint8_t> VirtualKeyOfName(std::u16string_view name);

// Names a macro step can press and release: the keyboard codes (8..223) and the
// mouse buttons "L Key", "R Key", "M Key", "K4", "K5" (0xE0..0xE4). Mouse buttons
// 0x01..0x06 and the movement and wheel codes are not press/release steps.
std::optional<std::uint8_t> PressReleaseStepOfName(std::u16string_view name);
// Only the five mouse-button names of macro steps.
std::optional<std::uint8_t> MouseButtonStepOfName(std::u16string_view name);

// Modifier byte of a key combination (button value 70 mm kk): the left-modifier bits
// of the HID keyboard report.
constexpr std::uint8_t kModifierCtrl = 0x01;
constexpr std::uint8_t kModifierShift = 0x02;
constexpr std::uint8_t kModifierAlt = 0x04;
constexpr std::uint8_t kModifierWin = 0x08;
constexpr std::uint8_t kButtonFamilyKeyCombination = 0x70;

// The Windows keys and the left and right Shift, Ctrl and Alt keys cannot be the key
// of a combination; capturing ignores them.
bool IsIgnoredShortcutKey(std::uint8_t code);

struct ShortcutChoice {
  bool KeyOnly = false;  // "key without modifiers": the modifier boxes do not count
  bool Ctrl = false;
  bool Shift = false;
  bool Alt = false;
  bool Win = false;
  std::u16string KeyName;  // empty while no key has been captured
  std::uint8_t KeyCode = 0;  // device key code of the captured key
};

struct Shortcut {
  std::u16string Text;  // e.g. "Ctrl+Alt+A"
  std::array<std::uint8_t, 3> Value{};  // 70 mm kk
};

Shortcut ShortcutText(const ShortcutChoice& choice);

}  // namespace corvane
