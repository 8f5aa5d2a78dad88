#include "cli/UploadIncompleteMarker.h"

#include <system_error>

#include "base/DataFolderLock.h"
#include "base/UnicodeTextFile.h"
#include "cli/Cli.h"

namespace corvane::cli {
namespace {

template <typename Block>
void Invert(Block& block) {
  for (auto& b : block) b = static_cast<std::uint8_t>(~b);
}

}  // namespace

bool UploadIncomplete(const std::filesystem::path& dataFolder) {
  std::error_code ec;
  return std::filesystem::exists(dataFolder / kUploadIncompleteFile, ec);
}

bool MarkUploadIncomplete(const std::filesystem::path& dataFolder, bool incomplete) {
  const DataFolderLock lock(dataFolder, kDataFolderLockWait);
  if (!lock.Held()) return false;
  const auto path = dataFolder / kUploadIncompleteFile;
  if (incomplete) return WriteFileAtomically(path, "resend everything\n");
  std::error_code ec;
  std::filesystem::remove(path, ec);
  return !ec;
}

void ForgetWhatTheMouseHolds(DeviceUploadState& state) {
  DeviceShadow& s = state.Shadow;
  Invert(s.Buttons);
  Invert(s.Dpi);
  Invert(s.Colours);
  s.Polling = static_cast<std::uint8_t>(~s.Polling);
  s.Lift = static_cast<std::uint8_t>(~s.Lift);
  s.Debounce = static_cast<std::uint8_t>(~s.Debounce);
  Invert(s.Lighting);
  Invert(s.Power);
  Invert(s.SensorOptions);
  // A slot the profile leaves empty is not rewritten; every used slot is.
  s.ClearMacros();
  state.Dirty.ButtonsDirty = 1;
  state.Dirty.PerformanceDirty = 1;
  state.Dirty.PowerDirty = 1;
  state.Dirty.SensorOptionsDirty = 1;
}

}  // namespace corvane::cli
