#include "session/ConfigSave.h"

#include "device/DeviceUploadState.h"
#include "session/AppContext.h"
#include "settings/ConfigTable.h"
#include "settings/ProfileFile.h"

namespace corvane {

bool SaveProfilesThenConfig(SettingsStore& settings, std::string* reason) {
  // The profile files first, config.ini last: config.ini decides which profiles are
  // listed and which is current, so a kill between the two shows either the old list
  // or the new one with its profiles already in place (never a new profile listed
  // under its default name).
  std::string profilesWhy, configWhy;
  const bool profiles = SaveAllProfiles(settings, &profilesWhy);
  const bool config = SaveCurrentProfileIndex(settings, &configWhy);
  if (reason && !(profiles && config)) *reason = !profiles ? profilesWhy : configWhy;
  return profiles && config;
}

bool RunPendingConfigSave(AppContext& ctx, DeviceUploadState& state, std::string* reason) {
  if (!state.ConfigSavePending) return true;
  state.ConfigSavePending = 0;
  // The window's copy of the current profile follows the configuration whenever the
  // pages are drawn; take it now so the save keeps the profile that is current.
  ctx.CurrentProfileIndex = ctx.Config.CurrentProfileSlot();
  if (SaveProfilesThenConfig(ctx, reason)) return true;
  state.ConfigSavePending = 1;
  return false;
}

}  // namespace corvane
