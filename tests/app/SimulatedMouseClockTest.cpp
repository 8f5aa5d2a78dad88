// The simulator window's clock: it moves the devices' virtual time with the real time,
// less what the program's own pauses have already moved it, and only while the devices
// have something scheduled.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTest>

#include "app/SimulatedMouseClock.h"

namespace corvane {
namespace {

SimOptions Wired() { return SimOptions{{DeviceRole::Wired}, {}}; }

// What the program sends to restart the cable mouse: it leaves the bus and comes back
// kRestartAbsentMs of virtual time later.
void RestartCableMouse(SimBackend& sim) {
  std::vector<std::uint8_t> restart(136, 0);
  restart[0] = 0xBF;
  restart[3] = 2;
  auto feature = sim.Open(SimBackend::InterfacePath(DeviceRole::Wired, SimInterface::Feature));
  ASSERT_TRUE(feature);
  ASSERT_TRUE(feature->SetFeature(restart));
}

TEST(SimulatedMouseClockTest, EachTickAddsTheRealTimeThePausesDidNotCover) {
  struct Step {
    std::int64_t real;     // real time since the last tick
    std::uint32_t paused;  // the program's pauses in that time
    std::uint64_t added;   // what the tick adds
  };
  struct Case {
    const char* name;
    std::vector<Step> steps;
  };
  const Case cases[] = {
      {"Idle", {{50, 0, 50}, {50, 0, 50}, {0, 0, 0}}},
      {"PartlyPaused", {{50, 20, 30}}},
      {"FullyPaused", {{50, 50, 0}}},
      // The program slept 2 s on the window's thread: the clock is not moved twice.
      {"LongPause", {{2010, 2000, 10}, {50, 0, 50}}},
      // --no-wait: pauses move the clock without taking real time; nothing is owed later.
      {"PauseWithoutWaiting", {{5, 3000, 0}, {50, 0, 50}}},
      // A suspended machine: the whole gap at once.
      {"LongGap", {{3'600'000, 0, 3'600'000}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    SimBackend sim(Wired());
    std::int64_t wall = 1000;
    SimulatedMouseClock clock(sim, [&wall] { return wall; });
    SimClockPause programPause(sim);
    for (const auto& s : c.steps) {
      wall += s.real;
      programPause.Sleep(s.paused);
      const std::uint64_t before = sim.Now();
      clock.Tick();
      EXPECT_EQ(sim.Now() - before, s.added) << "after " << s.real << " ms";
    }
  }
}

TEST(SimulatedMouseClockTest, TheTimeBeforeStartIsNotCounted) {
  SimBackend sim(Wired());
  std::int64_t wall = 0;
  SimulatedMouseClock clock(sim, [&wall] { return wall; });
  wall = 10'000;
  clock.Start(1000);
  wall += 50;
  clock.Tick();
  EXPECT_EQ(sim.Now(), 50u);
  clock.Stop();
  EXPECT_FALSE(clock.Running());
}

TEST(SimulatedMouseClockTest, TheTimerMovesTheClockWithRealTime) {
  SimBackend sim(Wired());
  RestartCableMouse(sim);
  SimulatedMouseClock clock(sim);
  int ticks = 0;
  QObject::connect(&clock, &SimulatedMouseClock::Ticked, [&ticks] { ++ticks; });
  QElapsedTimer real;
  real.start();
  clock.Start(10);
  EXPECT_TRUE(QTest::qWaitFor([&] { return sim.Now() >= 200; }, 5000));
  EXPECT_LE(sim.Now(), static_cast<std::uint64_t>(real.elapsed()));
  EXPECT_GE(ticks, 2);
  clock.Stop();
  const std::uint64_t stopped = sim.Now();
  QTest::qWait(50);
  EXPECT_EQ(sim.Now(), stopped);
}

// With nothing scheduled the clock stands still and its timer is off; the program's
// exchange that schedules the cable mouse's return wakes it, and the time it stood still
// is not counted, so the mouse comes back as long after its restart as the device says.
TEST(SimulatedMouseClockTest, AnEventScheduledWhileTheClockStoodStillComesDueOnTime) {
  SimBackend sim(Wired());
  std::int64_t wall = 0;
  SimulatedMouseClock clock(sim, [&wall] { return wall; });
  clock.Start();
  EXPECT_TRUE(clock.Running());
  EXPECT_FALSE(clock.Ticking());
  wall += 60'000;
  QCoreApplication::sendPostedEvents();
  EXPECT_FALSE(clock.Ticking());
  EXPECT_EQ(sim.Now(), 0u);

  int changes = 0;
  QObject::connect(&clock, &SimulatedMouseClock::DevicesChanged, [&changes] { ++changes; });
  RestartCableMouse(sim);
  EXPECT_FALSE(sim.Present(DeviceRole::Wired));
  QCoreApplication::sendPostedEvents();
  EXPECT_EQ(changes, 1);  // the open, the exchange and the removal come as one
  EXPECT_TRUE(clock.Ticking());

  wall += SimTimings::kRestartAbsentMs - 1;
  clock.Tick();
  EXPECT_FALSE(sim.Present(DeviceRole::Wired));
  EXPECT_TRUE(clock.Ticking());
  wall += 1;
  clock.Tick();
  EXPECT_TRUE(sim.Present(DeviceRole::Wired));
  EXPECT_EQ(sim.Now(), SimTimings::kRestartAbsentMs);
  EXPECT_FALSE(clock.Ticking());

  // Stopped, the clock is not woken by what is scheduled.
  clock.Stop();
  RestartCableMouse(sim);
  QCoreApplication::sendPostedEvents();
  EXPECT_FALSE(clock.Ticking());
  EXPECT_FALSE(clock.Running());
}

}  // namespace
}  // namespace corvane
