#include "session/StoredFilesGuard.h"

#include <sys/stat.h>

#include "base/DamagedFile.h"
#include "base/DataFolderLock.h"
#include "base/UnicodeTextFile.h"
#include "macros/MacroLibraryFile.h"
#include "session/AppContext.h"
#include "settings/ConfigTable.h"
#include "settings/SensorTables.h"

namespace corvane {
namespace {

constexpr std::size_t kLibraryStamp = 1 + kProfileCount;

StoredFileStamp Stamp(const std::filesystem::path& file) {
  StoredFileStamp s;
  s.File = file;
  struct stat st {};
  if (file.empty() || ::stat(file.c_str(), &st) != 0) return s;
  s.Exists = true;
  s.Size = static_cast<std::uintmax_t>(st.st_size);
  s.Inode = static_cast<std::uint64_t>(st.st_ino);
  s.ModifiedNs = static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
  return s;
}

}  // namespace

StoredFilesStamp TakeStoredFilesStamp(const AppContext& ctx) {
  StoredFilesStamp stamp;
  stamp.push_back(Stamp(ConfigFilePath(ctx.DataFolder)));
  for (int p = 0; p < kProfileCount; ++p) stamp.push_back(Stamp(ProfileSlotPath(ctx, p)));
  stamp.push_back(Stamp(MacroLibraryFilePath(ctx.DataFolder)));
  return stamp;
}

GuardedSave RunGuardedSave(AppContext& ctx, StoredFilesStamp& seen, StoredFiles which, std::chrono::milliseconds wait,
                           const std::function<bool(std::string*)>& save, std::string* reason) {
  // Stamp order: config.ini, the five profile files, the library.
  const std::size_t first = which == StoredFiles::Library ? kLibraryStamp : 0;
  const std::size_t end = which == StoredFiles::Library ? kLibraryStamp + 1 : kLibraryStamp;
  const DataFolderLock lock(ctx.DataFolder, wait);
  std::error_code ec;
  if (!lock.Held() && std::filesystem::is_directory(ctx.DataFolder, ec)) {
    if (reason) *reason = "another program is saving to " + ctx.DataFolder.string() + " (its lock is held)";
    return GuardedSave::Busy;
  }
  const StoredFilesStamp now = TakeStoredFilesStamp(ctx);
  if (seen.size() != now.size()) seen = now;
  std::string changed;
  for (std::size_t i = first; i < end; ++i) {
    if (now[i] == seen[i]) continue;
    if (!changed.empty()) changed += ", ";
    changed += ShownPath(now[i].File, ctx.DataFolder);
  }
  if (!changed.empty()) {
    if (reason) *reason = changed + " changed on disk (another program saved) since this program read it";
    return GuardedSave::ChangedBehind;
  }
  const bool saved = save(reason);
  const StoredFilesStamp after = TakeStoredFilesStamp(ctx);
  for (std::size_t i = first; i < end; ++i) seen[i] = after[i];
  return saved ? GuardedSave::Saved : GuardedSave::Failed;
}

void ReloadStoredFiles(AppContext& ctx, StoredFilesStamp& seen) {
  const DataFolderLock lock(ctx.DataFolder, std::chrono::seconds(2));
  ctx.Macros.ClearLibrary();
  LoadMacroLibraryFile(ctx.DataFolder, ctx.Macros, &ctx.FileNotices);
  LoadConfig(ctx, ctx.Language);
  BuildDpiStepTables(ctx.Dpi);
  seen = TakeStoredFilesStamp(ctx);
}

}  // namespace corvane
