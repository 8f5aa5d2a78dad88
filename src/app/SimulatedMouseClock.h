#pragma once
// Keeps the simulated devices' virtual clock in step with the real one while the window
// runs, so what the device does over time (re-appearing after a firmware restart, a
// receiver finding its mouse) happens without the program pausing.
//
// The program's own pauses already move the clock (the session's pause service sleeps,
// then advances it by the same time). Each tick therefore advances only by the real time
// since the last tick that those pauses have not covered; a pause longer than the tick
// (or one that did not wait at all, --no-wait) leaves nothing to catch up afterwards.
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

  // Starts (or restarts) the ticks; the time before this is not counted.
  void Start(int intervalMs = kTickMs);
  void Stop();
  bool Running() const { return timer_.isActive(); }

  // One tick: moves the devices' clock on by the real time not yet covered.
  void Tick();

 signals:
  void Ticked();

 private:
  void Rebase();

  SimBackend& sim_;
  SimClockPause pause_;  // no inner pause: the window never waits, it only counts
  WallClock wall_;
  QElapsedTimer elapsed_;
  QTimer timer_;
  std::int64_t lastWall_ = 0;
  std::uint64_t lastSim_ = 0;
};

}  // namespace corvane
