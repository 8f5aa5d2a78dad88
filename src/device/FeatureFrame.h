#pragma once
// One command frame as it travels in feature report 9, and the link-state reply of
// feature report 8. Both are 32 bytes with the report id in byte 0.
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "device/DeviceConstants.h"
#include "device/FeatureCommand.h"

namespace corvane {

struct FeatureFrame {
  static constexpr std::size_t kReportIdOffset = 0;
  static constexpr std::size_t kCommandOffset = 1;
  static constexpr std::size_t kSequenceOffset = 2;
  static constexpr std::size_t kPositionOffset = 3;
  static constexpr std::size_t kChecksumOffset = 4;
  static constexpr std::size_t kPayloadOffset = 5;
  static constexpr std::size_t kPayloadLength = kReportLength - kPayloadOffset;
  // The device's acknowledgement is the only reply byte read back.
  static constexpr std::size_t kAckOffset = 1;

  std::array<std::uint8_t, kReportLength> bytes{};
};
static_assert(sizeof(FeatureFrame) == kReportLength);
static_assert(FeatureFrame::kPayloadLength == 27);

// High nibble: index of the packet within its transfer; low nibble: packets in the transfer.
constexpr std::uint8_t PacketPosition(unsigned index, unsigned count) {
  return static_cast<std::uint8_t>(((index & 0x0F) << 4) | (count & 0x0F));
}
constexpr std::uint8_t kSinglePacket = PacketPosition(0, 1);

// Sum of all 32 bytes modulo 256, with the checksum byte counted as 0.
std::uint8_t FrameChecksum(std::span<const std::uint8_t, kReportLength> frame);

// A zero-filled frame with the header, the payload (at most 27 bytes; more is cut off)
// and the checksum.
FeatureFrame BuildFeatureFrame(std::uint8_t command, std::uint8_t sequence, std::uint8_t position,
                               std::span<const std::uint8_t> payload);

// The unsigned 8-bit counter every built frame takes its sequence byte from. It starts at
// 1 and wraps from 255 to 0.
class FrameSequence {
 public:
  std::uint8_t Next() { return value_++; }
  std::uint8_t Peek() const { return value_; }

 private:
  std::uint8_t value_ = 1;
};

}  // namespace corvane
