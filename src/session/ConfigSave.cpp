#include "session/ConfigSave.h"

#include "device/DeviceUploadState.h"
#include "session/AppContext.h"
#include "settings/ConfigTable.h"
#include "settings/ProfileFile.h"

namespace corvane {

bool RunPendingConfigSave(AppContext& ctx, DeviceUploadState& state) {
  if (!state.ConfigSavePending) return true;
  state.ConfigSavePending = 0;
  // The window's copy of the current profile follows the configuration whenever the
  // pages are drawn; take it now so the save keeps the profile that is current.
  ctx.CurrentProfileIndex = ctx.Config.CurrentProfileSlot();
  const bool config = SaveCurrentProfileIndex(ctx);
  const bool profiles = SaveAllProfiles(ctx);
  if (config && profiles) return true;
  state.ConfigSavePending = 1;
  return false;
}

}  // namespace corvane
