#pragma once
// The mouse's macro store: slots 1..15, each a list of 3-byte actions received in
// 25-byte packets. The store is cleared as a whole before macros are rewritten.
#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace corvane {

constexpr std::size_t kSimMacroSlots = 16;         // slot numbers are 4 bits; 0 is not used
constexpr std::size_t kSimMacroPacketBytes = 25;   // action bytes per packet
constexpr std::size_t kSimMacroMaxPackets = 15;    // the packet count is 4 bits
constexpr std::size_t kSimMacroSlotBytes = kSimMacroPacketBytes * kSimMacroMaxPackets;

struct SimMacroSlot {
  std::uint8_t packets = 0;        // packets of the transfer (low nibble of the position)
  std::uint16_t receivedMask = 0;  // bit k: packet k arrived
  std::uint16_t length = 0;        // bytes received up to the end of the furthest packet
  std::array<std::uint8_t, kSimMacroSlotBytes> data{};

  bool Empty() const { return packets == 0; }
  bool Complete() const { return packets != 0 && receivedMask == (1u << packets) - 1; }
  std::span<const std::uint8_t> Bytes() const { return {data.data(), length}; }
  bool operator==(const SimMacroSlot&) const = default;
};

class SimMacroStore {
 public:
  void Clear() { slots_ = {}; }
  // One CmdMacroData packet: position = (k << 4) | n, payload = the 27 frame bytes from
  // byte 5. False (and nothing stored) for a packet the device cannot place.
  bool TakePacket(std::uint8_t position, std::span<const std::uint8_t> payload);

  const SimMacroSlot& Slot(std::size_t slot) const { return slots_.at(slot); }
  SimMacroSlot& MutableSlot(std::size_t slot) { return slots_.at(slot); }
  bool operator==(const SimMacroStore&) const = default;

 private:
  std::array<SimMacroSlot, kSimMacroSlots> slots_{};
};

}  // namespace corvane
