#include "device/CommandSender.h"

#include "device/FeatureTransport.h"

namespace corvane {

bool CommandSender::HasInterface() { return !Gone() && link_.PickCommandInterface().has_value(); }

bool CommandSender::Send(FeatureCommand command, std::uint8_t position, std::span<const std::uint8_t> payload) {
  if (Gone()) {
    report_.Problems.push_back({UploadProblemKind::NotSent, command, position});
    return false;
  }
  switch (SendFeatureCommand(link_, command, position, payload)) {
    case SendResult::Acknowledged:
      return true;
    case SendResult::NotAcknowledged:
      report_.Problems.push_back({UploadProblemKind::NotAcknowledged, command, position});
      return false;
    case SendResult::NoReply:
      // Every further frame would wait out the same timeouts: the rest is not sent.
      report_.Problems.push_back({UploadProblemKind::NotAcknowledged, command, position});
      report_.Unresponsive = true;
      return false;
    case SendResult::NoDevice:
    case SendResult::DeviceGone:
      break;
  }
  report_.DeviceGone = true;
  report_.Problems.push_back({UploadProblemKind::NotSent, command, position});
  return false;
}

}  // namespace corvane
