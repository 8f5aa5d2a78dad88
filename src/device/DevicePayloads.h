#pragma once
// The payloads of the configuration commands, built from a profile: pure functions, one
// source file per command group. The blocks are what the shadow compares; the packet
// functions lay a block out as the command's payload bytes.
#include <array>
#include <cstdint>

#include "device/DeviceShadow.h"

namespace corvane {

struct ProfileRecord;
struct DpiStepTables;

// Payload of CmdButtonMap: the 21 value bytes, then six 0xFF.
using ButtonMapPayload = std::array<std::uint8_t, 27>;
// Payload of one CmdDpiLevels packet: level, mask, six codes of one axis, four zeros.
using DpiPacketPayload = std::array<std::uint8_t, 18>;

enum class DpiAxis : std::uint8_t { X = 0, Y = 1 };

// Value bytes of buttons 0, 1, 2, 4, 3, 5, 6: the device has buttons 3 and 4 the other
// way round.
ButtonBlock BuildButtonBlock(const ProfileRecord& record);
ButtonMapPayload BuildButtonMapPayload(const ButtonBlock& block);

// Level, enable mask, then per axis the codes of levels 0..5 (low byte first) and two
// zero words: the device has six levels; levels 6 and 7 are never sent.
DpiBlock BuildDpiBlock(const ProfileRecord& record, const DpiStepTables& tables);
DpiPacketPayload BuildDpiPacketPayload(const DpiBlock& block, DpiAxis axis);
// Packet positions of the two CmdDpiLevels packets.
constexpr std::uint8_t kDpiPacketPositionX = 0x02;
constexpr std::uint8_t kDpiPacketPositionY = 0x12;

// The eight level colours as red, green, blue.
ColourBlock BuildColourBlock(const ProfileRecord& record);
std::uint8_t BuildPollingCode(const ProfileRecord& record);
std::uint8_t BuildLiftCode(const ProfileRecord& record);      // 1, or 2 for anything else
std::uint8_t BuildDebounceCode(const ProfileRecord& record);  // low byte of KeyDebounce

// The lighting frame as the upload sends it: 0xFF, mode, (brightness+1)<<4 | (speed+1),
// the direction of mode 1, the colour of mode 6 slot 0; the rest zero.
LightingBlock BuildLightingBlock(const ProfileRecord& record);
// The lighting block as a shadow rebuild records it: byte 0 tells the effect family
// (0xFF modes 0..7, 8 with the two colours of mode 8, 2 for mode 9, 0 otherwise), so
// that the next upload after a rebuild in mode 8 or 9 sends the lighting again.
LightingBlock BuildLightingShadowBlock(const ProfileRecord& record);

PowerBlock BuildPowerBlock(const ProfileRecord& record);  // power-down, lighting-off, move-lighting
std::uint8_t BuildMotionWakeupByte(const ProfileRecord& record);
SensorOptionsBlock BuildSensorOptionsBlock(const ProfileRecord& record);  // angle snap, motion sync, ripple

// Low byte of a named setting read as a decimal number.
std::uint8_t SettingLowByte(const ProfileRecord& record, int setting);

}  // namespace corvane
