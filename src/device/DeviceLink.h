#pragma once
// Which of the mouse's three connections are present, their interfaces, the open command
// handles and the link-wide state the transport, the status readers and the firmware
// update share. Decisions that concern the window (status images, timers, quitting) are
// returned as outcomes for the caller to carry out; nothing here touches a user interface.
#include <array>
#include <atomic>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "device/DeviceRole.h"
#include "device/FeatureFrame.h"
#include "device/HidBackend.h"
#include "device/LinkStateReport.h"
#include "device/Pause.h"

namespace corvane {

// Per connection role.
struct RoleLink {
  int Present = 0;            // a usable feature interface was found by the last scan
  int PreviouslyPresent = 0;  // Present as it was after the scan before
  int InputInterfaceIndex = -1;
  std::string InputInterfacePath;  // the status stream (input report length 32)
  int FeatureInterfaceIndex = -1;
  std::string FeatureInterfacePath;  // commands (feature report length 32)
  std::uint16_t FeatureVersion = 0;  // version number of the feature interface's device
  std::unique_ptr<HidHandle> FeatureHandle;
  std::string FeatureHandlePath;  // the path FeatureHandle was opened from
};

enum class PollingHeaderChange : std::uint8_t { None, Enable, Disable };

// What a scan asks of its caller.
struct ScanOutcome {
  std::array<bool, kRoleCount> StartReader{};  // present roles (a reader already running refuses)
  std::optional<DeviceRole> StatusImage;       // the one image to show; empty: hide all three
  bool StartBatteryTimer = false;              // a device is present (battery display, 1000 ms)
  bool StartConnectionTimer = false;           // connection indicator, 1000 ms
  // Polling-rate section header: Disable comes only when Bluetooth has just become the
  // active connection (the polling rate cannot be set over Bluetooth); an open section
  // is then closed first.
  PollingHeaderChange PollingHeader = PollingHeaderChange::None;
  bool StartBluetoothLeftTimer = false;  // 300 ms, then OnBluetoothLeftTimer
  bool LinkStateQueried = false;
  LinkStateReply LinkState;  // the reply when queried; LinkUp already follows a valid one
  // Interfaces of the mouse that exist but could not be opened (usually missing access
  // rights); they are skipped as if absent.
  std::vector<std::string> Unopenable;
};

// What an arrival or removal asks of its caller.
struct DeviceChangeOutcome {
  std::optional<ScanOutcome> Scan;  // when the event led to a scan
  bool FirstDevice = false;         // the first device since start or since the last one left
  bool ShowCurrentProfile = false;  // refresh the window from the profile (every arrival)
  // The last device has gone and no firmware restart was expected: hide the window,
  // close the secondary windows and end the program.
  bool Quit = false;
};

// The interface a command frame or link-state read goes to.
struct CommandRoute {
  DeviceRole Role;
  HidHandle* Handle;
  const std::string* Path;
};

// Order in which the open feature interfaces are tried for commands and link-state reads.
constexpr std::array<DeviceRole, kRoleCount> kDeviceHandleOrder{DeviceRole::Wired, DeviceRole::Bluetooth,
                                                                DeviceRole::Receiver};

class DeviceLink {
 public:
  DeviceLink(HidBackend& backend, Pause& pause);
  ~DeviceLink();
  DeviceLink(const DeviceLink&) = delete;
  DeviceLink& operator=(const DeviceLink&) = delete;

  HidBackend& Backend() { return backend_; }
  Pause& GetPause() { return pause_; }

  RoleLink& Role(DeviceRole role) { return roles_[static_cast<std::size_t>(role)]; }
  const RoleLink& Role(DeviceRole role) const { return roles_[static_cast<std::size_t>(role)]; }

  int AnyPresent = 0;
  std::uint16_t WiredVersion = 0;  // the firmware update reads its high byte
  std::atomic<int> LinkUp{0};      // the mouse can be reached (link-state reply, receiver's status)
  std::atomic<int> ExpectReenumeration{0};  // a firmware restart: one disappearance is expected
  int NoDeviceYet = 1;
  FrameSequence Sequence;
  bool WrittenFlag = false;  // a configuration frame was handed to the device

  // Clears the reader guards and the handles, sets NoDeviceYet and starts the backend's
  // hotplug watch (false when the backend cannot watch).
  bool RegisterForDeviceNotifications();

  ScanOutcome ScanDevices();
  // Examines one enumerated interface (index = its place in the enumeration).
  void ClassifyInterface(int index, const HidInterfaceInfo& info, ScanOutcome& outcome);
  // Opens the role's feature interface from its recorded path; false (and no handle)
  // when it cannot be opened or no longer belongs to the role.
  bool OpenFeatureInterface(DeviceRole role);
  DeviceChangeOutcome OnDeviceChange(HotplugEvent event);
  // The 300 ms after Bluetooth left: forget the receiver so its link state is asked anew.
  ScanOutcome OnBluetoothLeftTimer();

  // The first open feature interface in kDeviceHandleOrder.
  std::optional<CommandRoute> PickCommandInterface();
  // The mouse can take commands: a cable or Bluetooth handle is open, or the receiver's
  // handle is open while the link is up. (A link flag left over from a device that has
  // gone does not count.)
  bool MouseReachable() const;
  // Whether an interface at path is still enumerated; a failed transfer asks this to tell
  // an unplugged device from one that merely did not answer.
  bool InterfaceStillPresent(const std::string& path);

  // The one-reader-per-role guard: true when the caller may run the role's reader.
  bool TryClaimReader(DeviceRole role);
  void ReleaseReader(DeviceRole role);

  void CloseFeatureHandles();

 private:
  void CloseFeatureHandle(DeviceRole role);
  void ChooseActiveConnection(ScanOutcome& outcome);

  HidBackend& backend_;
  Pause& pause_;
  std::array<RoleLink, kRoleCount> roles_;
  std::array<std::atomic<bool>, kRoleCount> readerRunning_{};
  std::vector<HidInterfaceInfo> enumeration_;  // of the last scan
};

}  // namespace corvane
