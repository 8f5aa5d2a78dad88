#pragma once
// Everything the simulated mouse and receiver keep between runs: the mouse's
// configuration and macro store, its battery and sensor, the receiver's link, the
// firmware's flash, the version the cable interface reports, and the fault switches.
#include <cstdint>

#include "device/sim/SimFaults.h"
#include "device/sim/SimFirmware.h"
#include "device/sim/SimMacroStore.h"
#include "device/sim/SimSettings.h"
#include "device/sim/SimTypes.h"

namespace corvane {

struct SimMouseState {
  SimSettings settings = FactorySettings(kSimDefaultSensorLetter);
  SimMacroStore macros;
  std::uint8_t sensorLetter = kSimDefaultSensorLetter;
  std::uint8_t battery = 100;  // percent
  std::uint8_t charge = 0;     // 0 not charging, 1 charging, 2 full
  bool operator==(const SimMouseState&) const = default;
};

struct SimReceiverState {
  bool linked = true;  // the receiver starts with its mouse linked
  bool pairing = false;              // looking for a mouse
  bool pairingFindsMouse = false;   // how the attempt under way ends
  std::uint32_t pairingLeftMs = 0;  // virtual time until it ends
  bool operator==(const SimReceiverState&) const = default;
};

struct SimState {
  SimMouseState mouse;
  SimReceiverState receiver;
  SimFirmwareState firmware = FactoryFirmware();
  std::uint16_t wiredVersion = kSimWiredVersion;
  SimFaults faults;
  bool operator==(const SimState&) const = default;
};

}  // namespace corvane
