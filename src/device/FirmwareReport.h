#pragma once
// Feature report 0xBF, the cable mouse's firmware transfer: 136 bytes, sent and read on
// the wired command interface. Building the requests and reading the replies; nothing
// here talks to the device.
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "device/DeviceConstants.h"

namespace corvane {

enum class FirmwareOp : std::uint8_t {
  FwMemoryAccess = 0,      // write byte 1 bytes at the address, or ask for byte 2 bytes from it
  FwEraseApplication = 1,  // erase the application area (the device is busy for a while)
  FwRestart = 2,           // restart into the new firmware; the device leaves the bus
  FwEraseSector = 3,       // erase the 4 KB sector at the address
  FwWriteInfo = 4,         // write byte 4 bytes at the address (the information area)
  FwUnlock = 5,            // bytes 4..7: the unlock code opens the loader area, zeros lock it
};

struct FirmwareReport {
  static constexpr std::size_t kSize = 136;
  static constexpr std::size_t kReportIdOffset = 0;
  static constexpr std::size_t kWriteCountOffset = 1;
  static constexpr std::size_t kReadCountOffset = 2;
  static constexpr std::size_t kOperationOffset = 3;
  static constexpr std::size_t kParamOffset = 4;    // info-write length; first unlock-code byte
  static constexpr std::size_t kAddressOffset = 5;  // 3 bytes, most significant first
  static constexpr std::size_t kDataOffset = 8;
  static constexpr std::size_t kMaxData = 128;

  std::array<std::uint8_t, kSize> bytes{};

  std::span<std::uint8_t, kMaxData> Data() { return std::span(bytes).subspan<kDataOffset, kMaxData>(); }
  std::span<const std::uint8_t, kMaxData> Data() const {
    return std::span(bytes).subspan<kDataOffset, kMaxData>();
  }
  std::uint32_t Address() const;
  void SetAddress(std::uint32_t address);
};
static_assert(sizeof(FirmwareReport) == FirmwareReport::kSize);
static_assert(FirmwareReport::kDataOffset + FirmwareReport::kMaxData == FirmwareReport::kSize);

// Flash addresses the update works with.
struct FirmwareFlash {
  static constexpr std::uint32_t kBlockSize = 128;
  static constexpr std::uint32_t kSectorSize = 0x1000;
  // Loader: 43 sectors from 0 (0x2B000 bytes, 1376 blocks).
  static constexpr std::uint32_t kLoaderSectors = 43;
  static constexpr std::uint32_t kLoaderEnd = kLoaderSectors * kSectorSize;
  static constexpr std::uint32_t kLoaderBlocks = kLoaderEnd / kBlockSize;
  // The window compared to tell whether the device holds the carried loader.
  static constexpr std::uint32_t kLoaderProbeStart = 0x10000;
  static constexpr std::uint32_t kLoaderProbeEnd = 0x11000;
  static constexpr std::uint32_t kApplicationStart = 0x52000;
  static constexpr std::uint32_t kRunningHeader = 0x2B070;
  static constexpr std::uint32_t kInfoBlock = 0x7E000;
  static constexpr std::uint32_t kInfoTail = 0x7E008;
  static constexpr std::uint32_t kInfoSectors[3] = {0x7F000, 0x7C000, 0x7D000};
};
static_assert(FirmwareFlash::kLoaderBlocks == 1376);

// Reads: byte 2 = count (at most 128), operation 0. The same buffer is then read back.
FirmwareReport FirmwareReadRequest(std::uint32_t address, std::size_t count);
// Writes: byte 1 = the data's length (at most 128 are taken), operation 0.
FirmwareReport FirmwareWriteRequest(std::uint32_t address, std::span<const std::uint8_t> data);
// Operations that carry nothing but the address (erase, sector erase, restart).
FirmwareReport FirmwareOperation(FirmwareOp op, std::uint32_t address = 0);
// Unlock with the code; a code of zeros locks again.
FirmwareReport FirmwareUnlockRequest(std::span<const std::uint8_t, 4> code);
// Information write of length bytes of data at the address; the buffer's other bytes are
// whatever the caller put there (the update rewrites a block it has just read).
void MakeInfoWrite(FirmwareReport& report, std::uint32_t address, std::uint8_t length);

// The device's application checksum: the first four data bytes, little-endian.
std::uint32_t ChecksumOfReply(const FirmwareReport& reply);

}  // namespace corvane
