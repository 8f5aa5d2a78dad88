#pragma once
// Shared vocabulary of the simulated mouse and receiver: the interfaces each role
// exposes, what the model hands to the HID side (input reports, arrival, removal), and
// the device's timings on virtual time.
#include <array>
#include <cstdint>
#include <vector>

#include "device/DeviceConstants.h"
#include "device/DeviceRole.h"

namespace corvane {

// Every role exposes a vendor interface for the status stream, a vendor interface for
// feature reports, and the plain pointer interface the system uses for the cursor.
enum class SimInterface : std::uint8_t { Input = 0, Feature = 1, Pointer = 2 };
constexpr std::size_t kSimInterfaceCount = 3;

// One byte buffer with its report id in byte 0, as HID hands it out.
using SimReport = std::vector<std::uint8_t>;

struct SimEvent {
  enum class Kind : std::uint8_t { InputReport, Removed, Arrived };
  Kind kind = Kind::InputReport;
  DeviceRole role = DeviceRole::Wired;
  SimReport report;  // InputReport only
};

// The flash of the mouse: 512 KB in 4 KB sectors.
constexpr std::uint32_t kSimFlashSize = 0x80000;
constexpr std::uint32_t kSimSectorSize = 0x1000;

// Timings of the device on virtual time (milliseconds).
struct SimTimings {
  // A pairing request finds the mouse and links it after this long.
  static constexpr std::uint32_t kPairingLinkMs = 2000;
  // Without a mouse to find, the receiver leaves pairing mode after this long.
  static constexpr std::uint32_t kPairingWindowMs = 30000;
  // After a restart the cable mouse is gone from the bus this long.
  static constexpr std::uint32_t kRestartAbsentMs = 3000;
  // The flash refuses firmware reports while an erase runs.
  static constexpr std::uint32_t kApplicationEraseBusyMs = 2000;
  static constexpr std::uint32_t kSectorEraseBusyMs = 50;
  // A feature read the device never answers fails after this long (the kernel's timeout
  // for a USB control transfer).
  static constexpr std::uint32_t kReplyTimeoutMs = 5000;
};

// Product version of each role's interfaces; the firmware update requires major 2 on
// the cable.
constexpr std::uint16_t kSimWiredVersion = 0x0201;
constexpr std::uint16_t kSimReceiverVersion = 0x0110;
constexpr std::uint16_t kSimBluetoothVersion = 0x0201;

}  // namespace corvane
