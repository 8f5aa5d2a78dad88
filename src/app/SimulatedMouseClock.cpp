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
  sim_.SetChangeNotifier([this] {
    if (!changePosted_.exchange(true))
      QMetaObject::invokeMethod(this, &SimulatedMouseClock::OnDevicesChanged, Qt::QueuedConnection);
  });
}

// Once the notifier is cleared none of its calls is under way, and a change already
// posted goes with this object.
SimulatedMouseClock::~SimulatedMouseClock() { sim_.SetChangeNotifier({}); }

void SimulatedMouseClock::Rebase() {
  lastWall_ = wall_();
  lastSim_ = sim_.Now();
}

void SimulatedMouseClock::Start(int intervalMs) {
  intervalMs_ = intervalMs;
  running_ = true;
  timer_.stop();
  Rebase();
  WakeIfScheduled();
}

void SimulatedMouseClock::Stop() {
  running_ = false;
  timer_.stop();
}

void SimulatedMouseClock::WakeIfScheduled() {
  if (!running_ || timer_.isActive() || !sim_.NextScheduled()) return;
  Rebase();
  timer_.start(intervalMs_);
}

void SimulatedMouseClock::OnDevicesChanged() {
  changePosted_ = false;
  WakeIfScheduled();
  emit DevicesChanged();
}

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
  if (!sim_.NextScheduled()) timer_.stop();
  emit Ticked();
}

}  // namespace corvane
