#pragma once
// Applying the mouse's status reports on the thread that owns the profiles: brings the
// current profile in line with what the mouse says, keeps the battery display values and
// the sensor model current, launches quick-launch targets, and tells the caller what the
// window must do.
#include <array>
#include <atomic>
#include <cstdint>
#include <span>
#include <string>

#include "device/DeviceRole.h"
#include "device/StatusFields.h"

namespace corvane {

struct AppContext;
class DeviceLink;
struct DeviceUploadState;
class Launcher;

// Values the window shows, filled from the reports.
struct StatusValues {
  std::atomic<int> BatteryLevel{100};  // percent
  std::atomic<int> ChargeState{0};     // 0 not charging, 1 charging, 2 full
  int LastDeviceDpiLevel = 2;          // the DPI level of the last report
  std::array<int, kRoleCount> LastQuickLaunch{};  // per reader
  int SensorLetter = 0;                // byte 9 of the last report
};

struct StatusEvents {
  bool Decoded = false;  // a status report was decoded (not ignored, not a link-down report)
  bool LinkDown = false;  // the receiver reported its mouse unreachable; the rest was not read
  StatusFields Fields;
  // The profile took values from the report: a save is pending (ConfigSavePending) and
  // the shadow was rebuilt, since the mouse holds these values already.
  bool Changed = false;
  bool ShowOsd = false;      // message 1067, wParam 1: show the on-screen display
  bool RefreshView = false;  // ShowCurrentProfile
  // The mouse named another sensor: settings saved and DPI levels re-defaulted; the DPI
  // sliders need the new step count and the whole window a redraw.
  bool SensorChanged = false;
  bool StartConnectionTimer = false;  // timer 80 with 100 ms
  int LaunchedButton = -1;            // quick launch: the button whose target was opened
  std::u16string LaunchedTarget;
};

class StatusDecoder {
 public:
  StatusDecoder(AppContext& ctx, DeviceLink& link, DeviceUploadState& upload, Launcher* launcher)
      : ctx_(ctx), link_(link), upload_(upload), launcher_(launcher) {}

  StatusValues& Values() { return values_; }
  const StatusValues& Values() const { return values_; }
  // The connection indicator's state as the window shows it (2: only the receiver is
  // present and its mouse is not linked); the receiver's reports consult it.
  int ConnIndicatorState = 0;

  // One report of the role's status interface. A report with another id, or cut short
  // before its last field, is ignored.
  StatusEvents Decode(DeviceRole role, std::span<const std::uint8_t> report);

 private:
  // Brings the current profile and the shown values in line with the report's fields.
  void ApplyFields(StatusEvents& ev);

  AppContext& ctx_;
  DeviceLink& link_;
  DeviceUploadState& upload_;
  Launcher* launcher_;
  StatusValues values_;
};

}  // namespace corvane
