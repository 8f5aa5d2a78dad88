// Finding the mouse's interfaces, opening the command interfaces, and following arrival
// and removal.
#include <algorithm>

#include "device/DeviceConstants.h"
#include "device/DeviceLink.h"
#include "device/FeatureTransport.h"

namespace corvane {

namespace {

// What becomes of the polling-rate header when a role is the active connection: always,
// and when the role has just appeared. Over Bluetooth the polling rate cannot be set.
struct ActiveConnectionRule {
  DeviceRole role;
  PollingHeaderChange header;
  PollingHeaderChange headerWhenNew;
};

constexpr ActiveConnectionRule kActiveConnectionRules[] = {
    {DeviceRole::Wired, PollingHeaderChange::Enable, PollingHeaderChange::Enable},
    {DeviceRole::Bluetooth, PollingHeaderChange::None, PollingHeaderChange::Disable},
    {DeviceRole::Receiver, PollingHeaderChange::Enable, PollingHeaderChange::Enable},
};

}  // namespace

void DeviceLink::ClassifyInterface(int index, const HidInterfaceInfo& info, ScanOutcome& outcome) {
  const auto role = RoleOfProduct(info.vendor, info.product);
  if (!role) return;
  // An interface that cannot be opened is of no use and is skipped.
  if (auto probe = backend_.Open(info.path)) {
    probe->Close();
  } else {
    outcome.Unopenable.push_back(info.path);
    return;
  }
  RoleLink& r = Role(*role);
  // An interface with both lengths 32 is the status stream.
  if (info.inputReportLength == kReportLength) {
    r.InputInterfaceIndex = index;
    r.InputInterfacePath = info.path;
  } else if (info.featureReportLength == kReportLength) {
    r.Present = 1;
    r.FeatureInterfaceIndex = index;
    r.FeatureInterfacePath = info.path;
    r.FeatureVersion = info.version;
    if (*role == DeviceRole::Wired) WiredVersion = info.version;
  }
}

bool DeviceLink::OpenFeatureInterface(DeviceRole role) {
  RoleLink& r = Role(role);
  const auto it = std::find_if(enumeration_.begin(), enumeration_.end(),
                               [&](const HidInterfaceInfo& i) { return i.path == r.FeatureInterfacePath; });
  if (r.FeatureInterfacePath.empty() || it == enumeration_.end()) return false;
  CloseFeatureHandle(role);
  auto handle = backend_.Open(it->path);
  if (!handle) return false;
  if (RoleOfProduct(it->vendor, it->product) != role) {
    handle->Close();
    return false;
  }
  r.FeatureHandle = std::move(handle);
  r.FeatureHandlePath = it->path;
  return true;
}

void DeviceLink::ChooseActiveConnection(ScanOutcome& outcome) {
  for (const auto& rule : kActiveConnectionRules) {
    const RoleLink& r = Role(rule.role);
    if (!r.Present) continue;
    outcome.StatusImage = rule.role;
    const bool isNew = !r.PreviouslyPresent;
    outcome.PollingHeader = isNew ? rule.headerWhenNew : rule.header;
    if (isNew) {
      outcome.LinkStateQueried = true;
      outcome.LinkState = QueryLinkState(*this);
    }
    return;
  }
}

ScanOutcome DeviceLink::ScanDevices() {
  ScanOutcome outcome;
  AnyPresent = 0;
  for (auto& r : roles_) {
    r.Present = 0;
    r.InputInterfaceIndex = -1;
    r.InputInterfacePath.clear();
    r.FeatureInterfaceIndex = -1;
    r.FeatureVersion = 0;
  }
  // Every interface is examined, however many the system has.
  enumeration_ = backend_.Enumerate();
  for (std::size_t i = 0; i < enumeration_.size(); ++i)
    ClassifyInterface(static_cast<int>(i), enumeration_[i], outcome);

  for (const auto& info : kDeviceRoles) {
    RoleLink& r = Role(info.role);
    if (r.Present) {
      AnyPresent = 1;
      outcome.StartReader[static_cast<std::size_t>(info.role)] = true;
      // A handle left from a node that has since been replaced is reopened, also when the
      // new node took the old path and its removal event never came.
      if (!r.FeatureHandle || r.FeatureHandlePath != r.FeatureInterfacePath || !r.FeatureHandle->Connected())
        OpenFeatureInterface(info.role);
    } else {
      CloseFeatureHandle(info.role);
      r.FeatureInterfacePath.clear();
    }
  }

  if (AnyPresent) {
    outcome.StartBatteryTimer = true;
    ChooseActiveConnection(outcome);
    outcome.StartConnectionTimer = true;
  }

  const RoleLink& bluetooth = Role(DeviceRole::Bluetooth);
  outcome.StartBluetoothLeftTimer = bluetooth.PreviouslyPresent && !bluetooth.Present;
  for (auto& r : roles_) r.PreviouslyPresent = r.Present;
  return outcome;
}

ScanOutcome DeviceLink::OnBluetoothLeftTimer() {
  Role(DeviceRole::Receiver).PreviouslyPresent = 0;
  return ScanDevices();
}

DeviceChangeOutcome DeviceLink::OnDeviceChange(HotplugEvent event) {
  DeviceChangeOutcome outcome;
  if (event == HotplugEvent::Arrival) {
    const bool allPresent = std::all_of(roles_.begin(), roles_.end(), [](const RoleLink& r) { return r.Present; });
    if (!allPresent) outcome.Scan = ScanDevices();
    if (AnyPresent && NoDeviceYet) {
      NoDeviceYet = 0;
      outcome.FirstDevice = true;
    }
    outcome.ShowCurrentProfile = true;
    return outcome;
  }
  // A removal only matters while a role is present; the removal of some other device
  // while none of ours is present must not end a program that waits for the mouse.
  if (!AnyPresent) return outcome;
  outcome.Scan = ScanDevices();
  if (AnyPresent) return outcome;
  if (ExpectReenumeration == 0) {
    NoDeviceYet = 1;
    outcome.Quit = true;
  }
  ExpectReenumeration = 0;
  return outcome;
}

}  // namespace corvane
