#pragma once
// The report descriptors of the simulated interfaces. Status and feature interfaces
// declare 31-byte reports after the report id, so the system counts both lengths as 32.
#include <cstdint>
#include <span>

#include "device/DeviceRole.h"
#include "device/sim/SimTypes.h"

namespace corvane {

std::span<const std::uint8_t> SimReportDescriptor(DeviceRole role, SimInterface iface);

// The lengths the system derives from the descriptor (largest report of the type plus
// one for the report id; 0 = the interface has no report of that type).
struct SimReportLengths {
  std::uint16_t input = 0;
  std::uint16_t feature = 0;
};
SimReportLengths SimInterfaceLengths(SimInterface iface);

}  // namespace corvane
