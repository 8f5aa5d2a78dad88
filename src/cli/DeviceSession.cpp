#include "cli/DeviceSession.h"

#include <algorithm>
#include <ostream>
#include <sstream>

#include "device/PauseServices.h"
#include "device/TracingBackend.h"
#include "device/linux/HidrawBackend.h"
#include "device/sim/SimBackend.h"
#include "settings/TextUtil.h"

namespace corvane::cli {

namespace {

constexpr int kLanguageNotConnected = 156;
// Shown when the language file lacks the text.
constexpr char16_t kNotConnectedFallback[] = u"The mouse is not connected.";

// NeedPassword 0 starts with the link taken as up, as the program's start does.
int InitialLinkUp(const AppContext& app) {
  const std::u16string mode = app.Config.GetConfigText(kConfigNeedPassword, 1);
  return ParseLong(mode) == 0 ? 1 : 0;
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

std::unique_ptr<DeviceSession> DeviceSession::Open(CliContext& ctx, int& exitCode) {
  std::unique_ptr<DeviceSession> session(new DeviceSession(ctx));
  if (!session->Build(exitCode)) return nullptr;
  return session;
}

bool DeviceSession::Build(int& exitCode) {
  const GlobalOptions& opt = ctx_.options;
  if (!opt.simulate && !opt.simState.empty()) {
    exitCode = ctx_.Usage("--sim-state needs --simulate");
    return false;
  }
  if (!opt.traceFile.empty()) {
    trace_ = TraceSink::AppendTo(opt.traceFile);
    if (!trace_) {
      exitCode = ctx_.Refuse("cannot write the trace file " + opt.traceFile);
      return false;
    }
  }

  if (opt.simulate) {
    const auto roles = ParseSimulatedRoles(*opt.simulate);
    if (!roles) {
      exitCode = ctx_.Usage("--simulate takes a comma list of wired, receiver, bluetooth");
      return false;
    }
    sim_ = std::make_unique<SimBackend>(SimOptions{*roles, opt.simState});
    if (sim_->StateLoad() == SimStateLoad::Malformed)
      ctx_.err << "corvanectl: " << opt.simState << " is not a simulated device state; starting fresh\n";
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
  link_->LinkUp = InitialLinkUp(*ctx_.app);
  link_->NoDeviceYet = 1;
  firstScan_ = link_->ScanDevices();
  if (link_->AnyPresent) link_->NoDeviceYet = 0;
  std::vector<std::string> unopenable = firstScan_.Unopenable;
  std::sort(unopenable.begin(), unopenable.end());
  unopenable.erase(std::unique(unopenable.begin(), unopenable.end()), unopenable.end());
  for (const auto& path : unopenable)
    ctx_.err << "corvanectl: cannot open " << path
             << " (no access: install the udev rule 70-corvane.rules, see README)\n";
  return true;
}

DeviceSession::~DeviceSession() {
  if (link_) link_->CloseFeatureHandles();
  link_.reset();
  if (sim_ && !ctx_.options.simState.empty() && !sim_->SaveState())
    ctx_.err << "corvanectl: cannot write the simulated device state to " << ctx_.options.simState << "\n";
}

int DeviceSession::RefuseNoDevice() const {
  std::u16string text = ctx_.app->Language.Text(kLanguageNotConnected);
  if (text.empty()) text = kNotConnectedFallback;
  return ctx_.Refuse(text);
}

int DeviceSession::RefuseSend(SendResult result, const std::string& what) const {
  switch (result) {
    case SendResult::Acknowledged:
      return kExitOk;
    case SendResult::NoDevice:
      return RefuseNoDevice();
    case SendResult::DeviceGone:
      return ctx_.Refuse("the mouse was disconnected during the " + what);
    case SendResult::NotAcknowledged:
      break;
  }
  return ctx_.Refuse("the mouse did not acknowledge the " + what);
}

}  // namespace corvane::cli
