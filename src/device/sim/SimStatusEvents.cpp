#include "device/sim/SimStatusEvents.h"

#include <algorithm>

namespace corvane {
namespace {

constexpr std::uint8_t kForeignReportId = 0x5A;
constexpr std::size_t kTruncatedLength = 9;

std::uint8_t NextNoise(std::uint32_t& seed) {
  seed ^= seed << 13;
  seed ^= seed >> 17;
  seed ^= seed << 5;
  return static_cast<std::uint8_t>(seed >> 24);
}

}  // namespace

SimReport BuildStatusReport(const SimMouseState& mouse, bool link, std::uint8_t quickLaunch) {
  using S = SimStatusReport;
  const SimSettings& s = mouse.settings;
  SimReport r(S::kSize, 0);
  r[0] = kReportStatus;
  r[S::kLink] = link ? 1 : 0;
  r[S::kDpiLevel] = s.dpiLevel;
  r[S::kPollingCode] = s.pollingCode;
  r[S::kBattery] = mouse.battery;
  r[S::kCharge] = mouse.charge;
  r[S::kLightingMode] = s.lighting[SimLighting::kMode];
  r[S::kQuickLaunch] = quickLaunch;
  r[S::kSensorLetter] = mouse.sensorLetter;
  r[S::kMoveLighting] = s.power[SimPower::kMoveLighting];
  r[S::kPowerDownTime] = s.power[SimPower::kPowerDownTime];
  r[S::kLightingOffTime] = s.power[SimPower::kLightingOffTime];
  std::copy_n(s.lighting.begin() + SimLighting::kRed, 3, r.begin() + S::kRed);
  r[S::kSpeed] = s.lighting[SimLighting::kBrightnessSpeed] & 0x0F;  // speed + 1
  return r;
}

SimReport BuildLinkDownReport() {
  SimReport r(SimStatusReport::kSize, 0);
  r[0] = kReportStatus;
  return r;
}

SimReport BuildLinkStateReply(bool link, bool garbled) {
  using L = SimLinkStateReport;
  SimReport r(L::kSize, 0);
  r[0] = kReportLinkState;
  std::copy(kLinkStateSignature.begin(), kLinkStateSignature.end(), r.begin() + L::kSignature);
  if (garbled) r[L::kSignature] ^= 0x20;  // wrong case of the first letter
  r[L::kLink] = link ? 1 : 0;
  return r;
}

std::vector<SimReport> BuildGarbageReports(std::uint32_t& seed) {
  SimReport foreign(SimStatusReport::kSize);
  for (auto& b : foreign) b = NextNoise(seed);
  foreign[0] = kForeignReportId;
  SimReport truncated(kTruncatedLength);
  for (auto& b : truncated) b = NextNoise(seed);
  truncated[0] = kReportStatus;
  return {foreign, truncated};
}

}  // namespace corvane
