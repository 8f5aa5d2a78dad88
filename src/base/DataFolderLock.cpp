#include "base/DataFolderLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <thread>

namespace corvane {

DataFolderLock::DataFolderLock(const std::filesystem::path& dataFolder, std::chrono::milliseconds wait) {
  const int fd = ::open(dataFolder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  const auto until = std::chrono::steady_clock::now() + wait;
  for (;;) {
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
      fd_ = fd;
      return;
    }
    if ((errno != EWOULDBLOCK && errno != EINTR) || std::chrono::steady_clock::now() >= until) break;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  ::close(fd);
}

DataFolderLock::~DataFolderLock() {
  if (fd_ >= 0) ::close(fd_);  // closing releases the lock
}

}  // namespace corvane
