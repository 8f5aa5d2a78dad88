#include "device/linux/HidrawBackend.h"

#include <utility>

#include "device/linux/HidrawEnumeration.h"
#include "device/linux/HidrawHandle.h"

namespace corvane {

HidrawBackend::HidrawBackend(std::filesystem::path sysRoot, std::filesystem::path devRoot)
    : sysRoot_(std::move(sysRoot)), devRoot_(std::move(devRoot)) {}

std::vector<HidInterfaceInfo> HidrawBackend::Enumerate() { return EnumerateHidraw(sysRoot_, devRoot_); }

std::unique_ptr<HidHandle> HidrawBackend::Open(const std::string& path) { return HidrawHandle::Open(path); }

bool HidrawBackend::StartHotplugWatch() { return monitor_.Start(); }

bool HidrawBackend::PollHotplug(int timeoutMs, HotplugEvent& event, std::string& path) {
  std::string node;
  if (!monitor_.Poll(timeoutMs, event, node)) return false;
  path = (devRoot_ / node).string();
  return true;
}

int HidrawBackend::WatchDescriptor() const { return monitor_.Descriptor(); }

}  // namespace corvane
