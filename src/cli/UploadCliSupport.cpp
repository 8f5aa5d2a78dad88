#include "cli/UploadCliSupport.h"

#include <ostream>

#include "base/TextUtil.h"
#include "cli/UploadIncompleteMarker.h"
#include "session/ConfigSave.h"

namespace corvane::cli {

std::unique_ptr<UploadSession> UploadSession::Open(CliContext& ctx, int& exitCode) {
  std::unique_ptr<UploadSession> s(new UploadSession(ctx));
  s->session_ = OpenDeviceSession(ctx, exitCode);
  if (!s->session_) return nullptr;
  if (!s->session_->Link().MouseReachable()) {
    exitCode = RefuseNoDevice(ctx);
    return nullptr;
  }
  s->rebuildSlots_ = RebuildDeviceShadow(*ctx.app, s->state_);
  s->resendAll_ = UploadIncomplete(ctx.app->DataFolder);
  if (s->resendAll_) ForgetWhatTheMouseHolds(s->state_);
  return s;
}

int UploadSession::RefuseEffect(const CommandEffect& effect, const std::string& fallback) const {
  return effect.AttentionText != 0 ? ctx_.RefuseWithText(effect.AttentionText, fallback) : ctx_.Refuse(fallback);
}

int UploadSession::ApplyAndSave() {
  const ApplyResult result = ApplyToDevice(*ctx_.app, session_->Link(), state_);
  // The next command that uploads must learn whether this one left something unsent.
  const bool incomplete = !result.Complete();
  if ((incomplete || resendAll_) && !MarkUploadIncomplete(ctx_.app->DataFolder, incomplete))
    ctx_.err << "corvanectl: the data folder could not record whether the upload is complete\n";
  if (result.Outcome == UploadOutcome::DeviceNotConnected) {
    // The mouse left after the session opened: the change is saved for its return.
    WritePendingSave(ctx_, state_);
    return RefuseNoDevice(ctx_);
  }
  std::vector<int> dropped = rebuildSlots_.DroppedButtons;
  dropped.insert(dropped.end(), result.Slots.DroppedButtons.begin(), result.Slots.DroppedButtons.end());
  for (const int button : dropped)
    ctx_.err << "corvanectl: the macro of button " << button << " is no longer in the macro library; the button was disabled\n";
  // The mouse did not get what the profile asked for: a script must see that.
  int rc = dropped.empty() ? kExitOk : kExitRefused;
  if (result.Report.DeviceGone) {
    rc = ctx_.Refuse("the mouse was disconnected during the upload; what it did not take is sent at the next upload");
  } else if (result.Report.Unresponsive) {
    rc = ctx_.Refuse("the mouse stopped answering during the upload; what it did not take is sent at the next upload");
  } else {
    for (const UploadProblem& problem : result.Report.Problems) rc = ctx_.Refuse(DescribeProblem(problem));
  }
  const int saved = WritePendingSave(ctx_, state_);
  return rc != kExitOk ? rc : saved;
}

int WritePendingSave(CliContext& ctx, DeviceUploadState& state) {
  if (!state.ConfigSavePending) return kExitOk;
  std::string why;
  const auto save = [&](std::string* reason) { return RunPendingConfigSave(*ctx.app, state, reason); };
  if (SaveStoredFiles(ctx, StoredFiles::Settings, save, &why)) return kExitOk;
  return ctx.Refuse("the settings could not be saved: " + why);
}

}  // namespace corvane::cli
