#pragma once
// What the program talks to the mouse through: the HID stack (hidraw, or the simulated
// mouse), the pause service (sleeping, or recording without waiting; with the simulated
// mouse every pause also moves its clock on), the trace of every exchange, and the device
// link after its first scan. corvanectl and the window open it the same way.
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "device/DeviceLink.h"
#include "device/FeatureTransport.h"
#include "device/HidBackend.h"
#include "device/Pause.h"
#include "device/TraceSink.h"
#include "device/sim/SimBackend.h"

namespace corvane {

struct ConfigTable;

// "wired,receiver" -> roles; nothing for an unknown name. An empty list is allowed (no
// device present).
std::optional<std::vector<DeviceRole>> ParseSimulatedRoles(const std::string& list);

struct DeviceSessionOptions {
  std::optional<std::vector<DeviceRole>> simulate;  // the simulated roles; none: hidraw
  std::string simState;   // file keeping the simulated devices' state between runs
  std::string traceFile;  // appended trace of every exchange and pause
  bool noWait = false;    // record pauses instead of sleeping
  // Receives what the user should know but that does not stop the session (a device
  // that cannot be opened, a simulated state that cannot be read or written).
  std::function<void(const std::string&)> warn;
};

class DeviceSession {
 public:
  // Sets everything up and scans; the link starts as NeedPassword of the configuration
  // says. Returns nullptr, with the reason in error, when the trace cannot be written.
  static std::unique_ptr<DeviceSession> Open(DeviceSessionOptions options, const ConfigTable& config,
                                             std::string& error);
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
  bool WaitsThroughPause() const { return sim_ != nullptr || options_.noWait; }

 private:
  explicit DeviceSession(DeviceSessionOptions options) : options_(std::move(options)) {}
  bool Build(const ConfigTable& config, std::string& error);
  void Warn(const std::string& message) const {
    if (options_.warn) options_.warn(message);
  }

  DeviceSessionOptions options_;
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

}  // namespace corvane
