#include "app/SimulatedMouseClock.h"

#include <algorithm>
#include <limits>

namespace corvane {

SimulatedMouseClock::SimulatedMouseClock(SimBackend& sim, WallClock wall, QObject* parent)
    : QObject(parent), sim_(sim), pause_(sim), wall_(std::move(wall)) {
  if (!wall_) {
    elapsed_.start();
    wall_ = [this] { return elapsed_.elapsed(); };
  }
  timer_.setTimerType(Qt::CoarseTimer);
  connect(&timer_, &QTimer::timeout, this, &SimulatedMouseClock::Tick);
  Rebase();
}

void SimulatedMouseClock::Rebase() {
  lastWall_ = wall_();
  lastSim_ = sim_.Now();
}

void SimulatedMouseClock::Start(int intervalMs) {
  Rebase();
  timer_.start(intervalMs);
}

void SimulatedMouseClock::Stop() { timer_.stop(); }

void SimulatedMouseClock::Tick() {
  const std::int64_t wall = wall_();
  const std::uint64_t sim = sim_.Now();
  const std::int64_t real = std::max<std::int64_t>(wall - lastWall_, 0);
  const std::uint64_t covered = sim - lastSim_;
  if (static_cast<std::uint64_t>(real) > covered) {
    const std::uint64_t behind = static_cast<std::uint64_t>(real) - covered;
    pause_.Sleep(static_cast<std::uint32_t>(std::min<std::uint64_t>(behind, std::numeric_limits<std::uint32_t>::max())));
  }
  lastWall_ = wall;
  lastSim_ = sim_.Now();
  emit Ticked();
}

}  // namespace corvane
