#include "device/DeviceLink.h"

#include <utility>

namespace corvane {

DeviceLink::DeviceLink(HidBackend& backend, Pause& pause) : backend_(backend), pause_(pause) {}

DeviceLink::~DeviceLink() { CloseFeatureHandles(); }

bool DeviceLink::RegisterForDeviceNotifications() {
  for (auto& guard : readerRunning_) guard = false;
  CloseFeatureHandles();
  NoDeviceYet = 1;
  return backend_.StartHotplugWatch();
}

std::optional<CommandRoute> DeviceLink::PickCommandInterface() {
  for (const DeviceRole role : kDeviceHandleOrder) {
    RoleLink& r = Role(role);
    if (r.FeatureHandle) return CommandRoute{role, r.FeatureHandle.get(), &r.FeatureHandlePath};
  }
  return std::nullopt;
}

bool DeviceLink::MouseReachable() const {
  if (Role(DeviceRole::Wired).FeatureHandle || Role(DeviceRole::Bluetooth).FeatureHandle) return true;
  return LinkUp != 0 && Role(DeviceRole::Receiver).FeatureHandle != nullptr;
}

bool DeviceLink::InterfaceStillPresent(const std::string& path) {
  for (const auto& info : backend_.Enumerate())
    if (info.path == path) return true;
  return false;
}

bool DeviceLink::TryClaimReader(DeviceRole role) {
  bool expected = false;
  return readerRunning_[static_cast<std::size_t>(role)].compare_exchange_strong(expected, true);
}

void DeviceLink::ReleaseReader(DeviceRole role) { readerRunning_[static_cast<std::size_t>(role)] = false; }

void DeviceLink::CloseFeatureHandle(DeviceRole role) {
  RoleLink& r = Role(role);
  if (r.FeatureHandle) r.FeatureHandle->Close();
  r.FeatureHandle.reset();
  r.FeatureHandlePath.clear();
}

void DeviceLink::CloseFeatureHandles() {
  for (const auto& info : kDeviceRoles) CloseFeatureHandle(info.role);
}

}  // namespace corvane
