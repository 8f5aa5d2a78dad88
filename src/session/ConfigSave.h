#pragma once
// The deferred save of config.ini and the five profile files (timer 70, or at the end).
namespace corvane {

struct AppContext;
struct DeviceUploadState;

// When a save is pending: clears the mark, stores the current profile index and writes
// config.ini and every profile file. False when a file could not be written (the mark is
// then set again, so a later attempt retries).
bool RunPendingConfigSave(AppContext& ctx, DeviceUploadState& state);

}  // namespace corvane
