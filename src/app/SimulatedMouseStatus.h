#pragma once
// What the "Simulated mouse" window shows of the simulated devices: a few values read in
// one go under the simulator's lock (its whole state carries the 512 KB flash, too much
// to copy on every clock tick), and the lines the window writes for them.
#include <array>
#include <cstdint>

#include <QString>

#include "device/DeviceRole.h"

namespace corvane {

class SimBackend;

struct SimulatedMouseStatus {
  std::array<bool, kRoleCount> present{};
  std::uint8_t battery = 0;       // percent
  std::uint8_t charge = 0;        // 0 not charging, 1 charging, 2 full
  std::uint8_t dpiLevel = 0;      // 0-based, as the status report carries it
  std::uint8_t lightingMode = 0;  // effect mode, 0 = off
  std::uint8_t sensorLetter = 0;
  bool linked = false;            // the receiver's link to its mouse
  bool pairing = false;           // the receiver is looking for a mouse
  std::uint32_t pairingLeftMs = 0;
  std::uint64_t now = 0;          // the devices' virtual clock, ms
};

SimulatedMouseStatus ReadSimulatedMouseStatus(const SimBackend& sim);

// The lines of the window's state panel.
QString ConnectedRolesText(const SimulatedMouseStatus& s);  // "cable, receiver" or "none"
QString BatteryText(const SimulatedMouseStatus& s);         // "57 %, charging"
QString DpiLevelText(const SimulatedMouseStatus& s);        // "DPI-3 (level 2)"
QString LinkText(const SimulatedMouseStatus& s);            // "linked", "pairing (1.5 s left)" ...
QString SensorText(std::uint8_t letter);                    // "P (0x3311)"
QString ClockText(const SimulatedMouseStatus& s);           // "12.35 s"

// Display name of a connection: "cable", "receiver", "Bluetooth".
QString RoleText(DeviceRole role);
// Names of the charge states 0..2, as the window's charge choice lists them.
QString ChargeText(std::uint8_t charge);

}  // namespace corvane
