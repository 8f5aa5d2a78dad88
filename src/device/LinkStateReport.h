#pragma once
// Feature report 8: the link-state reply. Byte 0 is the report id, bytes 1..4 the
// device's signature, byte 5 the link flag (non-zero: the mouse can be reached through
// this interface); the other bytes mean nothing.
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "device/DeviceConstants.h"

namespace corvane {

struct LinkStateReport {
  static constexpr std::size_t kReportIdOffset = 0;
  static constexpr std::size_t kSignatureOffset = 1;
  static constexpr std::size_t kLinkFlagOffset = 5;

  std::array<std::uint8_t, kReportLength> bytes{};
};
static_assert(sizeof(LinkStateReport) == kReportLength);
static_assert(LinkStateReport::kSignatureOffset + kLinkStateSignature.size() == LinkStateReport::kLinkFlagOffset);

// What one query learned. Valid is false when nothing usable came back; Linked is then
// meaningless and the link state keeps its previous value.
struct LinkStateReply {
  bool Valid = false;
  bool Linked = false;
};

// The read buffer as it is handed to the device: all 0xFF with the report id in byte 0,
// so a short or failed reply cannot pass for a valid one.
LinkStateReport LinkStateRequest();

// Valid only with report id 8 and the signature in bytes 1..4; a shorter buffer is never valid.
LinkStateReply ParseLinkStateReply(std::span<const std::uint8_t> reply);

}  // namespace corvane
