// The reader threads on the simulated mouse: they only queue raw reports; decoding and
// every change happen on the owning thread when it drains the queue.
#include "device/StatusReaders.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <functional>
#include <thread>

#include "device/DeviceLink.h"
#include "device/PauseServices.h"
#include "device/StatusReport.h"
#include "device/sim/SimBackend.h"

namespace corvane {
namespace {

constexpr int kPatienceMs = 5000;

// Drains until a report of the wanted kind has come (or patience runs out). poke makes
// the device send; it is repeated, since a reader may not have opened its interface yet.
std::vector<RawStatusReport> WaitFor(StatusReportQueue& queue, bool ended, const std::function<void()>& poke = {}) {
  std::vector<RawStatusReport> all;
  for (int waited = 0; waited < kPatienceMs; waited += 50) {
    if (poke) poke();
    queue.WaitFor(50);
    for (auto& r : queue.TakeAll()) all.push_back(r);
    for (const auto& r : all)
      if (r.Ended == ended) return all;
  }
  return all;
}

TEST(StatusReaders, ReportsReachTheQueueAndTheEndIsNoted) {
  SimBackend sim(SimOptions{{DeviceRole::Wired, DeviceRole::Receiver}, ""});
  RecordingPause pause;
  DeviceLink link(sim, pause);
  const ScanOutcome scan = link.ScanDevices();
  StatusReportQueue queue;
  std::atomic<int> wakeUps{0};
  queue.SetWakeUp([&] { ++wakeUps; });
  StatusReaders readers(sim, queue);
  readers.StartAll(link, scan);
  EXPECT_TRUE(readers.Running(DeviceRole::Wired));
  EXPECT_TRUE(readers.Running(DeviceRole::Receiver));
  EXPECT_FALSE(readers.Running(DeviceRole::Bluetooth));
  // One reader per role: a second start is refused while it runs.
  EXPECT_FALSE(readers.Start(link, DeviceRole::Wired));

  const auto reports = WaitFor(queue, false, [&] { sim.PressLightingButton(); });
  ASSERT_FALSE(reports.empty());
  const RawStatusReport& r = reports.front();
  EXPECT_EQ(r.Role, DeviceRole::Wired);  // the mouse reports over its cable
  EXPECT_EQ(r.Length, kReportLength);
  EXPECT_EQ(r.Bytes[0], kReportStatus);
  // The wake-up follows the hand-over on the reader's thread.
  for (int i = 0; i < 500 && wakeUps == 0; ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
  EXPECT_GT(wakeUps.load(), 0);

  // Unplugging ends the cable's reader; the owner takes note and may start it again.
  sim.Unplug(DeviceRole::Wired);
  const auto ended = WaitFor(queue, true);
  ASSERT_FALSE(ended.empty());
  const auto note = std::find_if(ended.begin(), ended.end(), [](const auto& e) { return e.Ended; });
  ASSERT_NE(note, ended.end());
  EXPECT_EQ(note->Role, DeviceRole::Wired);
  readers.OnEnded(link, *note);
  EXPECT_FALSE(readers.Running(DeviceRole::Wired));
  EXPECT_TRUE(link.Role(DeviceRole::Wired).InputInterfacePath.empty());

  sim.Plug(DeviceRole::Wired);
  const ScanOutcome again = link.ScanDevices();
  readers.StartAll(link, again);
  EXPECT_TRUE(readers.Running(DeviceRole::Wired));
  // A stale note of the earlier reader changes nothing.
  readers.OnEnded(link, *note);
  EXPECT_TRUE(readers.Running(DeviceRole::Wired));
  EXPECT_FALSE(link.Role(DeviceRole::Wired).InputInterfacePath.empty());

  readers.Stop();
  EXPECT_FALSE(readers.AnyRunning());
}

TEST(StatusReaders, InterfaceOfAnotherDeviceIsNotRead) {
  SimBackend sim(SimOptions{{DeviceRole::Wired}, ""});
  RecordingPause pause;
  DeviceLink link(sim, pause);
  link.ScanDevices();
  // The recorded status path no longer names the role's interface.
  link.Role(DeviceRole::Wired).InputInterfacePath = SimBackend::InterfacePath(DeviceRole::Receiver, SimInterface::Input);
  StatusReportQueue queue;
  StatusReaders readers(sim, queue);
  ASSERT_TRUE(readers.Start(link, DeviceRole::Wired));
  const auto ended = WaitFor(queue, true);
  ASSERT_EQ(ended.size(), 1u);
  EXPECT_TRUE(ended[0].Ended);
}

}  // namespace
}  // namespace corvane
