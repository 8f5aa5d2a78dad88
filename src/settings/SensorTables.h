#pragma once
// Placeholder: sensor DPI tables are being written (owner: tables helper).
#include <cstdint>
namespace corvane {
struct DpiStepTables {
  std::uint16_t SensorId = 0x3311;
};
}  // namespace corvane
