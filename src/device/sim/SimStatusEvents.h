#pragma once
// The reports the devices send on their own and the link-state reply: input report 7
// (status) built from the mouse's state, the receiver's link-down report, and feature
// report 8.
#include <cstdint>
#include <vector>

#include "device/sim/SimState.h"
#include "device/sim/SimTypes.h"

namespace corvane {

// Input report 7 on the wire.
struct SimStatusReport {
  static constexpr std::size_t kSize = 32;
  static constexpr std::size_t kLink = 1;
  static constexpr std::size_t kDpiLevel = 2;
  static constexpr std::size_t kPollingCode = 3;
  static constexpr std::size_t kBattery = 4;
  static constexpr std::size_t kCharge = 5;
  static constexpr std::size_t kLightingMode = 6;
  static constexpr std::size_t kQuickLaunch = 7;
  static constexpr std::size_t kSensorLetter = 9;
  static constexpr std::size_t kMoveLighting = 10;
  static constexpr std::size_t kPowerDownTime = 11;
  static constexpr std::size_t kLightingOffTime = 12;
  static constexpr std::size_t kRed = 13;  // then green, blue
  static constexpr std::size_t kSpeed = 16;
};
static_assert(SimStatusReport::kSize == kReportLength);

// Feature report 8 on the wire.
struct SimLinkStateReport {
  static constexpr std::size_t kSize = 32;
  static constexpr std::size_t kSignature = 1;  // 4 bytes
  static constexpr std::size_t kLink = 5;
};
static_assert(SimLinkStateReport::kSize == kReportLength);

// The mouse's state as a status report; quickLaunch = the button request (0 = none).
SimReport BuildStatusReport(const SimMouseState& mouse, bool link, std::uint8_t quickLaunch = 0);
// What the receiver sends when its mouse drops off: the link flag clear, nothing else.
SimReport BuildLinkDownReport();
// Feature report 8; garbled = with a signature that is not the device's.
SimReport BuildLinkStateReply(bool link, bool garbled);
// Reports a misbehaving device interleaves with its status: a foreign report id with
// noise, and a report 7 cut short. seed advances with every call.
std::vector<SimReport> BuildGarbageReports(std::uint32_t& seed);

}  // namespace corvane
