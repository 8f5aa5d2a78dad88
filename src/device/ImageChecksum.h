#pragma once
// The checksum the mouse keeps for its firmware: CRC-32 (reflected polynomial
// 0xEDB88320, start value 0xFFFFFFFF) of the image from byte 16 on, without the final
// inversion. The first 16 bytes are the image header that carries it.
#include <cstddef>
#include <cstdint>
#include <span>

namespace corvane {

// Bytes of an image before the checksummed part.
constexpr std::size_t kImageChecksumStart = 16;
constexpr std::uint32_t kImageChecksumSeed = 0xFFFFFFFF;

// Entry of the standard 256-entry table of the polynomial.
std::uint32_t ImageChecksumTableEntry(std::uint8_t index);

// Continues a running checksum over more bytes (no inversion at either end).
std::uint32_t UpdateImageChecksum(std::uint32_t state, std::span<const std::uint8_t> bytes);

// The checksum of bytes 16 .. size-1; an image of 16 bytes or fewer gives the seed.
std::uint32_t ImageChecksum(std::span<const std::uint8_t> image);

}  // namespace corvane
