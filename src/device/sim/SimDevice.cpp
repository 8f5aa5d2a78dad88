#include "device/sim/SimDevice.h"

#include <algorithm>

#include "device/sim/SimMouse.h"
#include "device/sim/SimPairing.h"
#include "device/sim/SimStatusEvents.h"

namespace corvane {

SimDevice::SimDevice(std::span<const DeviceRole> roles, SimState state) : state_(std::move(state)) {
  for (DeviceRole r : roles) present_[Index(r)] = true;
}

std::uint16_t SimDevice::Version(DeviceRole role) const {
  switch (role) {
    case DeviceRole::Wired:
      return state_.wiredVersion;
    case DeviceRole::Receiver:
      return kSimReceiverVersion;
    case DeviceRole::Bluetooth:
      return kSimBluetoothVersion;
  }
  return 0;
}

bool SimDevice::Reachable(DeviceRole role) const {
  if (!Present(role)) return false;
  return role != DeviceRole::Receiver || state_.receiver.linked;
}

std::optional<DeviceRole> SimDevice::StatusRoute() const {
  for (DeviceRole r : {DeviceRole::Wired, DeviceRole::Bluetooth, DeviceRole::Receiver}) {
    if (Reachable(r)) return r;
  }
  return std::nullopt;
}

void SimDevice::Emit(DeviceRole role, SimReport report) {
  if (!Present(role)) return;
  SimEvent e;
  e.kind = SimEvent::Kind::InputReport;
  e.role = role;
  e.report = std::move(report);
  events_.push_back(std::move(e));
}

void SimDevice::EmitStatus(std::uint8_t quickLaunch) {
  const auto route = StatusRoute();
  if (!route) return;
  if (state_.faults.garbageReports) {
    for (auto& g : BuildGarbageReports(noise_)) Emit(*route, std::move(g));
  }
  Emit(*route, BuildStatusReport(state_.mouse, true, quickLaunch));
}

void SimDevice::EmitReceiverLink(bool linked) {
  Emit(DeviceRole::Receiver, linked ? BuildStatusReport(state_.mouse, true) : BuildLinkDownReport());
}

std::vector<SimEvent> SimDevice::TakeEvents() {
  std::vector<SimEvent> out;
  out.swap(events_);
  return out;
}

void SimDevice::AdvanceClock(std::uint32_t ms) {
  now_ += ms;
  std::uint32_t& leaveAfter = state_.faults.receiverLeavesPairingAfterMs;
  if (state_.receiver.pairing && leaveAfter > 0 && Present(DeviceRole::Receiver)) {
    pairingWaitMs_ += ms;
    if (pairingWaitMs_ >= leaveAfter) {
      leaveAfter = 0;
      Unplug(DeviceRole::Receiver);
    }
  }
  if (AdvancePairing(state_.receiver, ms) == SimLinkChange::Up) EmitReceiverLink(true);
  // Plug erases from arrivals_, so collect the due roles first.
  std::vector<DeviceRole> due;
  for (const auto& a : arrivals_) {
    if (a.due <= now_) due.push_back(a.role);
  }
  for (DeviceRole r : due) Plug(r);
}

std::optional<std::uint64_t> SimDevice::NextScheduled() const {
  std::optional<std::uint64_t> next;
  const auto at = [&next](std::uint64_t due) { next = next ? std::min(*next, due) : due; };
  const SimReceiverState& receiver = state_.receiver;
  if (receiver.pairing) {
    at(now_ + receiver.pairingLeftMs);
    const std::uint32_t leaveAfter = state_.faults.receiverLeavesPairingAfterMs;
    if (leaveAfter > 0 && Present(DeviceRole::Receiver))
      at(now_ + (leaveAfter > pairingWaitMs_ ? leaveAfter - pairingWaitMs_ : 0));
  }
  for (const auto& a : arrivals_) at(a.due);
  if (firmware_.BusyUntil() > now_) at(firmware_.BusyUntil());
  return next;
}

void SimDevice::PressDpiButton() {
  if (StepDpiLevel(state_.mouse, SimDpiStep::Cycle)) EmitStatus();
}

void SimDevice::PressLightingButton() {
  NextLightingMode(state_.mouse);
  EmitStatus();
}

void SimDevice::PressButton(std::size_t profileButton) {
  const SimPressResult r = PressMouseButton(state_.mouse, profileButton);
  if (!r.statusChanged) return;
  EmitStatus(r.quickLaunch);
  // Releasing the button clears the request, so the next press asks again.
  if (r.quickLaunch != 0) EmitStatus(0);
}

void SimDevice::PressQuickLaunch(std::uint8_t request) {
  EmitStatus(request);
  EmitStatus(0);
}

void SimDevice::SetBattery(std::uint8_t percent) {
  state_.mouse.battery = std::min<std::uint8_t>(percent, 100);
  EmitStatus();
}

void SimDevice::SetCharging(std::uint8_t chargeState) {
  state_.mouse.charge = chargeState;
  EmitStatus();
}

void SimDevice::SetSensorLetter(std::uint8_t letter) {
  state_.mouse.sensorLetter = letter;
  EmitStatus();
}

void SimDevice::SetMouseLinked(bool linked) {
  SimReceiverState& rx = state_.receiver;
  rx.pairing = false;
  rx.pairingLeftMs = 0;
  if (rx.linked == linked) return;
  rx.linked = linked;
  EmitReceiverLink(linked);
}

void SimDevice::Unplug(DeviceRole role) {
  const std::size_t i = Index(role);
  if (!present_[i]) return;
  present_[i] = false;
  ++generation_[i];
  ack_[i] = {};
  // Unplugged, the mouse is reset: a fault of its frames that had begun ends.
  refusedPacket_.reset();
  garbageReplies_ = false;
  repliesLost_ = false;
  fwSilent_ = false;
  if (role == DeviceRole::Wired) firmware_ = SimFirmware{};
  SimEvent e;
  e.kind = SimEvent::Kind::Removed;
  e.role = role;
  events_.push_back(std::move(e));
}

void SimDevice::Plug(DeviceRole role) {
  std::erase_if(arrivals_, [role](const PendingArrival& a) { return a.role == role; });
  const std::size_t i = Index(role);
  if (present_[i]) return;
  present_[i] = true;
  SimEvent e;
  e.kind = SimEvent::Kind::Arrived;
  e.role = role;
  events_.push_back(std::move(e));
}

void SimDevice::InjectInputReport(DeviceRole role, SimReport report) { Emit(role, std::move(report)); }

void SimDevice::Log(DeviceRole role, SimExchange::Kind kind, std::span<const std::uint8_t> bytes, bool ok) {
  if (exchanges_.size() >= kExchangeLogLimit) exchanges_.pop_front();
  exchanges_.push_back({role, kind, SimReport(bytes.begin(), bytes.end()), ok});
}

}  // namespace corvane
