#pragma once
// Faults the simulated device shows on demand, to try the program against a mouse that
// misbehaves. All off by default.
#include <cstdint>

namespace corvane {

struct SimFaults {
  // Command frames (report 9) are never acknowledged and never take effect.
  bool noAck = false;
  // Each command is acknowledged (and takes effect) only on its Nth consecutive attempt;
  // 0 or 1 = the first.
  std::uint8_t ackAfterAttempts = 0;
  // The device refuses command frames at the HID level (the write itself fails).
  bool rejectWrites = false;
  // The Nth feature write from now (any report) pulls the device it was sent to off the
  // bus; the write fails. Counts down; 0 = off.
  std::uint32_t unplugAtFrame = 0;
  // Each status report is preceded by garbage (a report with a foreign id and a
  // truncated report 7), and link-state replies carry a wrong signature.
  bool garbageReports = false;

  // Firmware: each flash block write at or above fwRejectFrom is refused this many times
  // before it is taken; -1 = always refused.
  int fwRejectWrites = 0;
  std::uint32_t fwRejectFrom = 0;
  // Reads of the application area come back with one byte altered.
  bool fwCorruptReadBack = false;
  // A restart never installs the new application, so its checksum stays the old one.
  bool fwChecksumStuck = false;

  // The receiver finds no mouse when asked to pair.
  bool pairingFails = false;

  bool operator==(const SimFaults&) const = default;
};

}  // namespace corvane
