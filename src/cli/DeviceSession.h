#pragma once
// What a device command of corvanectl works with: the HID stack (hidraw, or the
// simulated mouse with --simulate), the pause service (sleeping, or recording with
// --no-wait; in simulate mode every pause also moves the simulated clock on), the trace
// of --trace, and the device link after its first scan.
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "cli/Cli.h"
#include "device/DeviceLink.h"
#include "device/FeatureTransport.h"
#include "device/HidBackend.h"
#include "device/Pause.h"
#include "device/TraceSink.h"
#include "device/sim/SimBackend.h"

namespace corvane::cli {

// "wired,receiver" -> roles; nothing for an unknown name. An empty list is allowed (no
// device present).
std::optional<std::vector<DeviceRole>> ParseSimulatedRoles(const std::string& list);

class DeviceSession {
 public:
  // Sets everything up and scans. Returns nullptr when the options cannot be used; the
  // reason has been written and exitCode says how the command ends.
  static std::unique_ptr<DeviceSession> Open(CliContext& ctx, int& exitCode);
  // Closes the handles and, with --sim-state, writes the simulated devices' state.
  ~DeviceSession();
  DeviceSession(const DeviceSession&) = delete;
  DeviceSession& operator=(const DeviceSession&) = delete;

  DeviceLink& Link() { return *link_; }
  const ScanOutcome& FirstScan() const { return firstScan_; }
  HidBackend& Backend() { return *backend_; }
  Pause& GetPause() { return *pause_; }
  // The simulated devices, or nullptr on real hardware.
  SimBackend* Sim() { return sim_.get(); }
  // Waiting goes through the pause service (virtual time, or no waiting at all) instead
  // of the real clock.
  bool WaitsThroughPause() const { return sim_ != nullptr || ctx_.options.noWait; }

  // Language text 156 (the mouse is not connected) on stderr; exit status 1.
  int RefuseNoDevice() const;
  // How a command ends when a transfer did not go through.
  int RefuseSend(SendResult result, const std::string& what) const;

 private:
  explicit DeviceSession(CliContext& ctx) : ctx_(ctx) {}
  bool Build(int& exitCode);

  CliContext& ctx_;
  std::unique_ptr<TraceSink> trace_;
  std::unique_ptr<SimBackend> sim_;
  std::unique_ptr<HidBackend> hidraw_;
  std::unique_ptr<HidBackend> tracingBackend_;
  std::vector<std::unique_ptr<Pause>> pauses_;  // innermost first
  HidBackend* backend_ = nullptr;
  Pause* pause_ = nullptr;
  std::unique_ptr<DeviceLink> link_;
  ScanOutcome firstScan_;
};

}  // namespace corvane::cli
