#pragma once
// The advisory lock two programs on one data folder (the window and corvanectl, or two
// corvanectl) take around each read-modify-write of the stored files, so that neither
// reads a half-finished set of files nor writes over a change it has not seen. It is an
// flock on the data folder itself: released by the system when the holder ends, even by
// a kill, so a crash never leaves the folder locked.
#include <chrono>
#include <filesystem>

namespace corvane {

class DataFolderLock {
 public:
  // Waits up to wait for the lock (polling; never longer).
  DataFolderLock(const std::filesystem::path& dataFolder, std::chrono::milliseconds wait);
  ~DataFolderLock();
  DataFolderLock(const DataFolderLock&) = delete;
  DataFolderLock& operator=(const DataFolderLock&) = delete;

  // False when another program held the lock the whole time, or the folder cannot be
  // opened (then there is nothing to write into either).
  bool Held() const { return fd_ >= 0; }

 private:
  int fd_ = -1;
};

}  // namespace corvane
