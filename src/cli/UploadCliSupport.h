#pragma once
// What the commands that change the current profile and send it share: the device
// session with the shadow rebuilt from the current profile (the profile is taken as what
// the mouse holds, as the window takes it at start), the upload with its outcome as an
// exit status, and the save that is pending when the command ends.
#include <memory>
#include <string>

#include "cli/Cli.h"
#include "cli/CliDeviceSession.h"
#include "device/DeviceUploadState.h"
#include "session/ApplyToDevice.h"
#include "settings/CommandEffect.h"

namespace corvane::cli {

class UploadSession {
 public:
  // Opens the device session and refuses (text 156) when the mouse cannot be reached;
  // nullptr then, with exitCode telling how the command ends.
  static std::unique_ptr<UploadSession> Open(CliContext& ctx, int& exitCode);

  DeviceSession& Session() { return *session_; }
  DeviceUploadState& State() { return state_; }
  ProfileRecord& Profile() { return CurrentProfile(*ctx_.app); }

  // Refuses a command whose change was refused (its attention text, or the fallback).
  int RefuseEffect(const CommandEffect& effect, const std::string& fallback) const;

  // Runs the upload and writes the pending save. Exit 0 when the mouse took everything;
  // otherwise 1 with one line per frame or macro it did not take, and per macro button
  // disabled because its macro is no longer in the library.
  int ApplyAndSave();

 private:
  explicit UploadSession(CliContext& ctx) : ctx_(ctx) {}

  CliContext& ctx_;
  std::unique_ptr<DeviceSession> session_;
  DeviceUploadState state_;
  MacroSlotAssignment rebuildSlots_;  // what the start's shadow rebuild found
  bool resendAll_ = false;            // an earlier upload left something unsent
};

// Writes the pending save of config.ini and the profile files; 1 with a message when a
// file could not be written.
int WritePendingSave(CliContext& ctx, DeviceUploadState& state);

}  // namespace corvane::cli
