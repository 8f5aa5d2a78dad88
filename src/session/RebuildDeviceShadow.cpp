#include "device/DevicePayloads.h"
#include "device/WriteMacros.h"
#include "session/AppContext.h"
#include "session/ApplyToDevice.h"

namespace corvane {

MacroSlotAssignment RebuildDeviceShadow(AppContext& ctx, DeviceUploadState& state) {
  ProfileRecord& profile = CurrentProfile(ctx);
  DeviceShadow& shadow = state.Shadow;
  shadow.Buttons = BuildButtonBlock(profile);
  shadow.Dpi = BuildDpiBlock(profile, ctx.Dpi);
  shadow.Colours = BuildColourBlock(profile);
  shadow.Polling = BuildPollingCode(profile);
  shadow.Lift = BuildLiftCode(profile);
  shadow.Debounce = BuildDebounceCode(profile);
  shadow.Lighting = BuildLightingShadowBlock(profile);
  shadow.Power = BuildPowerBlock(profile);
  shadow.MotionWakeup = BuildMotionWakeupByte(profile);
  shadow.SensorOptions = BuildSensorOptionsBlock(profile);
  MacroSlotAssignment slots = AssignMacroSlots(profile, ctx.Macros, ctx.Language, state.RefreshMacroCopies);
  WriteMacros(profile, shadow, nullptr);
  // A macro button whose macro has gone became a plain button: keep that on disk too.
  if (slots.ProfileChanged) state.ConfigSavePending = 1;
  return slots;
}

}  // namespace corvane
