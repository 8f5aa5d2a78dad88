#pragma once
// Device constants shared by the program and the simulated mouse.
#include <array>
#include <cstddef>
#include <cstdint>

namespace corvane {

// Every report of this device is 32 bytes on the wire (report id included).
constexpr std::size_t kReportLength = 32;

constexpr std::uint8_t kReportStatus = 7;     // input: status stream
constexpr std::uint8_t kReportLinkState = 8;  // feature: link state
constexpr std::uint8_t kReportCommand = 9;    // feature: command frames
constexpr std::uint8_t kReportPairing = 0xBC;
constexpr std::uint8_t kReportFirmware = 0xBF;

// Bytes 1..4 of a valid link-state reply.
constexpr std::array<std::uint8_t, 4> kLinkStateSignature{'C', 'R', 'V', 'N'};
// Unlock code of the firmware's flash writes.
constexpr std::array<std::uint8_t, 4> kFirmwareUnlockCode{0x5A, 0xA5, 0xC3, 0x3C};

}  // namespace corvane
