#pragma once
// The fields of a status report (input report 7), read at their offsets, as the mouse sent
// them. What they mean for the profile is decided by the owner of the profiles.
#include <cstdint>
#include <optional>
#include <span>

#include "device/DeviceRole.h"

namespace corvane {

struct StatusFields {
  DeviceRole Role = DeviceRole::Wired;
  int Link = 0;
  int DpiLevel = 0;
  int PollingIndex = 0;  // decoded for the role
  int Battery = 0;
  int Charge = 0;
  int LightingMode = 0;
  int QuickLaunch = 0;
  int SensorLetter = 0;
  int MoveLighting = 0;
  int PowerDownTime = 0;
  int LightingOffTime = 0;
  std::uint32_t Colour = 0;  // COLORREF
  int Speed = 0;
};

// The report's fields; nothing for a report with another id or cut short before its last
// field.
std::optional<StatusFields> ParseStatusReport(DeviceRole role, std::span<const std::uint8_t> report);

}  // namespace corvane
