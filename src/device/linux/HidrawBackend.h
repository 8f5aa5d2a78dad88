#pragma once
// The HID stack of a Linux system: hidraw nodes found through sysfs, opened under /dev,
// followed by a udev monitor. Both roots are parameters so tests can run the
// enumeration on a tree of their own.
#include <filesystem>
#include <memory>

#include "device/HidBackend.h"
#include "device/linux/UdevHidrawMonitor.h"

namespace corvane {

class HidrawBackend final : public HidBackend {
 public:
  explicit HidrawBackend(std::filesystem::path sysRoot = "/sys", std::filesystem::path devRoot = "/dev");

  std::vector<HidInterfaceInfo> Enumerate() override;
  std::unique_ptr<HidHandle> Open(const std::string& path) override;
  bool StartHotplugWatch() override;
  // Paths are <devRoot>/hidrawN, as Enumerate gives them.
  bool PollHotplug(int timeoutMs, HotplugEvent& event, std::string& path) override;
  int WatchDescriptor() const override;

 private:
  std::filesystem::path sysRoot_;
  std::filesystem::path devRoot_;
  UdevHidrawMonitor monitor_;
};

}  // namespace corvane
