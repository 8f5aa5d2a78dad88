#include "device/Pairing.h"

#include "device/StatusReport.h"

namespace corvane {

PairingReport BuildPairingRequest() {
  PairingReport r;
  r.bytes[PairingReport::kReportIdOffset] = kReportPairing;
  r.bytes[PairingReport::kRequestOffset] = PairingReport::kStartPairing;
  return r;
}

bool SendPairingRequest(DeviceLink& link) {
  HidHandle* receiver = link.Role(DeviceRole::Receiver).FeatureHandle.get();
  if (!receiver) return false;
  return receiver->SetFeature(BuildPairingRequest().bytes);
}

std::optional<bool> ReceiverLinkFlag(std::span<const std::uint8_t> report) {
  if (report.size() <= StatusReport::kLinkOffset || report[StatusReport::kReportIdOffset] != kReportStatus)
    return std::nullopt;
  return report[StatusReport::kLinkOffset] != 0;
}

PairingStart PairingSession::Start() {
  switch (state_) {
    case PairingState::Idle:
      seconds_ = 0;
      state_ = PairingState::Waiting;
      return {true, true};
    case PairingState::Failed:
      seconds_ = 0;
      state_ = PairingState::Waiting;
      return {false, true};
    case PairingState::Waiting:
    case PairingState::Paired:
      break;
  }
  return {};
}

PairingTick PairingSession::Tick(bool linkUp) {
  if (state_ != PairingState::Waiting) return {statusText_, true};
  if (linkUp) {
    state_ = PairingState::Paired;
    statusText_ = PairingTexts::kPaired;
    return {statusText_, true};
  }
  ++seconds_;
  if (seconds_ > waitSeconds_) {
    state_ = PairingState::Failed;
    statusText_ = PairingTexts::kFailed;
    return {statusText_, true};
  }
  phase_ = seconds_ % 3;
  statusText_ = PairingTexts::kWaiting[phase_];
  return {statusText_, false};
}

}  // namespace corvane
