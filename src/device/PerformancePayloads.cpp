// DPI levels, level colours, polling rate, lift-off distance and key debounce.
#include <algorithm>

#include "device/DevicePayloads.h"
#include "settings/PollingRateTable.h"
#include "settings/ProfileTable.h"
#include "settings/SensorTables.h"

namespace corvane {

namespace {

constexpr std::size_t kDeviceDpiLevels = 6;
constexpr std::size_t kDpiCodesOffset = 2;
// Bytes of one axis in the block: eight 16-bit words, the last two always zero.
constexpr std::size_t kDpiAxisBytes = 2 * kDpiLevelCount;
static_assert(kDpiCodesOffset + 2 * kDpiAxisBytes == kDpiBlockSize);

void PutAxis(DpiBlock& block, std::size_t offset, const std::array<std::uint16_t, kDpiLevelCount>& steps,
             const DpiStepTables& tables) {
  for (std::size_t level = 0; level < kDeviceDpiLevels; ++level) {
    const std::uint16_t code = DpiCodeOfStep(tables, steps[level]);
    block[offset + 2 * level] = static_cast<std::uint8_t>(code & 0xFF);
    block[offset + 2 * level + 1] = static_cast<std::uint8_t>(code >> 8);
  }
}

}  // namespace

std::uint8_t SettingLowByte(const ProfileRecord& record, int setting) {
  return static_cast<std::uint8_t>(record.SettingNumber(setting) & 0xFF);
}

DpiBlock BuildDpiBlock(const ProfileRecord& record, const DpiStepTables& tables) {
  DpiBlock block{};
  block[0] = record.CurrentDPILevel;
  block[1] = record.DPIOffOnFlag;
  PutAxis(block, kDpiCodesOffset, record.XYSettingX, tables);
  PutAxis(block, kDpiCodesOffset + kDpiAxisBytes, record.XYSettingY, tables);
  return block;
}

DpiPacketPayload BuildDpiPacketPayload(const DpiBlock& block, DpiAxis axis) {
  DpiPacketPayload payload{};
  payload[0] = block[0];
  payload[1] = block[1];
  const std::size_t from = kDpiCodesOffset + (axis == DpiAxis::X ? 0 : kDpiAxisBytes);
  // Six codes, then the two unused words as the four trailing zeros.
  std::copy_n(block.begin() + static_cast<std::ptrdiff_t>(from), kDpiAxisBytes, payload.begin() + 2);
  return payload;
}

ColourBlock BuildColourBlock(const ProfileRecord& record) {
  ColourBlock block{};
  for (std::size_t level = 0; level < kDpiLevelCount; ++level) {
    const std::uint32_t c = record.DPILevelIndication[level];
    block[3 * level] = static_cast<std::uint8_t>(c & 0xFF);
    block[3 * level + 1] = static_cast<std::uint8_t>((c >> 8) & 0xFF);
    block[3 * level + 2] = static_cast<std::uint8_t>((c >> 16) & 0xFF);
  }
  return block;
}

std::uint8_t BuildPollingCode(const ProfileRecord& record) {
  return PollingRateOf(record.PollingRateValue[0]).DeviceCode;
}

std::uint8_t BuildLiftCode(const ProfileRecord& record) {
  return record.SettingNumber(kSettingLiftDetectionHeight) == 1 ? 1 : 2;
}

std::uint8_t BuildDebounceCode(const ProfileRecord& record) { return SettingLowByte(record, kSettingKeyDebounce); }

}  // namespace corvane
