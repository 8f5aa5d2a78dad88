#pragma once
// What the mouse does by itself when its buttons are pressed: the DPI switch, the
// lighting switch, and the seven buttons as their assigned functions make them act.
#include <cstdint>

#include "device/sim/SimState.h"

namespace corvane {

enum class SimDpiStep : std::uint8_t { Cycle = 0x01, Up = 0x02, Down = 0x03 };

struct SimPressResult {
  bool statusChanged = false;    // the mouse reports its state
  std::uint8_t quickLaunch = 0;  // n = ask for the target of the program's button n-1
};

// The next enabled level with a sensor code: Cycle wraps round, Up and Down stop at the
// ends. False when the level stays.
bool StepDpiLevel(SimMouseState& mouse, SimDpiStep step);
// The lighting switch walks the named effects 1..7, then off (0), then 1 again.
void NextLightingMode(SimMouseState& mouse);
// Device position of the program's button i (the program's buttons 3 and 4 swap places).
std::size_t DevicePositionOfButton(std::size_t profileButton);
// A press of the program's button i (0..6) as its assigned function acts on the mouse.
SimPressResult PressMouseButton(SimMouseState& mouse, std::size_t profileButton);

}  // namespace corvane
