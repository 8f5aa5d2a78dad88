#pragma once
// Two programs on one data folder (the window and corvanectl, or two corvanectl) never
// write over each other's change unseen. Each program remembers how the stored files
// looked when it last read or wrote them; a save takes the data folder's lock, compares,
// and refuses when another program changed a file in between. The window then reloads
// the files and says so; corvanectl says so and exits 1.
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace corvane {

struct AppContext;

struct StoredFileStamp {
  std::filesystem::path File;
  bool Exists = false;
  std::uintmax_t Size = 0;
  std::uint64_t Inode = 0;  // every save renames a new file in: a new inode
  std::int64_t ModifiedNs = 0;
  bool operator==(const StoredFileStamp&) const = default;
};

// config.ini, the five profile files (through symbolic links) and the macro library.
using StoredFilesStamp = std::vector<StoredFileStamp>;
StoredFilesStamp TakeStoredFilesStamp(const AppContext& ctx);

// The files a save writes, and so the ones it checks: a library save leaves the settings
// alone and does not mind a change to them, and the other way round.
enum class StoredFiles { Settings, Library };

enum class GuardedSave {
  Saved,
  Failed,         // the save itself failed (reason says why)
  Busy,           // another program held the lock the whole wait
  ChangedBehind,  // another program changed the files since this one saw them
};

// Takes the lock (waiting up to wait), checks the files the save writes against seen,
// runs save, and then remembers those files as they are. reason names what went wrong.
GuardedSave RunGuardedSave(AppContext& ctx, StoredFilesStamp& seen, StoredFiles which, std::chrono::milliseconds wait,
                           const std::function<bool(std::string*)>& save, std::string* reason);

// Reads the stored files again (macro library, config.ini, profiles, DPI tables) after
// another program changed them, and remembers them as seen.
void ReloadStoredFiles(AppContext& ctx, StoredFilesStamp& seen);

}  // namespace corvane
