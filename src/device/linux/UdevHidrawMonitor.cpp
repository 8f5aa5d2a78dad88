#include "device/linux/UdevHidrawMonitor.h"

#include <libudev.h>
#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>

namespace corvane {

namespace {

// udevd announces a node only after its rules (and so the user's access) are applied;
// without a running udevd nothing is announced on that channel, and the kernel's own
// events are the only news there is.
const char* EventSource() {
  return ::access("/run/udev/control", F_OK) == 0 ? "udev" : "kernel";
}

}  // namespace

UdevHidrawMonitor::~UdevHidrawMonitor() {
  if (monitor_) udev_monitor_unref(monitor_);
  if (udev_) udev_unref(udev_);
}

bool UdevHidrawMonitor::Start() {
  if (monitor_) return true;
  if (!udev_) udev_ = udev_new();
  if (!udev_) return false;
  udev_monitor* monitor = udev_monitor_new_from_netlink(udev_, EventSource());
  if (!monitor) return false;
  if (udev_monitor_filter_add_match_subsystem_devtype(monitor, "hidraw", nullptr) < 0 ||
      udev_monitor_enable_receiving(monitor) < 0 || udev_monitor_get_fd(monitor) < 0) {
    udev_monitor_unref(monitor);
    return false;
  }
  monitor_ = monitor;
  return true;
}

int UdevHidrawMonitor::Descriptor() const { return monitor_ ? udev_monitor_get_fd(monitor_) : -1; }

bool UdevHidrawMonitor::Poll(int timeoutMs, HotplugEvent& event, std::string& nodeName) {
  using Clock = std::chrono::steady_clock;
  if (!monitor_) return false;
  const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs < 0 ? 0 : timeoutMs);
  for (;;) {
    int wait = -1;
    if (timeoutMs >= 0) {
      const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
      wait = left > 0 ? static_cast<int>(left) : 0;
    }
    pollfd fd{udev_monitor_get_fd(monitor_), POLLIN, 0};
    const int ready = ::poll(&fd, 1, wait);
    if (ready < 0 && errno == EINTR) continue;
    if (ready <= 0) return false;
    // The socket is non-blocking: a message the filter dropped yields nothing (EAGAIN),
    // and the next poll waits for a new one; any other failure ends this wait.
    errno = 0;
    udev_device* device = udev_monitor_receive_device(monitor_);
    if (!device) {
      if (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR) continue;
      return false;
    }
    const char* action = udev_device_get_action(device);
    const char* name = udev_device_get_sysname(device);
    bool known = action && name;
    if (known && std::strcmp(action, "add") == 0) event = HotplugEvent::Arrival;
    else if (known && std::strcmp(action, "remove") == 0) event = HotplugEvent::Removal;
    else known = false;
    if (known) nodeName = name;
    udev_device_unref(device);
    if (known) return true;
  }
}

}  // namespace corvane
