#pragma once
// The simulated mouse and receiver behind the HidBackend interface, so the program runs
// against them wherever it runs against hidraw. Thread-safe: status readers block in
// Read on their own threads while the main thread writes frames, advances virtual time
// and presses the simulated buttons.
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "device/HidBackend.h"
#include "device/Pause.h"
#include "device/sim/SimDevice.h"
#include "device/sim/SimStateFile.h"

namespace corvane {

struct SimOptions {
  std::vector<DeviceRole> roles;  // present at start
  std::string stateFile;          // empty: nothing persists
};

struct SimBackendShared;

class SimBackend final : public HidBackend {
 public:
  // Reports a reader has not fetched yet are kept up to this many per handle, as hidraw
  // keeps them; older ones are dropped.
  static constexpr std::size_t kQueuedReportLimit = 64;

  explicit SimBackend(SimOptions options);
  ~SimBackend() override;
  SimBackend(const SimBackend&) = delete;
  SimBackend& operator=(const SimBackend&) = delete;

  std::vector<HidInterfaceInfo> Enumerate() override;
  std::unique_ptr<HidHandle> Open(const std::string& path) override;
  bool StartHotplugWatch() override;
  bool PollHotplug(int timeoutMs, HotplugEvent& event, std::string& path) override;

  // "sim:<role>:<input|feature|pointer>"
  static std::string InterfacePath(DeviceRole role, SimInterface iface);

  // Virtual time: the program's pause service advances it in simulate mode.
  void AdvanceClock(std::uint32_t ms);
  // Virtual milliseconds since the devices were created, however they were advanced.
  std::uint64_t Now() const;
  // See SimDevice::NextScheduled: while there is none, nothing needs the clock to move.
  std::optional<std::uint64_t> NextScheduled() const;

  // The roles the devices were simulated with (present at start; a role that is
  // unplugged stays one of them).
  const std::vector<DeviceRole>& Roles() const { return options_.roles; }

  // How the state file was found at construction.
  SimStateLoad StateLoad() const { return stateLoad_; }
  // Writes the devices' state to the state file; false when there is none or it cannot
  // be written.
  bool SaveState();

  // What a user does to the devices (the simulator window, tests).
  void PressDpiButton();
  void PressLightingButton();
  void PressButton(std::size_t profileButton);
  void PressQuickLaunch(std::uint8_t request);
  void SetBattery(std::uint8_t percent);
  void SetCharging(std::uint8_t chargeState);
  void SetSensorLetter(std::uint8_t letter);
  void SetMouseLinked(bool linked);
  void Unplug(DeviceRole role);
  void Plug(DeviceRole role);

  SimFaults Faults() const;
  void SetFaults(const SimFaults& faults);
  SimState State() const;
  bool Present(DeviceRole role) const;
  // Runs fn on the model with every other caller held off; the reports and bus changes it
  // causes are delivered afterwards.
  void Access(const std::function<void(SimDevice&)>& fn);
  // Lets fn read the model with every other caller held off; no operation, so nobody is
  // told of a change.
  void Inspect(const std::function<void(const SimDevice&)>& fn) const;

  // Called (outside the lock, on the thread that caused it) whenever a hotplug event is
  // queued, so an event loop can poll without a descriptor to watch.
  void SetHotplugNotifier(std::function<void()> notifier);
  // Called after every operation on the devices (a feature exchange, what a user does,
  // Access) and after a step of the clock that changed more than the time, so a window
  // can follow the devices and wake their clock without polling. It runs on the thread
  // that caused it with the simulator's lock held, so it may only hand the news to
  // another thread (post an event), never call the simulator; once this returns with an
  // empty function, no call of the old one is under way.
  void SetChangeNotifier(std::function<void()> notifier);

 private:
  SimOptions options_;
  SimStateLoad stateLoad_ = SimStateLoad::NoFile;
  std::shared_ptr<SimBackendShared> shared_;
};

// A pause of the program that also moves the simulated devices' clock on.
class SimClockPause final : public Pause {
 public:
  explicit SimClockPause(SimBackend& sim, Pause* inner = nullptr) : sim_(sim), inner_(inner) {}
  void Sleep(std::uint32_t ms) override {
    if (inner_ != nullptr) inner_->Sleep(ms);
    sim_.AdvanceClock(ms);
  }

 private:
  SimBackend& sim_;
  Pause* inner_;
};

}  // namespace corvane
