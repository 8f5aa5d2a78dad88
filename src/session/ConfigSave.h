#pragma once
// The deferred save of config.ini and the five profile files (timer 70, or at the end).
#include <string>

namespace corvane {

struct AppContext;
struct SettingsStore;
struct DeviceUploadState;

// Writes the five profile files, then config.ini with the current profile index (the
// order keeps a kill between them from showing a mixed state). False when a file could
// not be written; reason, when given, names the first such file and why.
bool SaveProfilesThenConfig(SettingsStore& settings, std::string* reason = nullptr);

// When a save is pending: clears the mark, stores the current profile index and writes
// every profile file and config.ini. False when a file could not be written (the mark is
// then set again, so a later attempt retries).
bool RunPendingConfigSave(AppContext& ctx, DeviceUploadState& state, std::string* reason = nullptr);

}  // namespace corvane
