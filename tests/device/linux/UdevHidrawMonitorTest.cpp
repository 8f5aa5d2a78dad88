#include "device/linux/UdevHidrawMonitor.h"

#include <gtest/gtest.h>

#include <chrono>

namespace corvane {
namespace {

// Runs against the machine's own udev: whether the watch can start depends on the
// system (a container may have no netlink access), but it must never hang, and a
// running watch has a descriptor for an event loop and honours its timeout.
TEST(UdevHidrawMonitor, WatchHonoursTimeoutsAndStartsOnce) {
  UdevHidrawMonitor monitor;
  HotplugEvent event;
  std::string node;
  EXPECT_EQ(monitor.Descriptor(), -1);
  EXPECT_FALSE(monitor.Poll(-1, event, node));  // not running: returns at once
  if (!monitor.Start()) GTEST_SKIP() << "no udev monitor on this system";
  const int fd = monitor.Descriptor();
  EXPECT_GE(fd, 0);
  EXPECT_TRUE(monitor.Start());
  EXPECT_EQ(monitor.Descriptor(), fd);
  const auto start = std::chrono::steady_clock::now();
  // No hidraw node comes or goes during a test run; if one did, Poll says so.
  while (monitor.Poll(40, event, node)) EXPECT_FALSE(node.empty());
  EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(40));
}

}  // namespace
}  // namespace corvane
