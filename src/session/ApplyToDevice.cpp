#include "session/ApplyToDevice.h"

#include "device/CommandSender.h"
#include "device/DeviceLink.h"
#include "device/DeviceWriters.h"
#include "device/WriteMacros.h"
#include "lang/LanguageEntries.h"
#include "session/AppContext.h"

namespace corvane {

ProfileRecord& CurrentProfile(AppContext& ctx) { return ctx.Profiles[ctx.Config.CurrentProfileSlot()]; }

ApplyResult ApplyToDevice(AppContext& ctx, DeviceLink& link, DeviceUploadState& state) {
  ApplyResult result;
  link.WrittenFlag = false;
  if (!state.Activated) {
    result.Outcome = UploadOutcome::NotActivated;
    return result;
  }
  if (!link.MouseReachable()) {
    result.Outcome = UploadOutcome::DeviceNotConnected;
    result.AttentionText = kTextDeviceNotConnected;
    // The change stays in the profile with its flags set, for the mouse's arrival; it
    // is saved as any other, or it would be gone at exit.
    state.ConfigSavePending = 1;
    result.ScheduleSave = true;
    return result;
  }

  ProfileRecord& profile = CurrentProfile(ctx);
  result.Slots = AssignMacroSlots(profile, ctx.Macros, ctx.Language, state.RefreshMacroCopies);

  CommandSender sender(link, result.Report);
  DeviceDirtyFlags& dirty = state.Dirty;
  const bool buttons = !dirty.ButtonsDirty || WriteButtonMap(profile, state.Shadow, sender);
  const bool performance =
      !dirty.PerformanceDirty || WritePerformanceSettings(profile, ctx.Dpi, state.Shadow, sender);
  const bool power = !dirty.PowerDirty || WritePowerSettings(profile, state.Shadow, sender);
  const bool sensor = !dirty.SensorOptionsDirty || WriteSensorOptions(profile, state.Shadow, sender);
  dirty.Clear();
  dirty.ButtonsDirty = !buttons;
  dirty.PerformanceDirty = !performance;
  dirty.PowerDirty = !power;
  dirty.SensorOptionsDirty = !sensor;

  WriteMacros(profile, state.Shadow, &sender);

  if (link.WrittenFlag) {
    result.ShowProgress = true;
    result.ProgressText = kTextProgressTitle;
  }
  state.ConfigSavePending = 1;
  result.ScheduleSave = true;
  result.RefreshView = true;
  return result;
}

}  // namespace corvane
