#pragma once
// The command codes of feature report 9 and what the transport needs to know of each.
#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace corvane {

enum class FeatureCommand : std::uint8_t {
  CmdButtonMap = 0x01,
  CmdDpiLevels = 0x02,
  CmdDpiColours = 0x03,
  CmdPollingRate = 0x04,
  CmdLiftOff = 0x05,
  CmdLighting = 0x06,
  CmdPowerSaving = 0x07,
  CmdSensorOptions = 0x08,
  CmdKeyDebounce = 0x09,
  CmdFactoryReset = 0x0F,
  CmdMacroData = 0x10,
  CmdMacroClear = 0x11,
};

struct FeatureCommandInfo {
  FeatureCommand command;
  std::string_view name;
  // Handing the frame to the device counts as a configuration write (WrittenFlag).
  bool countsAsWrite;
  // Time the device needs before the acknowledgement can be read.
  std::uint32_t ackPauseMs;
};

constexpr std::array<FeatureCommandInfo, 12> kFeatureCommands{{
    {FeatureCommand::CmdButtonMap, "CmdButtonMap", true, 60},
    {FeatureCommand::CmdDpiLevels, "CmdDpiLevels", true, 60},
    {FeatureCommand::CmdDpiColours, "CmdDpiColours", true, 60},
    {FeatureCommand::CmdPollingRate, "CmdPollingRate", true, 60},
    {FeatureCommand::CmdLiftOff, "CmdLiftOff", true, 60},
    {FeatureCommand::CmdLighting, "CmdLighting", true, 60},
    {FeatureCommand::CmdPowerSaving, "CmdPowerSaving", true, 60},
    {FeatureCommand::CmdSensorOptions, "CmdSensorOptions", true, 60},
    {FeatureCommand::CmdKeyDebounce, "CmdKeyDebounce", true, 60},
    {FeatureCommand::CmdFactoryReset, "CmdFactoryReset", false, 60},
    {FeatureCommand::CmdMacroData, "CmdMacroData", true, 120},
    {FeatureCommand::CmdMacroClear, "CmdMacroClear", true, 60},
}};

constexpr std::optional<FeatureCommandInfo> CommandInfo(std::uint8_t code) {
  for (const auto& c : kFeatureCommands)
    if (static_cast<std::uint8_t>(c.command) == code) return c;
  return std::nullopt;
}

// Pause after an unacknowledged attempt, and the number of attempts per frame.
constexpr std::uint32_t kRetryPauseMs = 60;
constexpr int kSendAttempts = 4;

}  // namespace corvane
