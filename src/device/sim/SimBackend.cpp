#include "device/sim/SimBackend.h"

#include <array>
#include <chrono>
#include <string_view>

#include "device/sim/SimBackendShared.h"
#include "device/sim/SimHandle.h"
#include "device/sim/SimReportDescriptors.h"

namespace corvane {
namespace {

constexpr std::string_view kPathPrefix = "sim:";

struct InterfaceName {
  SimInterface iface;
  std::string_view name;
};

// In the order the bus lists them.
constexpr std::array<InterfaceName, kSimInterfaceCount> kInterfaceNames{{
    {SimInterface::Pointer, "pointer"},
    {SimInterface::Input, "input"},
    {SimInterface::Feature, "feature"},
}};

std::string_view NameOf(SimInterface iface) {
  for (const auto& n : kInterfaceNames) {
    if (n.iface == iface) return n.name;
  }
  return {};
}

bool ParsePath(std::string_view path, DeviceRole& role, SimInterface& iface) {
  if (!path.starts_with(kPathPrefix)) return false;
  path.remove_prefix(kPathPrefix.size());
  const std::size_t colon = path.find(':');
  if (colon == std::string_view::npos) return false;
  const auto r = RoleOfName(path.substr(0, colon));
  if (!r) return false;
  for (const auto& n : kInterfaceNames) {
    if (n.name == path.substr(colon + 1)) {
      role = *r;
      iface = n.iface;
      return true;
    }
  }
  return false;
}

}  // namespace

SimBackendShared::Delivery SimBackendShared::DeliverLocked() {
  Delivery delivered;
  std::erase_if(queues, [](const std::weak_ptr<SimReportQueue>& w) { return w.expired(); });
  for (SimEvent& e : device.TakeEvents()) {
    delivered.anyEvent = true;
    if (e.kind == SimEvent::Kind::InputReport) {
      for (const auto& w : queues) {
        const auto q = w.lock();
        if (!q || q->role != e.role || q->iface != SimInterface::Input || !Alive(*q)) continue;
        if (q->reports.size() >= SimBackend::kQueuedReportLimit) q->reports.pop_front();
        q->reports.push_back(e.report);
      }
      continue;
    }
    if (!watching) continue;
    const HotplugEvent kind = e.kind == SimEvent::Kind::Arrived ? HotplugEvent::Arrival : HotplugEvent::Removal;
    for (const auto& n : kInterfaceNames) hotplug.emplace_back(kind, SimBackend::InterfacePath(e.role, n.iface));
    delivered.hotplugQueued = true;
  }
  return delivered;
}

SimBackend::SimBackend(SimOptions options) : options_(std::move(options)) {
  SimState state;
  if (!options_.stateFile.empty()) stateLoad_ = LoadSimState(options_.stateFile, state);
  shared_ = std::make_shared<SimBackendShared>(options_.roles, std::move(state));
}

SimBackend::~SimBackend() {
  {
    std::lock_guard lock(shared_->mutex);
    shared_->shutDown = true;
    shared_->notifier = nullptr;
    shared_->changeNotifier = nullptr;
  }
  shared_->changed.notify_all();
}

std::string SimBackend::InterfacePath(DeviceRole role, SimInterface iface) {
  std::string p(kPathPrefix);
  p += RoleInfo(role).name;
  p += ':';
  p += NameOf(iface);
  return p;
}

std::vector<HidInterfaceInfo> SimBackend::Enumerate() {
  std::lock_guard lock(shared_->mutex);
  std::vector<HidInterfaceInfo> out;
  for (const auto& r : kDeviceRoles) {
    if (!shared_->device.Present(r.role)) continue;
    for (const auto& n : kInterfaceNames) {
      const SimReportLengths lengths = SimInterfaceLengths(n.iface);
      out.push_back({InterfacePath(r.role, n.iface), kVendorId, r.productId, shared_->device.Version(r.role),
                     lengths.input, lengths.feature});
    }
  }
  return out;
}

std::unique_ptr<HidHandle> SimBackend::Open(const std::string& path) {
  DeviceRole role{};
  SimInterface iface{};
  if (!ParsePath(path, role, iface)) return nullptr;
  std::lock_guard lock(shared_->mutex);
  if (shared_->shutDown || !shared_->device.Present(role)) return nullptr;
  auto queue = std::make_shared<SimReportQueue>();
  queue->role = role;
  queue->iface = iface;
  queue->generation = shared_->device.Generation(role);
  shared_->queues.push_back(queue);
  return std::make_unique<SimHandle>(shared_, std::move(queue));
}

bool SimBackend::StartHotplugWatch() {
  std::lock_guard lock(shared_->mutex);
  shared_->watching = true;
  return true;
}

bool SimBackend::PollHotplug(int timeoutMs, HotplugEvent& event, std::string& path) {
  std::unique_lock lock(shared_->mutex);
  if (!shared_->watching) return false;
  const auto ready = [&] { return !shared_->hotplug.empty() || shared_->shutDown; };
  if (timeoutMs < 0) {
    shared_->changed.wait(lock, ready);
  } else {
    shared_->changed.wait_for(lock, std::chrono::milliseconds(timeoutMs), ready);
  }
  if (shared_->hotplug.empty()) return false;
  event = shared_->hotplug.front().first;
  path = std::move(shared_->hotplug.front().second);
  shared_->hotplug.pop_front();
  return true;
}

void SimBackend::AdvanceClock(std::uint32_t ms) {
  shared_->Run([ms](SimDevice& d) { return d.AdvanceClock(ms), 0; }, SimBackendShared::Step::Clock);
}

std::uint64_t SimBackend::Now() const {
  std::lock_guard lock(shared_->mutex);
  return shared_->device.Now();
}

std::optional<std::uint64_t> SimBackend::NextScheduled() const {
  std::lock_guard lock(shared_->mutex);
  return shared_->device.NextScheduled();
}

bool SimBackend::SaveState() {
  if (options_.stateFile.empty()) return false;
  return SaveSimState(options_.stateFile, State());
}

void SimBackend::PressDpiButton() {
  shared_->Run([](SimDevice& d) { return d.PressDpiButton(), 0; });
}

void SimBackend::PressLightingButton() {
  shared_->Run([](SimDevice& d) { return d.PressLightingButton(), 0; });
}

void SimBackend::PressButton(std::size_t profileButton) {
  shared_->Run([=](SimDevice& d) { return d.PressButton(profileButton), 0; });
}

void SimBackend::PressQuickLaunch(std::uint8_t request) {
  shared_->Run([=](SimDevice& d) { return d.PressQuickLaunch(request), 0; });
}

void SimBackend::SetBattery(std::uint8_t percent) {
  shared_->Run([=](SimDevice& d) { return d.SetBattery(percent), 0; });
}

void SimBackend::SetCharging(std::uint8_t chargeState) {
  shared_->Run([=](SimDevice& d) { return d.SetCharging(chargeState), 0; });
}

void SimBackend::SetSensorLetter(std::uint8_t letter) {
  shared_->Run([=](SimDevice& d) { return d.SetSensorLetter(letter), 0; });
}

void SimBackend::SetMouseLinked(bool linked) {
  shared_->Run([=](SimDevice& d) { return d.SetMouseLinked(linked), 0; });
}

void SimBackend::Unplug(DeviceRole role) {
  shared_->Run([=](SimDevice& d) { return d.Unplug(role), 0; });
}

void SimBackend::Plug(DeviceRole role) {
  shared_->Run([=](SimDevice& d) { return d.Plug(role), 0; });
}

SimFaults SimBackend::Faults() const {
  std::lock_guard lock(shared_->mutex);
  return shared_->device.State().faults;
}

void SimBackend::SetFaults(const SimFaults& faults) {
  shared_->Run([&](SimDevice& d) { return d.Faults() = faults, 0; });
}

SimState SimBackend::State() const {
  std::lock_guard lock(shared_->mutex);
  return shared_->device.State();
}

bool SimBackend::Present(DeviceRole role) const {
  std::lock_guard lock(shared_->mutex);
  return shared_->device.Present(role);
}

void SimBackend::Access(const std::function<void(SimDevice&)>& fn) {
  shared_->Run([&](SimDevice& d) { return fn(d), 0; });
}

void SimBackend::Inspect(const std::function<void(const SimDevice&)>& fn) const {
  std::lock_guard lock(shared_->mutex);
  fn(shared_->device);
}

void SimBackend::SetHotplugNotifier(std::function<void()> notifier) {
  std::lock_guard lock(shared_->mutex);
  shared_->notifier = std::move(notifier);
}

void SimBackend::SetChangeNotifier(std::function<void()> notifier) {
  std::lock_guard lock(shared_->mutex);
  shared_->changeNotifier = std::move(notifier);
}

}  // namespace corvane
