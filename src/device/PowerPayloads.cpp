// Power saving, motion wake-up and sensor options: text settings whose low byte is sent.
#include "device/DevicePayloads.h"
#include "settings/ProfileTable.h"

namespace corvane {

PowerBlock BuildPowerBlock(const ProfileRecord& record) {
  return {SettingLowByte(record, kSettingPowerDownTime), SettingLowByte(record, kSettingRgbOffTime),
          SettingLowByte(record, kSettingMoveLightingOnOffMode)};
}

std::uint8_t BuildMotionWakeupByte(const ProfileRecord& record) {
  return SettingLowByte(record, kSettingMotionWakeup);
}

SensorOptionsBlock BuildSensorOptionsBlock(const ProfileRecord& record) {
  return {SettingLowByte(record, kSettingAngleSnap), SettingLowByte(record, kSettingMotionSync),
          SettingLowByte(record, kSettingRippleControl)};
}

}  // namespace corvane
