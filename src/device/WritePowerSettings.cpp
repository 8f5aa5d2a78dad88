// The power-saving and sensor-option writers: one 3-byte command each.
#include "device/CommandSender.h"
#include "device/DevicePayloads.h"
#include "device/DeviceWriters.h"
#include "settings/ProfileTable.h"

namespace corvane {

namespace {

template <typename Block>
bool WriteBlock(FeatureCommand command, const Block& fresh, Block& held, CommandSender& sender) {
  if (!sender.HasInterface()) return false;
  if (fresh == held) return true;
  if (!sender.Send(command, kSinglePacket, fresh)) return false;
  held = fresh;
  return true;
}

}  // namespace

bool WritePowerSettings(const ProfileRecord& profile, DeviceShadow& shadow, CommandSender& sender) {
  return WriteBlock(FeatureCommand::CmdPowerSaving, BuildPowerBlock(profile), shadow.Power, sender);
}

bool WriteSensorOptions(const ProfileRecord& profile, DeviceShadow& shadow, CommandSender& sender) {
  return WriteBlock(FeatureCommand::CmdSensorOptions, BuildSensorOptionsBlock(profile), shadow.SensorOptions, sender);
}

}  // namespace corvane
