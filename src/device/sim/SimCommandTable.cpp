#include "device/sim/SimCommandTable.h"

#include <algorithm>
#include <array>

namespace corvane {
namespace {

using Payload = std::span<const std::uint8_t>;

template <std::size_t N>
void CopyPayload(std::array<std::uint8_t, N>& to, Payload payload) {
  std::copy_n(payload.begin(), N, to.begin());
}

bool ButtonMap(SimMouseState& m, std::uint8_t, Payload p) {
  CopyPayload(m.settings.buttons, p);
  return true;
}

// Packet 0 (position 0x02) carries the X codes, packet 1 (0x12) the Y codes; both carry
// the active level and the enabled mask.
bool DpiLevels(SimMouseState& m, std::uint8_t position, Payload p) {
  if ((position != 0x02 && position != 0x12) || p[0] >= kSimDpiLevels) return false;
  auto& codes = position == 0x02 ? m.settings.dpiX : m.settings.dpiY;
  m.settings.dpiLevel = p[0];
  m.settings.dpiMask = p[1];
  for (std::size_t i = 0; i < codes.size(); ++i) {
    codes[i] = static_cast<std::uint16_t>(p[2 + 2 * i] | (p[3 + 2 * i] << 8));
  }
  return true;
}

bool DpiColours(SimMouseState& m, std::uint8_t, Payload p) {
  CopyPayload(m.settings.dpiColours, p);
  return true;
}

constexpr std::array<std::uint8_t, 7> kPollingCodes{0x08, 0x04, 0x02, 0x01, 0x11, 0x12, 0x14};

bool PollingRate(SimMouseState& m, std::uint8_t, Payload p) {
  if (std::find(kPollingCodes.begin(), kPollingCodes.end(), p[0]) == kPollingCodes.end()) return false;
  m.settings.pollingCode = p[0];
  return true;
}

bool LiftOff(SimMouseState& m, std::uint8_t, Payload p) {
  if (p[0] != 1 && p[0] != 2) return false;
  m.settings.liftOff = p[0];
  return true;
}

constexpr std::uint8_t kLastLightingMode = 9;

bool Lighting(SimMouseState& m, std::uint8_t, Payload p) {
  if (p[SimLighting::kMode] > kLastLightingMode) return false;
  CopyPayload(m.settings.lighting, p);
  return true;
}

bool PowerSaving(SimMouseState& m, std::uint8_t, Payload p) {
  CopyPayload(m.settings.power, p);
  return true;
}

bool SensorOptions(SimMouseState& m, std::uint8_t, Payload p) {
  CopyPayload(m.settings.sensorOptions, p);
  return true;
}

bool KeyDebounce(SimMouseState& m, std::uint8_t, Payload p) {
  m.settings.debounce = p[0];
  return true;
}

// Resets the configuration and the macro store; battery, sensor and firmware stay.
bool FactoryReset(SimMouseState& m, std::uint8_t, Payload p) {
  if (p[0] != 0xFF) return false;
  m.settings = FactorySettings(m.sensorLetter);
  m.macros.Clear();
  return true;
}

bool MacroData(SimMouseState& m, std::uint8_t position, Payload p) { return m.macros.TakePacket(position, p); }

bool MacroClear(SimMouseState& m, std::uint8_t, Payload p) {
  if (p[0] != 0xFF) return false;
  m.macros.Clear();
  return true;
}

constexpr std::array<SimCommand, 12> kCommands{{
    {0x01, "CmdButtonMap", 0x01, ButtonMap},
    {0x02, "CmdDpiLevels", 0, DpiLevels},
    {0x03, "CmdDpiColours", 0x01, DpiColours},
    {0x04, "CmdPollingRate", 0x01, PollingRate},
    {0x05, "CmdLiftOff", 0x01, LiftOff},
    {0x06, "CmdLighting", 0x01, Lighting},
    {0x07, "CmdPowerSaving", 0x01, PowerSaving},
    {0x08, "CmdSensorOptions", 0x01, SensorOptions},
    {0x09, "CmdKeyDebounce", 0x01, KeyDebounce},
    {0x0F, "CmdFactoryReset", 0x01, FactoryReset},
    {0x10, "CmdMacroData", 0, MacroData},
    {0x11, "CmdMacroClear", 0x01, MacroClear},
}};

}  // namespace

std::uint8_t SimFrameChecksum(std::span<const std::uint8_t> frame) {
  unsigned sum = 0;
  for (std::size_t i = 0; i < frame.size(); ++i) {
    if (i != SimFrame::kChecksum) sum += frame[i];
  }
  return static_cast<std::uint8_t>(sum);
}

const SimCommand* FindSimCommand(std::uint8_t code) {
  for (const auto& c : kCommands) {
    if (c.code == code) return &c;
  }
  return nullptr;
}

}  // namespace corvane
