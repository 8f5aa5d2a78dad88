#include "device/ImageChecksum.h"

#include <array>

namespace corvane {
namespace {

constexpr std::uint32_t kPolynomial = 0xEDB88320;

constexpr std::array<std::uint32_t, 256> BuildTable() {
  std::array<std::uint32_t, 256> table{};
  for (std::uint32_t i = 0; i < 256; ++i) {
    std::uint32_t c = i;
    for (int bit = 0; bit < 8; ++bit) c = (c & 1) ? kPolynomial ^ (c >> 1) : c >> 1;
    table[i] = c;
  }
  return table;
}

constexpr std::array<std::uint32_t, 256> kTable = BuildTable();
static_assert(kTable[1] == 0x77073096 && kTable[255] == 0x2D02EF8D);

}  // namespace

std::uint32_t ImageChecksumTableEntry(std::uint8_t index) { return kTable[index]; }

std::uint32_t UpdateImageChecksum(std::uint32_t state, std::span<const std::uint8_t> bytes) {
  for (const std::uint8_t b : bytes) state = (state >> 8) ^ kTable[(state ^ b) & 0xFF];
  return state;
}

std::uint32_t ImageChecksum(std::span<const std::uint8_t> image) {
  if (image.size() <= kImageChecksumStart) return kImageChecksumSeed;
  return UpdateImageChecksum(kImageChecksumSeed, image.subspan(kImageChecksumStart));
}

}  // namespace corvane
