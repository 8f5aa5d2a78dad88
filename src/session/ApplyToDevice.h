#pragma once
// The configuration upload: sends what of the current profile differs from what the
// mouse is believed to hold, and the shadow rebuild that takes the profile as held. The
// dialogs of the upload are results the caller shows.
#include <cstdint>

#include "device/AssignMacroSlots.h"
#include "device/DeviceUploadState.h"
#include "device/UploadReport.h"

namespace corvane {

struct AppContext;
struct ProfileRecord;
class DeviceLink;

enum class UploadOutcome : std::uint8_t {
  NotActivated,        // the window may not talk to the mouse yet: dropped, flags kept
  DeviceNotConnected,  // nothing reaches the mouse: attention text 156, flags kept
  Done,
};

struct ApplyResult {
  UploadOutcome Outcome = UploadOutcome::Done;
  int AttentionText = 0;      // language text of the attention window to show, 0 for none
  bool ShowProgress = false;  // a frame was written: the progress dialog with ProgressText
  int ProgressText = 0;
  bool ScheduleSave = false;  // restart the 10-second save timer (ConfigSavePending is set)
  bool RefreshView = false;   // ShowCurrentProfile
  MacroSlotAssignment Slots;  // macro buttons whose macro had gone
  UploadReport Report;        // what the mouse did not take

  bool Complete() const { return Outcome == UploadOutcome::Done && Report.Clean(); }
};

// The profile ApplyToDevice and the status decoding work on: the CurrentProfile of the
// configuration (an index outside 0..4 selects profile 0).
ProfileRecord& CurrentProfile(AppContext& ctx);

// Assigns the macro slots, runs the writers of the dirty groups (buttons, performance,
// power, sensor options, in this order), clears the flags, writes the macros, and
// schedules the save. A group the mouse did not take keeps its flag, so the next upload
// sends it again.
ApplyResult ApplyToDevice(AppContext& ctx, DeviceLink& link, DeviceUploadState& state);

// Fills every shadow block from the current profile without sending, then assigns the
// macro slots and records the macro encodings.
MacroSlotAssignment RebuildDeviceShadow(AppContext& ctx, DeviceUploadState& state);

}  // namespace corvane
