#pragma once
// The mouse's flash memory as the firmware report reaches it: 512 KB of NOR flash in
// 4 KB sectors. Erasing sets bytes to 0xFF; programming can only clear bits, so data
// written over data that was not erased comes out as the AND of both.
#include <cstdint>
#include <span>
#include <vector>

#include "device/sim/SimTypes.h"

namespace corvane {

class SimFlash {
 public:
  SimFlash() : bytes_(kSimFlashSize, 0xFF) {}

  static bool InRange(std::uint32_t address, std::size_t length) {
    return address <= kSimFlashSize && length <= kSimFlashSize - address;
  }
  static std::uint32_t SectorOf(std::uint32_t address) { return address & ~(kSimSectorSize - 1); }

  // False (nothing changed) when the range leaves the flash.
  bool Program(std::uint32_t address, std::span<const std::uint8_t> data);
  // Sets the bytes as given, the way the firmware rewrites its information block.
  bool Replace(std::uint32_t address, std::span<const std::uint8_t> data);
  bool EraseSector(std::uint32_t address);
  // Erases every sector that overlaps [from, to).
  void EraseRange(std::uint32_t from, std::uint32_t to);
  bool Read(std::uint32_t address, std::span<std::uint8_t> out) const;

  std::span<const std::uint8_t> Bytes() const { return bytes_; }
  std::span<const std::uint8_t> Range(std::uint32_t from, std::uint32_t to) const {
    return std::span<const std::uint8_t>(bytes_).subspan(from, to - from);
  }
  bool IsBlank(std::uint32_t from, std::uint32_t to) const;
  bool operator==(const SimFlash&) const = default;

 private:
  std::vector<std::uint8_t> bytes_;
};

}  // namespace corvane
