// The simulated devices behind HidBackend: enumeration, handles, blocking reads from
// another thread, hotplug, and re-enumeration on virtual time.
#include <gtest/gtest.h>

#include <condition_variable>
#include <mutex>
#include <functional>
#include <future>
#include <optional>
#include <thread>

#include "device/sim/SimBackend.h"
#include "support/HexBytes.h"

namespace corvane {
namespace {

using testing::HexBytes;

SimOptions Roles(std::vector<DeviceRole> roles) { return SimOptions{std::move(roles), {}}; }

TEST(SimBackendTest, EnumeratesTheInterfacesOfThePresentRoles) {
  SimBackend sim(Roles({DeviceRole::Bluetooth, DeviceRole::Wired}));
  const auto list = sim.Enumerate();
  ASSERT_EQ(list.size(), 6u);
  struct Expected {
    const char* path;
    std::uint16_t product, version, input, feature;
  };
  const Expected expected[] = {
      {"sim:wired:pointer", 0x6674, 0x0201, 7, 0},      {"sim:wired:input", 0x6674, 0x0201, 32, 0},
      {"sim:wired:feature", 0x6674, 0x0201, 0, 32},     {"sim:bluetooth:pointer", 0x6673, 0x0201, 7, 0},
      {"sim:bluetooth:input", 0x6673, 0x0201, 32, 0},   {"sim:bluetooth:feature", 0x6673, 0x0201, 0, 32},
  };
  for (std::size_t i = 0; i < list.size(); ++i) {
    SCOPED_TRACE(expected[i].path);
    EXPECT_EQ(list[i].path, expected[i].path);
    EXPECT_EQ(list[i].vendor, 0x248A);
    EXPECT_EQ(list[i].product, expected[i].product);
    EXPECT_EQ(list[i].version, expected[i].version);
    EXPECT_EQ(list[i].inputReportLength, expected[i].input);
    EXPECT_EQ(list[i].featureReportLength, expected[i].feature);
  }
}

TEST(SimBackendTest, OpensOnlyPresentInterfacesAndFeaturesOnlyOnTheFeatureInterface) {
  SimBackend sim(Roles({DeviceRole::Wired}));
  EXPECT_EQ(sim.Open("sim:receiver:feature"), nullptr);
  EXPECT_EQ(sim.Open("sim:wired:other"), nullptr);
  EXPECT_EQ(sim.Open("/dev/hidraw0"), nullptr);
  EXPECT_EQ(sim.Open("sim:wired"), nullptr);
  auto input = sim.Open("sim:wired:input");
  auto feature = sim.Open("sim:wired:feature");
  ASSERT_TRUE(input && feature);
  const auto frame = HexBytes("09 04 05 01 15 02", 32);
  EXPECT_FALSE(input->SetFeature(frame));
  EXPECT_TRUE(feature->SetFeature(frame));
  std::vector<std::uint8_t> ack(32, 0);
  ack[0] = 9;
  ASSERT_TRUE(feature->GetFeature(ack));
  EXPECT_EQ(ack[1], 1);
  EXPECT_EQ(sim.State().mouse.settings.pollingCode, 0x02);
}

TEST(SimBackendTest, ReaderThreadReceivesStatusReportsAndEndsOnClose) {
  SimBackend sim(Roles({DeviceRole::Wired}));
  auto input = sim.Open("sim:wired:input");
  ASSERT_TRUE(input);
  std::mutex mutex;
  std::condition_variable arrived;
  std::vector<std::vector<std::uint8_t>> got;
  std::promise<HidReadResult> ended;
  std::thread reader([&] {
    for (;;) {
      std::vector<std::uint8_t> buf(32, 0xFF);
      std::size_t n = 0;
      const HidReadResult r = input->Read(buf, -1, n);
      if (r != HidReadResult::Ok) {
        ended.set_value(r);
        return;
      }
      buf.resize(n);
      std::lock_guard lock(mutex);
      got.push_back(buf);
      arrived.notify_all();
    }
  });
  sim.PressDpiButton();
  sim.SetBattery(55);
  {
    std::unique_lock lock(mutex);
    ASSERT_TRUE(arrived.wait_for(lock, std::chrono::seconds(5), [&] { return got.size() == 2; }));
    EXPECT_EQ(got[0][2], 3);
    EXPECT_EQ(got[1][4], 55);
  }
  input->Close();
  auto result = ended.get_future();
  ASSERT_EQ(result.wait_for(std::chrono::seconds(5)), std::future_status::ready);
  EXPECT_EQ(result.get(), HidReadResult::Gone);
  reader.join();
}

TEST(SimBackendTest, ReadTimesOutWithoutReports) {
  SimBackend sim(Roles({DeviceRole::Wired}));
  auto input = sim.Open("sim:wired:input");
  std::vector<std::uint8_t> buf(32);
  std::size_t n = 1;
  EXPECT_EQ(input->Read(buf, 0, n), HidReadResult::Timeout);
  EXPECT_EQ(n, 0u);
  EXPECT_EQ(input->Read(buf, 10, n), HidReadResult::Timeout);
  sim.SetCharging(1);
  EXPECT_EQ(input->Read(buf, 0, n), HidReadResult::Ok);
  EXPECT_EQ(n, 32u);
  EXPECT_EQ(buf[5], 1);
  // A short buffer gets the start of the report.
  sim.SetCharging(2);
  std::vector<std::uint8_t> small(6);
  EXPECT_EQ(input->Read(small, 0, n), HidReadResult::Ok);
  EXPECT_EQ(n, 6u);
  EXPECT_EQ(small[5], 2);
}

TEST(SimBackendTest, EveryOpenInputHandleGetsEachReportAndUnreadOnesAreCapped) {
  SimBackend sim(Roles({DeviceRole::Wired}));
  auto a = sim.Open("sim:wired:input");
  auto b = sim.Open("sim:wired:input");
  for (int i = 0; i < 100; ++i) sim.SetBattery(static_cast<std::uint8_t>(i));
  std::vector<std::uint8_t> buf(32);
  std::size_t n = 0;
  ASSERT_EQ(a->Read(buf, 0, n), HidReadResult::Ok);
  EXPECT_EQ(buf[4], 100 - SimBackend::kQueuedReportLimit);  // the oldest were dropped
  int left = 1;
  while (a->Read(buf, 0, n) == HidReadResult::Ok) ++left;
  EXPECT_EQ(left, static_cast<int>(SimBackend::kQueuedReportLimit));
  ASSERT_EQ(b->Read(buf, 0, n), HidReadResult::Ok);
  EXPECT_EQ(buf[4], 100 - SimBackend::kQueuedReportLimit);
}

TEST(SimBackendTest, UnplugEndsReadsAndHandlesAndIsReportedAsHotplug) {
  SimBackend sim(Roles({DeviceRole::Wired, DeviceRole::Receiver}));
  ASSERT_TRUE(sim.StartHotplugWatch());
  auto input = sim.Open("sim:wired:input");
  auto feature = sim.Open("sim:wired:feature");
  auto rxFeature = sim.Open("sim:receiver:feature");
  std::future<HidReadResult> read = std::async(std::launch::async, [&] {
    std::vector<std::uint8_t> buf(32);
    std::size_t n = 0;
    return input->Read(buf, -1, n);
  });
  sim.Unplug(DeviceRole::Wired);
  ASSERT_EQ(read.wait_for(std::chrono::seconds(5)), std::future_status::ready);
  EXPECT_EQ(read.get(), HidReadResult::Gone);

  std::vector<std::pair<HotplugEvent, std::string>> events;
  HotplugEvent e{};
  std::string path;
  while (sim.PollHotplug(0, e, path)) events.emplace_back(e, path);
  EXPECT_EQ(events, (std::vector<std::pair<HotplugEvent, std::string>>{
                        {HotplugEvent::Removal, "sim:wired:pointer"},
                        {HotplugEvent::Removal, "sim:wired:input"},
                        {HotplugEvent::Removal, "sim:wired:feature"},
                    }));
  EXPECT_FALSE(feature->SetFeature(HexBytes("09 04 05 01 15 02", 32)));
  EXPECT_EQ(sim.Open("sim:wired:feature"), nullptr);
  EXPECT_TRUE(rxFeature->SetFeature(HexBytes("09 04 05 01 15 02", 32)));
  EXPECT_EQ(sim.Enumerate().size(), 3u);

  // Replugged, the old handles stay dead; new ones work.
  sim.Plug(DeviceRole::Wired);
  ASSERT_TRUE(sim.PollHotplug(0, e, path));
  EXPECT_EQ(e, HotplugEvent::Arrival);
  EXPECT_FALSE(feature->SetFeature(HexBytes("09 04 05 01 15 02", 32)));
  auto again = sim.Open("sim:wired:feature");
  ASSERT_TRUE(again);
  EXPECT_TRUE(again->SetFeature(HexBytes("09 04 05 01 15 02", 32)));
}

TEST(SimBackendTest, RestartReenumeratesTheCableMouseOnVirtualTime) {
  SimBackend sim(Roles({DeviceRole::Wired}));
  ASSERT_TRUE(sim.StartHotplugWatch());
  int notified = 0;
  sim.SetHotplugNotifier([&] { ++notified; });
  auto feature = sim.Open("sim:wired:feature");
  std::vector<std::uint8_t> restart(136, 0);
  restart[0] = 0xBF;
  restart[3] = 2;
  ASSERT_TRUE(feature->SetFeature(restart));
  EXPECT_FALSE(sim.Present(DeviceRole::Wired));
  EXPECT_EQ(notified, 1);

  SimClockPause pause(sim);
  for (int i = 0; i < 2; ++i) pause.Sleep(1000);
  EXPECT_FALSE(sim.Present(DeviceRole::Wired));
  pause.Sleep(1000);
  EXPECT_TRUE(sim.Present(DeviceRole::Wired));
  EXPECT_EQ(notified, 2);
  std::vector<HotplugEvent> kinds;
  HotplugEvent e{};
  std::string path;
  while (sim.PollHotplug(0, e, path)) kinds.push_back(e);
  EXPECT_EQ(kinds, (std::vector<HotplugEvent>{HotplugEvent::Removal, HotplugEvent::Removal, HotplugEvent::Removal,
                                               HotplugEvent::Arrival, HotplugEvent::Arrival, HotplugEvent::Arrival}));
  EXPECT_FALSE(feature->SetFeature(HexBytes("09 04 05 01 15 02", 32)));
  EXPECT_TRUE(sim.Open("sim:wired:feature"));
}

// The simulator window moves the clock only by what the program's own pauses have not
// already moved it; both must show in Now.
TEST(SimBackendTest, NowCountsTimeHoweverItWasAdvanced) {
  struct CountingPause final : Pause {
    std::uint32_t slept = 0;
    void Sleep(std::uint32_t ms) override { slept += ms; }
  };
  SimBackend sim(Roles({DeviceRole::Wired}));
  EXPECT_EQ(sim.Now(), 0u);
  sim.AdvanceClock(40);
  CountingPause inner;
  SimClockPause pause(sim, &inner);
  pause.Sleep(2000);
  EXPECT_EQ(inner.slept, 2000u);
  EXPECT_EQ(sim.Now(), 2040u);
  sim.AdvanceClock(0xFFFFFFFFu);  // more than one 32-bit step in total
  EXPECT_EQ(sim.Now(), 2040u + 0xFFFFFFFFull);
}

// What the devices do on their own and when: a window's clock ticks only while there is
// some such event, so each must be listed, and none once it has happened.
TEST(SimBackendTest, NextScheduledIsTheNextThingTheDevicesDoOnTheirOwn) {
  const auto firmware = [](std::uint8_t op) {
    std::vector<std::uint8_t> r(136, 0);
    r[0] = 0xBF;
    r[3] = op;
    return r;
  };
  const auto pairing = HexBytes("BC 03", 8);
  struct Case {
    const char* name;
    DeviceRole role;
    SimFaults faults;
    std::vector<std::uint8_t> report;  // sent to the role's feature interface; empty: none
    std::optional<std::uint32_t> due;  // after the report, from now
    std::optional<std::uint32_t> then;  // once that has come, from the same start
  };
  SimFaults leaves;
  leaves.receiverLeavesPairingAfterMs = 700;
  const Case cases[] = {
      {"Idle", DeviceRole::Wired, {}, {}, std::nullopt, std::nullopt},
      {"Command", DeviceRole::Wired, {}, HexBytes("09 04 05 01 15 02", 32), std::nullopt, std::nullopt},
      {"PairingRequest", DeviceRole::Receiver, {}, pairing, 2000, std::nullopt},
      // The receiver is gone, but the attempt it began runs to its end.
      {"ReceiverLeavesWhilePairing", DeviceRole::Receiver, leaves, pairing, 700, 2000},
      {"FirmwareRestart", DeviceRole::Wired, {}, firmware(2), 3000, std::nullopt},
      {"ApplicationErase", DeviceRole::Wired, {}, firmware(1), 2000, std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    SimBackend sim(Roles({c.role}));
    sim.AdvanceClock(1234);
    sim.SetFaults(c.faults);
    auto feature = sim.Open(SimBackend::InterfacePath(c.role, SimInterface::Feature));
    ASSERT_TRUE(feature);
    if (!c.report.empty()) feature->SetFeature(c.report);
    const auto next = sim.NextScheduled();
    ASSERT_EQ(next.has_value(), c.due.has_value());
    if (!next) continue;
    EXPECT_EQ(*next, 1234u + *c.due);
    sim.AdvanceClock(*c.due - 1);
    EXPECT_EQ(sim.NextScheduled(), next);
    sim.AdvanceClock(1);
    EXPECT_EQ(sim.NextScheduled(), c.then ? std::optional<std::uint64_t>(1234u + *c.then) : std::nullopt);
  }
}

// The change notifier hears every operation and every step of the clock that brought
// something; a step that only moved the time, or a look at the model, stays quiet, so an
// idle window is never woken.
TEST(SimBackendTest, ChangeNotifierHearsOperationsButNotTheBareClock) {
  SimBackend sim(Roles({DeviceRole::Receiver}));
  auto feature = sim.Open("sim:receiver:feature");
  int notified = 0;
  sim.SetChangeNotifier([&notified] { ++notified; });
  struct Step {
    const char* name;
    std::function<void()> act;
    int notifies;
  };
  const Step steps[] = {
      {"ClockWithNothingScheduled", [&] { sim.AdvanceClock(5000); }, 0},
      {"Inspect", [&] { sim.Inspect([](const SimDevice&) {}); }, 0},
      {"UserAction", [&] { sim.PressDpiButton(); }, 1},
      {"FeatureRead", [&] {
         std::vector<std::uint8_t> r(32, 0);
         r[0] = 8;
         feature->GetFeature(r);
       }, 1},
      {"PairingRequest", [&] { feature->SetFeature(HexBytes("BC 03", 8)); }, 1},
      {"ClockWithinPairing", [&] { sim.AdvanceClock(1999); }, 0},
      {"ClockLinksTheMouse", [&] { sim.AdvanceClock(1); }, 1},
      {"ClockAfterwards", [&] { sim.AdvanceClock(1000); }, 0},
  };
  for (const auto& s : steps) {
    SCOPED_TRACE(s.name);
    notified = 0;
    s.act();
    EXPECT_EQ(notified, s.notifies);
  }
  sim.SetChangeNotifier({});
  notified = 0;
  sim.PressDpiButton();
  EXPECT_EQ(notified, 0);
}

TEST(SimBackendTest, SimulatedRolesStayListedWhileUnplugged) {
  SimBackend sim(Roles({DeviceRole::Receiver, DeviceRole::Bluetooth}));
  sim.Unplug(DeviceRole::Receiver);
  EXPECT_EQ(sim.Roles(), (std::vector<DeviceRole>{DeviceRole::Receiver, DeviceRole::Bluetooth}));
  EXPECT_FALSE(sim.Present(DeviceRole::Receiver));
}

TEST(SimBackendTest, PollHotplugWithoutWatchOrEventsReturnsFalse) {
  SimBackend sim(Roles({DeviceRole::Wired}));
  HotplugEvent e{};
  std::string path;
  sim.Unplug(DeviceRole::Wired);
  EXPECT_FALSE(sim.PollHotplug(0, e, path));  // not watching: nothing was queued
  ASSERT_TRUE(sim.StartHotplugWatch());
  EXPECT_FALSE(sim.PollHotplug(5, e, path));
}

TEST(SimBackendTest, DestroyingTheBackendReleasesBlockedReaders) {
  auto sim = std::make_unique<SimBackend>(Roles({DeviceRole::Receiver}));
  auto input = sim->Open("sim:receiver:input");
  std::future<HidReadResult> read = std::async(std::launch::async, [&] {
    std::vector<std::uint8_t> buf(32);
    std::size_t n = 0;
    return input->Read(buf, -1, n);
  });
  sim.reset();
  ASSERT_EQ(read.wait_for(std::chrono::seconds(5)), std::future_status::ready);
  EXPECT_EQ(read.get(), HidReadResult::Gone);
  std::vector<std::uint8_t> link(32, 0xFF);
  link[0] = 8;
  EXPECT_FALSE(input->GetFeature(link));
}

}  // namespace
}  // namespace corvane
