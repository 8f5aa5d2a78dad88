#pragma once
// The receiver's pairing: report 0xBC with byte 1 = 3 drops the current link and looks
// for a mouse; one is linked a short while of virtual time later (or, with no mouse to
// find, pairing mode ends unlinked).
#include <cstdint>
#include <span>

#include "device/sim/SimFaults.h"
#include "device/sim/SimState.h"

namespace corvane {

enum class SimLinkChange : std::uint8_t { None, Down, Up };

struct SimPairingReport {
  static constexpr std::size_t kSize = 8;
  static constexpr std::size_t kRequest = 1;
  static constexpr std::uint8_t kStartPairing = 3;
};

// False when the receiver does not take the report; change tells whether the link
// dropped.
bool TakePairingRequest(SimReceiverState& receiver, std::span<const std::uint8_t> report,
                        const SimFaults& faults, SimLinkChange& change);
// Lets ms of virtual time pass for an attempt under way.
SimLinkChange AdvancePairing(SimReceiverState& receiver, std::uint32_t ms);

}  // namespace corvane
