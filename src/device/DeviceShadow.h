#pragma once
// What the mouse is believed to hold: per command the payload it last took. An upload
// sends a command only when the payload built from the current profile differs from its
// block here.
#include <array>
#include <cstddef>
#include <cstdint>

namespace corvane {

// Block sizes, each the part of the command's payload that is compared.
constexpr std::size_t kButtonBlockSize = 21;    // 7 buttons x 3 value bytes, device order
constexpr std::size_t kDpiBlockSize = 34;       // level, mask, 8 X codes, 8 Y codes
constexpr std::size_t kColourBlockSize = 24;    // 8 x red, green, blue
constexpr std::size_t kLightingBlockSize = 25;  // the lighting frame's payload
constexpr std::size_t kLightingComparedSize = 7;
constexpr std::size_t kPowerBlockSize = 3;
constexpr std::size_t kSensorOptionsBlockSize = 3;

// The device's macro store: slots 0..15, each compared over its first 512 bytes.
constexpr std::size_t kMacroSlotCount = 16;
constexpr std::size_t kMacroShadowSize = 512;
// Slots cleared before the store is rewritten (slots given out are 1..7).
constexpr std::size_t kMacroClearedSlots = 11;

using ButtonBlock = std::array<std::uint8_t, kButtonBlockSize>;
using DpiBlock = std::array<std::uint8_t, kDpiBlockSize>;
using ColourBlock = std::array<std::uint8_t, kColourBlockSize>;
using LightingBlock = std::array<std::uint8_t, kLightingBlockSize>;
using PowerBlock = std::array<std::uint8_t, kPowerBlockSize>;
using SensorOptionsBlock = std::array<std::uint8_t, kSensorOptionsBlockSize>;
using MacroShadowBlock = std::array<std::uint8_t, kMacroShadowSize>;

struct DeviceShadow {
  ButtonBlock Buttons{};
  DpiBlock Dpi{};
  ColourBlock Colours{};
  std::uint8_t Polling = 0;
  std::uint8_t Lift = 0;
  std::uint8_t Debounce = 0;
  LightingBlock Lighting{};
  PowerBlock Power{};
  std::uint8_t MotionWakeup = 0;  // kept, never sent
  SensorOptionsBlock SensorOptions{};
  std::array<MacroShadowBlock, kMacroSlotCount> Macros{};

  void ClearMacros() {
    for (auto& m : Macros) m.fill(0);
  }
};

}  // namespace corvane
