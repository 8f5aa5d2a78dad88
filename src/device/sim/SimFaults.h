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
  // Faults that begin at the Nth command frame (report 9) from now, counted down like
  // unplugAtFrame; 0 = off. Once begun they last until a device leaves the bus (or the
  // program ends: they are not written to the state file).
  // noAckAtFrame: that packet is not taken, and neither are its retries (the same command
  // and packet position); the mouse takes the next packet again.
  std::uint32_t noAckAtFrame = 0;
  // garbageRepliesFromFrame: from that frame on the mouse takes nothing and answers every
  // acknowledgement read with noise under a foreign report id.
  std::uint32_t garbageRepliesFromFrame = 0;
  // repliesLostFromFrame: from that frame on the mouse takes nothing and no acknowledgement
  // read is ever answered: each fails after the HID layer's timeout (SimTimings).
  std::uint32_t repliesLostFromFrame = 0;
  // The receiver leaves the bus this long into a pairing wait; 0 = it stays.
  std::uint32_t receiverLeavesPairingAfterMs = 0;

  // Each status report is preceded by garbage (a report with a foreign id and a
  // truncated report 7), and link-state replies carry a wrong signature.
  bool garbageReports = false;

  // Firmware: each flash block write at or above fwRejectFrom is refused this many times
  // before it is taken; -1 = always refused.
  int fwRejectWrites = 0;
  std::uint32_t fwRejectFrom = 0;
  // Reads of the application area come back with one byte altered.
  bool fwCorruptReadBack = false;
  // From the Nth firmware frame (report 0xBF) from now the cable mouse stops answering:
  // its writes still go through at the HID level but do nothing, and every read fails
  // after the HID layer's timeout (SimTimings). Counted down like unplugAtFrame; lasts
  // until the mouse leaves the bus.
  std::uint32_t fwSilentFromFrame = 0;
  // A restart never installs the new application, so its checksum stays the old one.
  bool fwChecksumStuck = false;

  // The receiver finds no mouse when asked to pair.
  bool pairingFails = false;

  bool operator==(const SimFaults&) const = default;
};

}  // namespace corvane
