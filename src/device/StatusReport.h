#pragma once
// Input report 7: the state the mouse (or the receiver for it) reports on its own.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

#include "device/DeviceConstants.h"

namespace corvane {

struct StatusReport {
  static constexpr std::size_t kReportIdOffset = 0;
  static constexpr std::size_t kLinkOffset = 1;  // receiver: the mouse is linked
  static constexpr std::size_t kDpiLevelOffset = 2;
  static constexpr std::size_t kPollingCodeOffset = 3;
  static constexpr std::size_t kBatteryOffset = 4;  // percent
  static constexpr std::size_t kChargeOffset = 5;   // 1 charging, 2 full, else not charging
  static constexpr std::size_t kLightingModeOffset = 6;
  static constexpr std::size_t kQuickLaunchOffset = 7;  // n = the target of button n - 1
  static constexpr std::size_t kSensorLetterOffset = 9;
  static constexpr std::size_t kMoveLightingOffset = 10;
  static constexpr std::size_t kPowerDownOffset = 11;   // 1..30
  static constexpr std::size_t kLightingOffOffset = 12;  // 1..30
  static constexpr std::size_t kRedOffset = 13;          // then green, blue
  static constexpr std::size_t kSpeedOffset = 16;        // 1..3
  // A report shorter than this lacks fields the decoding reads.
  static constexpr std::size_t kUsedLength = kSpeedOffset + 1;

  std::array<std::uint8_t, kReportLength> bytes{};
};
static_assert(sizeof(StatusReport) == kReportLength);

constexpr std::uint8_t kChargeCharging = 1;
constexpr std::uint8_t kChargeFull = 2;

struct SensorLetterEntry {
  std::uint8_t Letter;
  std::uint16_t SensorId;
};

// The sensor models the mouse names by a letter.
inline constexpr std::array<SensorLetterEntry, 5> kSensorLetters{{
    {0x30, 0x3212},
    {0x43, 0x3325},
    {0x4E, 0x3335},
    {0x50, 0x3311},
    {0x51, 0x3395},
}};

constexpr std::optional<std::uint16_t> SensorIdOfLetter(std::uint8_t letter) {
  for (const auto& e : kSensorLetters)
    if (e.Letter == letter) return e.SensorId;
  return std::nullopt;
}

}  // namespace corvane
