#pragma once
// corvanectl is a new process for every command, so what an upload left unsent cannot
// live in memory as the window's dirty flags do. An upload that did not complete leaves
// "upload-incomplete" in the data folder; the next command that uploads then sends every
// group and macro anew, and a complete upload removes the file.
#include <filesystem>

#include "device/DeviceUploadState.h"

namespace corvane::cli {

inline constexpr const char* kUploadIncompleteFile = "upload-incomplete";

bool UploadIncomplete(const std::filesystem::path& dataFolder);
// Writes (incomplete) or removes the marker under the data folder's lock; false when the
// folder could not be locked or written.
bool MarkUploadIncomplete(const std::filesystem::path& dataFolder, bool incomplete);
// Makes the next upload send everything: every group flagged, and a shadow that matches
// nothing the profile builds (the mouse may hold any part of the last upload, or none).
void ForgetWhatTheMouseHolds(DeviceUploadState& state);

}  // namespace corvane::cli
