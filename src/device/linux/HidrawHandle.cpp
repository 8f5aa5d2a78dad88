#include "device/linux/HidrawHandle.h"

#include <fcntl.h>
#include <linux/hidraw.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <vector>

namespace corvane {

namespace {

// The feature ioctls carry the buffer length in the 14-bit size field of the request.
constexpr std::size_t kMaxIoctlLength = (1u << 14) - 1;
// A signal may interrupt a feature transfer; it is tried again a few times, never forever.
constexpr int kInterruptedRetries = 8;

int FeatureIoctl(int fd, unsigned long request, std::uint8_t* data) {
  int result = -1;
  for (int attempt = 0; attempt < kInterruptedRetries; ++attempt) {
    result = ::ioctl(fd, request, data);
    if (result >= 0 || errno != EINTR) break;
  }
  return result;
}

}  // namespace

std::unique_ptr<HidrawHandle> HidrawHandle::Open(const std::string& path) {
  // Non-blocking, so a read after poll() can never hang on a report another reader took;
  // the feature ioctls do not look at this flag.
  const int fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return nullptr;
  return Adopt(fd);
}

std::unique_ptr<HidrawHandle> HidrawHandle::Adopt(int fd) {
  if (fd < 0) return nullptr;
  const int wakeFd = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
  if (wakeFd < 0) {
    ::close(fd);
    return nullptr;
  }
  return std::unique_ptr<HidrawHandle>(new HidrawHandle(fd, wakeFd));
}

HidrawHandle::~HidrawHandle() {
  ::close(fd_);
  ::close(wakeFd_);
}

bool HidrawHandle::SetFeature(std::span<const std::uint8_t> report) {
  if (closed_ || report.empty() || report.size() > kMaxIoctlLength) return false;
  std::vector<std::uint8_t> buffer(report.begin(), report.end());
  return FeatureIoctl(fd_, HIDIOCSFEATURE(buffer.size()), buffer.data()) >= 0;
}

bool HidrawHandle::GetFeature(std::span<std::uint8_t> report) {
  if (closed_ || report.empty() || report.size() > kMaxIoctlLength) return false;
  const int got = FeatureIoctl(fd_, HIDIOCGFEATURE(report.size()), report.data());
  if (got < 0) return false;
  // The ioctl returns how many bytes the device sent, report id included. A shorter
  // reply leaves the rest of the buffer as zeros, not as whatever was there before.
  const std::size_t filled = got < 1 ? 1 : static_cast<std::size_t>(got);
  if (filled < report.size()) std::memset(report.data() + filled, 0, report.size() - filled);
  return true;
}

HidReadResult HidrawHandle::Read(std::span<std::uint8_t> report, int timeoutMs, std::size_t& bytesRead) {
  using Clock = std::chrono::steady_clock;
  bytesRead = 0;
  if (report.empty()) return HidReadResult::Gone;
  const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs < 0 ? 0 : timeoutMs);
  for (;;) {
    if (closed_) return HidReadResult::Gone;
    int wait = -1;
    if (timeoutMs >= 0) {
      const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
      wait = left > 0 ? static_cast<int>(left) : 0;
    }
    pollfd fds[2] = {{fd_, POLLIN, 0}, {wakeFd_, POLLIN, 0}};
    const int ready = ::poll(fds, 2, wait);
    if (ready < 0) {
      if (errno == EINTR) continue;
      return HidReadResult::Gone;
    }
    if (fds[1].revents != 0) return HidReadResult::Gone;
    if (ready == 0) return HidReadResult::Timeout;
    // An unplugged hidraw node reports hang-up or error; its queued reports no longer matter.
    if (fds[0].revents & (POLLERR | POLLHUP | POLLNVAL)) return HidReadResult::Gone;
    if (!(fds[0].revents & POLLIN)) continue;
    const ssize_t n = ::read(fd_, report.data(), report.size());
    if (n > 0) {
      bytesRead = static_cast<std::size_t>(n);
      return HidReadResult::Ok;
    }
    if (n < 0 && (errno == EAGAIN || errno == EINTR)) continue;
    // End of file or ENODEV/EIO: the device went away.
    return HidReadResult::Gone;
  }
}

bool HidrawHandle::Connected() {
  if (closed_) return false;
  hidraw_devinfo info{};
  if (::ioctl(fd_, HIDIOCGRAWINFO, &info) >= 0) return true;
  // Any other failure (a descriptor that is no hidraw node) says nothing about the device.
  return errno != ENODEV && errno != EIO;
}

void HidrawHandle::Close() {
  if (closed_.exchange(true)) return;
  const std::uint64_t one = 1;
  // The event stays signalled, so every later Read returns at once as well.
  [[maybe_unused]] const ssize_t written = ::write(wakeFd_, &one, sizeof one);
}

}  // namespace corvane
