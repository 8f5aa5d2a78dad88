#include "device/sim/SimMouse.h"

#include <array>

namespace corvane {
namespace {

constexpr std::array<std::size_t, kSimButtonCount> kDevicePosition{0, 1, 2, 4, 3, 5, 6};

constexpr std::array<std::uint8_t, 8> kLightingCycle{1, 2, 3, 4, 5, 6, 7, 0};

constexpr std::uint8_t kSystemQuickLaunch = 0x05;

SimPressResult DpiFunction(SimMouseState& m, std::uint8_t param, std::size_t) {
  if (param < 0x01 || param > 0x03) return {};
  return {StepDpiLevel(m, static_cast<SimDpiStep>(param)), 0};
}

SimPressResult SystemFunction(SimMouseState&, std::uint8_t param, std::size_t profileButton) {
  if (param != kSystemQuickLaunch) return {};
  return {true, static_cast<std::uint8_t>(profileButton + 1)};
}

// Families whose press the mouse reports; clicks, keys, media keys, fire, DPI lock and
// macros act on the computer only.
struct ButtonFamily {
  std::uint8_t family;
  SimPressResult (*press)(SimMouseState& m, std::uint8_t param, std::size_t profileButton);
};

constexpr std::array<ButtonFamily, 2> kReportingFamilies{{
    {0x40, DpiFunction},
    {0x60, SystemFunction},
}};

}  // namespace

bool StepDpiLevel(SimMouseState& mouse, SimDpiStep step) {
  SimSettings& s = mouse.settings;
  const int count = static_cast<int>(kSimDpiCodeLevels);
  const int direction = step == SimDpiStep::Down ? -1 : 1;
  int from = s.dpiLevel;
  // A level without a sensor code (6, 7) steps as if it lay just outside the ladder.
  if (from >= count) from = direction < 0 ? count : -1;
  for (int k = 1; k <= count; ++k) {
    int level = from + direction * k;
    if (step == SimDpiStep::Cycle) {
      level = ((level % count) + count) % count;
    } else if (level < 0 || level >= count) {
      return false;
    }
    if (level == s.dpiLevel) return false;
    if (s.dpiMask & (1u << level)) {
      s.dpiLevel = static_cast<std::uint8_t>(level);
      return true;
    }
  }
  return false;
}

void NextLightingMode(SimMouseState& mouse) {
  std::uint8_t& mode = mouse.settings.lighting[SimLighting::kMode];
  std::uint8_t next = kLightingCycle[0];
  for (std::size_t i = 0; i < kLightingCycle.size(); ++i) {
    if (kLightingCycle[i] == mode) next = kLightingCycle[(i + 1) % kLightingCycle.size()];
  }
  mode = next;
}

std::size_t DevicePositionOfButton(std::size_t profileButton) { return kDevicePosition.at(profileButton); }

SimPressResult PressMouseButton(SimMouseState& mouse, std::size_t profileButton) {
  if (profileButton >= kSimButtonCount) return {};
  const std::size_t at = DevicePositionOfButton(profileButton) * 3;
  const std::uint8_t family = mouse.settings.buttons[at];
  const std::uint8_t param = mouse.settings.buttons[at + 1];
  for (const auto& f : kReportingFamilies) {
    if (f.family == family) return f.press(mouse, param, profileButton);
  }
  return {};
}

}  // namespace corvane
