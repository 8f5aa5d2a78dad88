#pragma once
// A button's macro as the mouse's macro store takes it: 3-byte device actions with the
// delay after each folded in, and the CmdMacroData packets that carry them.
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "device/DeviceShadow.h"
#include "device/FeatureCommand.h"

namespace corvane {

struct ButtonEntry;
struct MacroAction;

// Byte 0 of a device action: release bit, kind (bits 6..4), delay bits 11..8.
enum class MacroActionKind : std::uint8_t {
  Other = 0,  // passed on unchanged
  MouseButton = 1,
  Modifier = 2,
  Key = 3,
  MoveX = 4,
  MoveY = 5,
  Wheel = 6,
};

using MacroDeviceAction = std::array<std::uint8_t, 3>;

// The encoding block: 9, 0x90, slot, action count, then the actions from byte 4.
constexpr std::size_t kMacroEncodingSize = 1024;
constexpr std::size_t kMacroActionsOffset = 4;
using MacroEncodingBlock = std::array<std::uint8_t, kMacroEncodingSize>;

// The longest delay one action carries (12 bits).
constexpr std::uint32_t kMaxActionDelayMs = 0xFFF;

// One CmdMacroData packet carries 25 action bytes; a transfer has at most 15 packets
// (4-bit count), so the store takes at most 125 actions per macro.
constexpr std::size_t kMacroPacketDataBytes = 25;
constexpr std::size_t kMacroMaxPackets = 15;
constexpr std::uint32_t kMacroStoreMaxActions = kMacroMaxPackets * kMacroPacketDataBytes / 3;

struct MacroEncoding {
  MacroEncodingBlock Block{};
  std::uint32_t ActionCount = 0;  // actions written from byte 4
};

// The kind and byte 2 of a translated key code (VirtualKeyToUsage of the step's code).
MacroActionKind KindOfUsage(std::uint8_t usage);

// One step (not a delay) with the delay that follows it, capped at 4095 ms.
MacroDeviceAction EncodeMacroAction(const MacroAction& step, std::uint32_t delayMs);

// The whole macro of a button: slot from value byte 1, count from the macro copy's
// MacroCommandActionNum. Delay steps fold into the action before them; a delay that
// follows a delay, or opens the macro, is dropped.
MacroEncoding EncodeMacroButton(const ButtonEntry& button);

struct MacroDataPacket {
  std::uint8_t Position = 0;  // packet index << 4 | packet count
  std::array<std::uint8_t, 27> Payload{};
};

// Packets of a macro of commandActions actions from its shadow block: payload byte 0 =
// the packet's data bytes + 1, byte 1 = slot, then 25 bytes of the block from byte
// 4 + 25 k. At least one packet; empty when the macro needs more than 15 packets.
std::vector<MacroDataPacket> BuildMacroDataPackets(const MacroShadowBlock& block, std::uint8_t slot,
                                                   std::uint32_t commandActions);

}  // namespace corvane
