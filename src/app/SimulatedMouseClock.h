#pragma once
// Keeps the simulated devices' virtual clock in step with the real one while the window
// runs, so what the device does over time (re-appearing after a firmware restart, a
// receiver finding its mouse) happens without the program pausing.
//
// It ticks only while the devices have something scheduled (SimBackend::NextScheduled):
// with nothing due, moving their time would change nothing they do, and an idle program
// would wake twenty times a second for it. The virtual clock then stands still; when an
// operation schedules something (a pairing request, a firmware restart), the simulator's
// change notifier wakes the clock, which counts the real time only from then on, so the
// event comes due as long after its scheduling as it did with a clock that never stopped.
//
// The program's own pauses already move the clock (the session's pause service sleeps,
// then advances it by the same time). Each tick therefore advances only by the real time
// since the last tick that those pauses have not covered; a pause longer than the tick
// (or one that did not wait at all, --no-wait) leaves nothing to catch up afterwards.
#include <atomic>
#include <cstdint>
#include <functional>

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include "device/sim/SimBackend.h"

namespace corvane {

class SimulatedMouseClock : public QObject {
  Q_OBJECT

 public:
  static constexpr int kTickMs = 50;

  // Milliseconds of real time from any fixed start; tests hand in their own.
  using WallClock = std::function<std::int64_t()>;

  explicit SimulatedMouseClock(SimBackend& sim, WallClock wall = {}, QObject* parent = nullptr);

  ~SimulatedMouseClock() override;

  // Starts (or restarts) keeping time; the time before this is not counted. The ticks run
  // while something is scheduled.
  void Start(int intervalMs = kTickMs);
  void Stop();
  bool Running() const { return running_; }
  // The timer is on: started, and the devices have something scheduled.
  bool Ticking() const { return timer_.isActive(); }

  // One tick: moves the devices' clock on by the real time not yet covered; the timer
  // stops when nothing is left scheduled.
  void Tick();

 signals:
  void Ticked();
  // Something acted on the devices (the program's exchanges, a user's action) or their
  // clock brought an event; delivered on the clock's thread, several at once as one.
  void DevicesChanged();

 private:
  void Rebase();
  void OnDevicesChanged();
  // Starts the timer when something is scheduled and it is off, from the time now.
  void WakeIfScheduled();

  SimBackend& sim_;
  SimClockPause pause_;  // no inner pause: the window never waits, it only counts
  WallClock wall_;
  QElapsedTimer elapsed_;
  QTimer timer_;
  std::int64_t lastWall_ = 0;
  std::uint64_t lastSim_ = 0;
  int intervalMs_ = kTickMs;
  bool running_ = false;
  // A change is posted and not yet handled: the simulator's threads post once for many.
  std::atomic<bool> changePosted_{false};
};

}  // namespace corvane
