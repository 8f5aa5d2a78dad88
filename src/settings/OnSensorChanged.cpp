#include "settings/ConfigTable.h"
#include "settings/ProfileFile.h"
#include "settings/SensorTables.h"
#include "settings/SettingsStore.h"

namespace corvane {

void OnSensorChanged(SettingsStore& ctx, std::uint16_t sensorId) {
  ctx.Dpi.SensorId = sensorId;
  ctx.Config.SetConfigSensor(sensorId);
  // PreST records which sensor the profiles' DPI levels are now made for.
  ctx.Config.SetConfigPreST(static_cast<std::uint16_t>(~sensorId));
  for (ProfileRecord& record : ctx.Profiles.Records) ApplySensorDpiDefaults(record, sensorId);
  // The profiles before config.ini: a kill between the two must not leave a PreST that
  // claims DPI levels the profile files do not have yet.
  SaveAllProfiles(ctx);
  SaveCurrentProfileIndex(ctx);
  BuildDpiStepTables(ctx.Dpi);
}

}  // namespace corvane
