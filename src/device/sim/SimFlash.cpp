#include "device/sim/SimFlash.h"

#include <algorithm>

namespace corvane {

bool SimFlash::Program(std::uint32_t address, std::span<const std::uint8_t> data) {
  if (!InRange(address, data.size())) return false;
  for (std::size_t i = 0; i < data.size(); ++i) bytes_[address + i] &= data[i];
  return true;
}

bool SimFlash::Replace(std::uint32_t address, std::span<const std::uint8_t> data) {
  if (!InRange(address, data.size())) return false;
  std::copy(data.begin(), data.end(), bytes_.begin() + address);
  return true;
}

bool SimFlash::EraseSector(std::uint32_t address) {
  if (address >= kSimFlashSize) return false;
  const std::uint32_t start = SectorOf(address);
  std::fill_n(bytes_.begin() + start, kSimSectorSize, 0xFF);
  return true;
}

void SimFlash::EraseRange(std::uint32_t from, std::uint32_t to) {
  to = std::min(to, kSimFlashSize);
  for (std::uint32_t s = SectorOf(from); s < to; s += kSimSectorSize) EraseSector(s);
}

bool SimFlash::Read(std::uint32_t address, std::span<std::uint8_t> out) const {
  if (!InRange(address, out.size())) return false;
  std::copy_n(bytes_.begin() + address, out.size(), out.begin());
  return true;
}

bool SimFlash::IsBlank(std::uint32_t from, std::uint32_t to) const {
  return std::all_of(bytes_.begin() + from, bytes_.begin() + to, [](std::uint8_t b) { return b == 0xFF; });
}

}  // namespace corvane
