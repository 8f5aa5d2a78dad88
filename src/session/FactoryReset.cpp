#include "session/FactoryReset.h"

#include "session/AppContext.h"
#include "settings/ConfigTable.h"
#include "settings/ProfileTable.h"

namespace corvane {

FactoryResetResult ResetMouseAndProfile(AppContext& ctx, DeviceLink& link, const ProfileWrite& write) {
  FactoryResetResult result;
  result.Profile = ctx.Config.CurrentProfileSlot();
  result.Sent = ResetDeviceToDefaults(link);
  if (result.Sent != SendResult::Acknowledged) return result;

  ProfileRecord& record = ctx.Profiles[result.Profile];
  result.Name = record.ProfileName();
  ResetProfileToDefaults(record, result.Profile, ctx.Language, ctx.Dpi.SensorId);
  record.SetProfileName(result.Name);
  result.SlotFile = ProfileSlotPath(ctx, result.Profile);
  result.ProfileWritten = !result.SlotFile.empty() && write(record, result.SlotFile, &result.WriteError);
  return result;
}

}  // namespace corvane
