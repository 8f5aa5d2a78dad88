#pragma once
// What the mouse holds of its configuration, in the form the commands carry it, and the
// state it leaves the factory with (the same as the program's default profile, so a fresh
// mouse and a fresh installation agree).
#include <array>
#include <cstdint>
#include <optional>

namespace corvane {

constexpr std::size_t kSimButtonCount = 7;
constexpr std::size_t kSimDpiCodeLevels = 6;  // levels with a sensor code on the device
constexpr std::size_t kSimDpiLevels = 8;      // levels with an indicator colour

struct SimSettings {
  // Three value bytes per button, in device order (the program's buttons 3 and 4 swapped).
  std::array<std::uint8_t, kSimButtonCount * 3> buttons{};
  std::uint8_t dpiLevel = 0;
  std::uint8_t dpiMask = 0;
  std::array<std::uint16_t, kSimDpiCodeLevels> dpiX{};
  std::array<std::uint16_t, kSimDpiCodeLevels> dpiY{};
  std::array<std::uint8_t, kSimDpiLevels * 3> dpiColours{};  // red, green, blue per level
  std::uint8_t pollingCode = 0;
  std::uint8_t liftOff = 0;
  std::uint8_t debounce = 0;
  // 0xFF, effect mode, (brightness+1)<<4 | (speed+1), direction, red, green, blue, zeros.
  std::array<std::uint8_t, 25> lighting{};
  std::array<std::uint8_t, 3> power{};          // power-down time, lighting-off time, move-lighting
  std::array<std::uint8_t, 3> sensorOptions{};  // angle snapping, motion sync, ripple control

  bool operator==(const SimSettings&) const = default;
};

// Offsets in SimSettings::lighting.
struct SimLighting {
  static constexpr std::size_t kMode = 1;
  static constexpr std::size_t kBrightnessSpeed = 2;
  static constexpr std::size_t kDirection = 3;
  static constexpr std::size_t kRed = 4;
};

// Offsets in SimSettings::power.
struct SimPower {
  static constexpr std::size_t kPowerDownTime = 0;
  static constexpr std::size_t kLightingOffTime = 1;
  static constexpr std::size_t kMoveLighting = 2;
};

// The sensor models the mouse can carry, by the letter its status report names them with.
struct SimSensorModel {
  std::uint8_t letter;
  std::uint16_t sensorId;
  std::array<int, kSimDpiCodeLevels> factoryDpi;  // resolutions of levels 0..5 as shipped
};

inline constexpr std::array<SimSensorModel, 5> kSimSensorModels{{
    {0x30, 0x3212, {800, 1200, 1600, 2400, 3200, 3600}},
    {0x43, 0x3325, {800, 1200, 1600, 2400, 3200, 5000}},
    {0x4E, 0x3335, {400, 800, 1600, 3200, 6400, 16000}},
    {0x50, 0x3311, {1000, 1600, 2400, 3200, 5000, 12000}},
    {0x51, 0x3395, {1000, 1600, 2400, 3200, 5000, 26000}},
}};
constexpr std::uint8_t kSimDefaultSensorLetter = 0x50;

std::optional<SimSensorModel> SimSensorOfLetter(std::uint8_t letter);

// Factory configuration for the given sensor letter (an unknown letter gets the default
// sensor's resolutions).
SimSettings FactorySettings(std::uint8_t sensorLetter);

}  // namespace corvane
