#include "device/FeatureTransport.h"

#include <array>

#include "device/DeviceConstants.h"
#include "device/FeatureFrame.h"

namespace corvane {

SendResult SendFeatureCommand(DeviceLink& link, std::uint8_t command, std::uint8_t position,
                              std::span<const std::uint8_t> payload) {
  const auto info = CommandInfo(command);
  const bool countsAsWrite = info ? info->countsAsWrite : false;
  const std::uint32_t ackPause = info ? info->ackPauseMs : kRetryPauseMs;
  Pause& pause = link.GetPause();
  bool answered = false;

  for (int attempt = 0; attempt < kSendAttempts; ++attempt) {
    const auto route = link.PickCommandInterface();
    if (!route) return SendResult::NoDevice;
    const FeatureFrame frame = BuildFeatureFrame(command, link.Sequence.Next(), position, payload);
    const bool sent = route->Handle->SetFeature(frame.bytes);
    if (countsAsWrite) link.WrittenFlag = true;
    if (!sent && !link.InterfaceStillPresent(*route->Path)) return SendResult::DeviceGone;
    pause.Sleep(ackPause);

    std::array<std::uint8_t, kReportLength> reply{};
    reply[0] = kReportCommand;
    // A failed read leaves byte 1 at 0, which reads as no acknowledgement.
    if (!route->Handle->GetFeature(reply)) {
      reply[FeatureFrame::kAckOffset] = 0;
      if (!link.InterfaceStillPresent(*route->Path)) return SendResult::DeviceGone;
    } else {
      answered = true;
    }
    if (reply[FeatureFrame::kReportIdOffset] == kReportCommand && reply[FeatureFrame::kAckOffset] != 0)
      return SendResult::Acknowledged;
    pause.Sleep(kRetryPauseMs);
  }
  return answered ? SendResult::NotAcknowledged : SendResult::NoReply;
}

SendResult SendFeatureCommand(DeviceLink& link, FeatureCommand command, std::uint8_t position,
                              std::span<const std::uint8_t> payload) {
  return SendFeatureCommand(link, static_cast<std::uint8_t>(command), position, payload);
}

SendResult ResetDeviceToDefaults(DeviceLink& link) {
  constexpr std::array<std::uint8_t, 1> kAll{0xFF};
  return SendFeatureCommand(link, FeatureCommand::CmdFactoryReset, kSinglePacket, kAll);
}

LinkStateReply QueryLinkState(DeviceLink& link) {
  const auto route = link.PickCommandInterface();
  if (!route) return {};
  LinkStateReport report = LinkStateRequest();
  if (!route->Handle->GetFeature(report.bytes)) return {};
  const LinkStateReply reply = ParseLinkStateReply(report.bytes);
  if (reply.Valid) link.LinkUp = reply.Linked ? 1 : 0;
  return reply;
}

}  // namespace corvane
