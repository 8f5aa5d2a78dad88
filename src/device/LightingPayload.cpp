#include "device/DevicePayloads.h"
#include "settings/ProfileTable.h"

namespace corvane {

namespace {

constexpr std::size_t kSolidMode = 6;      // its slot 0 is the colour every frame carries
constexpr std::size_t kDirectionMode = 1;  // its direction is the one every frame carries
constexpr std::size_t kDualColourMode = 8;
constexpr std::size_t kMode9 = 9;

void PutColour(LightingBlock& block, std::size_t at, std::uint32_t c) {
  block[at] = static_cast<std::uint8_t>(c & 0xFF);
  block[at + 1] = static_cast<std::uint8_t>((c >> 8) & 0xFF);
  block[at + 2] = static_cast<std::uint8_t>((c >> 16) & 0xFF);
}

// Per-mode entry of the current mode. A mode past the ten per-mode entries (a garbled
// profile file or device report) reads 0 instead of memory beyond the table.
std::uint8_t ModeEntry(const std::array<std::uint8_t, kLightingModeCount>& table, std::size_t mode) {
  return mode < table.size() ? table[mode] : 0;
}

}  // namespace

LightingBlock BuildLightingBlock(const ProfileRecord& record) {
  LightingBlock block{};
  const std::size_t mode = record.Lighting1ModeValue[0];
  block[0] = 0xFF;
  block[1] = static_cast<std::uint8_t>(mode);
  block[2] = static_cast<std::uint8_t>(((ModeEntry(record.Lighting1Brightness, mode) + 1) << 4) |
                                       ((ModeEntry(record.Lighting1Speed, mode) + 1) & 0x0F));
  block[3] = record.Lighting1Direction[kDirectionMode];
  PutColour(block, 4, record.Lighting1FixedColor[kSolidMode][0]);
  return block;
}

LightingBlock BuildLightingShadowBlock(const ProfileRecord& record) {
  LightingBlock block = BuildLightingBlock(record);
  const std::size_t mode = record.Lighting1ModeValue[0];
  if (mode == kDualColourMode) {
    block[0] = 8;
    const auto& selected = record.Lighting1ColorSelected[kDualColourMode];
    const auto& colours = record.Lighting1FixedColor[kDualColourMode];
    if (selected[0]) PutColour(block, 3, colours[0]);
    if (selected[1]) PutColour(block, 6, colours[1]);
  } else if (mode == kMode9) {
    block[0] = 2;
  } else if (mode > kMode9) {
    block[0] = 0;
  }
  return block;
}

}  // namespace corvane
