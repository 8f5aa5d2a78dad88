#include "session/DeviceSession.h"

#include <algorithm>
#include <sstream>

#include "device/PauseServices.h"
#include "device/TracingBackend.h"
#include "device/linux/HidrawBackend.h"
#include "device/sim/SimBackend.h"
#include "settings/ConfigTable.h"

namespace corvane {

namespace {

// NeedPassword 0 starts with the link taken as up, as the program's start does.
int InitialLinkUp(const ConfigTable& config) {
  return config.ConfigNeedPassword() == 0 ? 1 : 0;
}

}  // namespace

std::optional<std::vector<DeviceRole>> ParseSimulatedRoles(const std::string& list) {
  std::vector<DeviceRole> roles;
  std::istringstream in(list);
  for (std::string name; std::getline(in, name, ',');) {
    const auto role = RoleOfName(name);
    if (!role) return std::nullopt;
    if (std::find(roles.begin(), roles.end(), *role) == roles.end()) roles.push_back(*role);
  }
  return roles;
}

std::unique_ptr<DeviceSession> DeviceSession::Open(DeviceSessionOptions options, const ConfigTable& config,
                                                   std::string& error) {
  std::unique_ptr<DeviceSession> session(new DeviceSession(std::move(options)));
  if (!session->Build(config, error)) return nullptr;
  return session;
}

bool DeviceSession::Build(const ConfigTable& config, std::string& error) {
  const DeviceSessionOptions& opt = options_;
  if (!opt.traceFile.empty()) {
    std::string reason;
    trace_ = TraceSink::AppendTo(opt.traceFile, reason, [this](const std::string& why) { Warn("trace " + why); });
    if (!trace_) {
      error = "cannot write the trace file " + reason;
      return false;
    }
  }

  if (opt.simulate) {
    sim_ = std::make_unique<SimBackend>(SimOptions{*opt.simulate, opt.simState});
    if (sim_->StateLoad() == SimStateLoad::Malformed)
      Warn(opt.simState + " is not a simulated device state; starting fresh");
    backend_ = sim_.get();
  } else {
    hidraw_ = std::make_unique<HidrawBackend>();
    backend_ = hidraw_.get();
  }

  if (opt.noWait)
    pauses_.push_back(std::make_unique<RecordingPause>());
  else
    pauses_.push_back(std::make_unique<SleepingPause>());
  if (sim_) pauses_.push_back(std::make_unique<SimClockPause>(*sim_, pauses_.back().get()));
  if (trace_) {
    tracingBackend_ = std::make_unique<TracingBackend>(*backend_, *trace_);
    backend_ = tracingBackend_.get();
    pauses_.push_back(std::make_unique<TracingPause>(*pauses_.back(), *trace_));
  }
  pause_ = pauses_.back().get();

  link_ = std::make_unique<DeviceLink>(*backend_, *pause_);
  link_->LinkUp = InitialLinkUp(config);
  link_->NoDeviceYet = 1;
  firstScan_ = link_->ScanDevices();
  if (link_->AnyPresent) link_->NoDeviceYet = 0;
  std::vector<std::string> unopenable = firstScan_.Unopenable;
  std::sort(unopenable.begin(), unopenable.end());
  unopenable.erase(std::unique(unopenable.begin(), unopenable.end()), unopenable.end());
  for (const auto& path : unopenable)
    Warn("cannot open " + path + " (no access: install the udev rule 70-corvane.rules, see README)");
  return true;
}

DeviceSession::~DeviceSession() {
  if (link_) link_->CloseFeatureHandles();
  link_.reset();
  if (sim_ && !options_.simState.empty() && !sim_->SaveState())
    Warn("cannot write the simulated device state to " + options_.simState);
}

}  // namespace corvane
