#include "device/sim/SimPairing.h"

#include "device/DeviceConstants.h"
#include "device/sim/SimTypes.h"

namespace corvane {

bool TakePairingRequest(SimReceiverState& receiver, std::span<const std::uint8_t> report,
                        const SimFaults& faults, SimLinkChange& change) {
  change = SimLinkChange::None;
  if (report.size() < SimPairingReport::kSize || report[0] != kReportPairing ||
      report[SimPairingReport::kRequest] != SimPairingReport::kStartPairing) {
    return false;
  }
  if (receiver.linked) change = SimLinkChange::Down;
  receiver.linked = false;
  receiver.pairing = true;
  receiver.pairingFindsMouse = !faults.pairingFails;
  receiver.pairingLeftMs = receiver.pairingFindsMouse ? SimTimings::kPairingLinkMs : SimTimings::kPairingWindowMs;
  return true;
}

SimLinkChange AdvancePairing(SimReceiverState& receiver, std::uint32_t ms) {
  if (!receiver.pairing) return SimLinkChange::None;
  if (ms < receiver.pairingLeftMs) {
    receiver.pairingLeftMs -= ms;
    return SimLinkChange::None;
  }
  receiver.pairing = false;
  receiver.pairingLeftMs = 0;
  if (!receiver.pairingFindsMouse) return SimLinkChange::None;
  receiver.linked = true;
  return SimLinkChange::Up;
}

}  // namespace corvane
