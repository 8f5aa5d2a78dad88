#pragma once
// What SimBackend and its handles share: the model behind one lock, the report queues
// of open handles, and the hotplug queue. Internal to the simulated backend.
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "device/HidBackend.h"
#include "device/sim/SimDevice.h"

namespace corvane {

// Reports waiting for one open handle.
struct SimReportQueue {
  DeviceRole role = DeviceRole::Wired;
  SimInterface iface = SimInterface::Input;
  std::uint32_t generation = 0;
  std::deque<SimReport> reports;
  bool closed = false;
};

struct SimBackendShared {
  SimBackendShared(std::span<const DeviceRole> roles, SimState state) : device(roles, std::move(state)) {}

  std::mutex mutex;
  std::condition_variable changed;
  SimDevice device;
  bool watching = false;
  bool shutDown = false;
  std::deque<std::pair<HotplugEvent, std::string>> hotplug;
  std::vector<std::weak_ptr<SimReportQueue>> queues;
  std::function<void()> notifier;
  std::function<void()> changeNotifier;  // see SimBackend::SetChangeNotifier

  // The handle can still talk to its device: open, and the device has not left the bus
  // since it was opened.
  bool Alive(const SimReportQueue& q) const {
    return !shutDown && !q.closed && device.Present(q.role) && device.Generation(q.role) == q.generation;
  }

  // Hands the model's reports to the open input handles and its bus changes to the
  // hotplug queue. Call with the mutex held.
  struct Delivery {
    bool anyEvent = false;       // the model had something to hand out
    bool hotplugQueued = false;  // a hotplug event was queued
  };
  Delivery DeliverLocked();

  // What Run runs: an operation on the devices, or a step of their virtual clock.
  enum class Step : std::uint8_t { Operation, Clock };

  // Runs fn on the model under the lock, delivers what it caused, tells the change
  // notifier, then wakes waiting readers and tells the hotplug notifier. A step of the
  // clock counts as a change only when it brought an event or ended or moved what was
  // scheduled: the clock itself is no news.
  template <typename Fn>
  auto Run(Fn&& fn, Step step = Step::Operation) {
    std::function<void()> notify;
    std::unique_lock lock(mutex);
    const std::optional<std::uint64_t> scheduled = step == Step::Clock ? device.NextScheduled() : std::nullopt;
    auto result = fn(device);
    const Delivery delivered = DeliverLocked();
    if (delivered.hotplugQueued) notify = notifier;
    if (changeNotifier &&
        (step == Step::Operation || delivered.anyEvent || device.NextScheduled() != scheduled)) {
      changeNotifier();
    }
    lock.unlock();
    // Waiters look at report queues, at whether their device is still there and at the
    // hotplug queue, all of which change only with an event: a step of the clock that
    // brought nothing wakes nobody.
    if (delivered.anyEvent) changed.notify_all();
    if (notify) notify();
    return result;
  }
};

}  // namespace corvane
