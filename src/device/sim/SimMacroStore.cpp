#include "device/sim/SimMacroStore.h"

#include <algorithm>

namespace corvane {

bool SimMacroStore::TakePacket(std::uint8_t position, std::span<const std::uint8_t> payload) {
  if (payload.size() < 2 + kSimMacroPacketBytes) return false;
  const unsigned index = position >> 4;
  const unsigned count = position & 0x0F;
  const unsigned dataBytes = payload[0];  // number of data bytes plus 1
  const unsigned slot = payload[1];
  if (count == 0 || index >= count || dataBytes == 0 || dataBytes > kSimMacroPacketBytes + 1) return false;
  if (slot == 0 || slot >= kSimMacroSlots) return false;

  SimMacroSlot& s = slots_[slot];
  // The first packet of a transfer starts the slot afresh; a later packet must belong to
  // the transfer that is under way.
  if (index == 0) {
    s = SimMacroSlot{};
    s.packets = static_cast<std::uint8_t>(count);
  } else if (s.packets != count) {
    return false;
  }
  const std::size_t offset = index * kSimMacroPacketBytes;
  const std::size_t n = dataBytes - 1;
  std::copy_n(payload.begin() + 2, n, s.data.begin() + static_cast<std::ptrdiff_t>(offset));
  s.receivedMask = static_cast<std::uint16_t>(s.receivedMask | (1u << index));
  s.length = static_cast<std::uint16_t>(std::max<std::size_t>(s.length, offset + n));
  return true;
}

}  // namespace corvane
