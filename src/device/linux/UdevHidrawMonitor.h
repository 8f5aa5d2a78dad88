#pragma once
// Arrival and removal of hidraw nodes, from a libudev monitor on subsystem "hidraw".
#include <string>

#include "device/HidBackend.h"

struct udev;
struct udev_monitor;

namespace corvane {

class UdevHidrawMonitor {
 public:
  UdevHidrawMonitor() = default;
  ~UdevHidrawMonitor();
  UdevHidrawMonitor(const UdevHidrawMonitor&) = delete;
  UdevHidrawMonitor& operator=(const UdevHidrawMonitor&) = delete;

  // Starts receiving; true when running (also when it already was).
  bool Start();
  // The monitor's socket, readable when an event waits; -1 before Start.
  int Descriptor() const;
  // Waits up to timeoutMs (-1 = forever) for the next arrival or removal of a hidraw
  // node and gives its kernel name ("hidraw3"); other actions are skipped. False on
  // timeout, and at once when the monitor is not running.
  bool Poll(int timeoutMs, HotplugEvent& event, std::string& nodeName);

 private:
  udev* udev_ = nullptr;
  udev_monitor* monitor_ = nullptr;
};

}  // namespace corvane
