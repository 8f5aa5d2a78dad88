#pragma once
// The command frames of report 9 as the mouse takes them: the frame layout, its
// checksum, and one table row per command code with what its payload sets.
#include <cstdint>
#include <span>
#include <string_view>

#include "device/sim/SimState.h"

namespace corvane {

struct SimFrame {
  static constexpr std::size_t kSize = 32;
  static constexpr std::size_t kCommand = 1;
  static constexpr std::size_t kSequence = 2;
  static constexpr std::size_t kPosition = 3;
  static constexpr std::size_t kChecksum = 4;
  static constexpr std::size_t kPayload = 5;
  static constexpr std::size_t kPayloadSize = 27;
};
static_assert(SimFrame::kPayload + SimFrame::kPayloadSize == SimFrame::kSize);
static_assert(SimFrame::kSize == kReportLength);

// The sum of all 32 bytes with the checksum byte taken as 0, modulo 256.
std::uint8_t SimFrameChecksum(std::span<const std::uint8_t> frame);

// Applies a payload to the mouse; false when the mouse cannot take it (nothing changes).
using SimCommandHandler = bool (*)(SimMouseState& mouse, std::uint8_t position,
                                   std::span<const std::uint8_t> payload);

struct SimCommand {
  std::uint8_t code;
  std::string_view name;
  // The packet position a single-packet command must carry; 0 = the handler decides.
  std::uint8_t position;
  SimCommandHandler apply;
};

// The row of a command code; none for a code the mouse does not know.
const SimCommand* FindSimCommand(std::uint8_t code);

}  // namespace corvane
