#include "device/StatusFields.h"

#include "device/StatusReport.h"
#include "settings/PollingRateTable.h"

namespace corvane {

std::optional<StatusFields> ParseStatusReport(DeviceRole role, std::span<const std::uint8_t> r) {
  using R = StatusReport;
  if (r.size() < R::kUsedLength || r[R::kReportIdOffset] != kReportStatus) return std::nullopt;
  StatusFields f;
  f.Role = role;
  f.Link = r[R::kLinkOffset];
  f.DpiLevel = r[R::kDpiLevelOffset];
  f.Battery = r[R::kBatteryOffset];
  f.Charge = r[R::kChargeOffset];
  // The cable knows only the four slower rates.
  f.PollingIndex = PollingIndexOfDeviceCode(r[R::kPollingCodeOffset], role == DeviceRole::Wired);
  f.LightingMode = r[R::kLightingModeOffset];
  f.QuickLaunch = r[R::kQuickLaunchOffset];
  f.SensorLetter = r[R::kSensorLetterOffset];
  f.MoveLighting = r[R::kMoveLightingOffset];
  f.PowerDownTime = r[R::kPowerDownOffset];
  f.LightingOffTime = r[R::kLightingOffOffset];
  f.Colour = std::uint32_t{r[R::kRedOffset]} | (std::uint32_t{r[R::kRedOffset + 1]} << 8) |
             (std::uint32_t{r[R::kRedOffset + 2]} << 16);
  f.Speed = r[R::kSpeedOffset];
  return f;
}

}  // namespace corvane
