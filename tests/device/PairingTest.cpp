#include "device/Pairing.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "device/PairingWait.h"
#include "device/PauseServices.h"
#include "device/sim/SimBackend.h"
#include "support/HexBytes.h"

namespace corvane {
namespace {

using testing::HexBytes;

TEST(Pairing, RequestBytes) {
  const auto r = BuildPairingRequest();
  EXPECT_EQ(std::vector<std::uint8_t>(r.bytes.begin(), r.bytes.end()), HexBytes("BC 03 00 00 00 00 00 00"));
}

TEST(Pairing, LinkFlagOfTheReceiversStatusStream) {
  struct Case {
    std::vector<std::uint8_t> report;
    std::optional<bool> flag;
  };
  const Case cases[] = {
      {HexBytes("07 01 02", 32), true},
      {HexBytes("07 00 02", 32), false},
      {HexBytes("07 5A", 32), true},
      {HexBytes("08 01", 32), std::nullopt},  // not a status report
      {HexBytes("07"), std::nullopt},         // cut short
      {{}, std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(ReceiverLinkFlag(c.report), c.flag) << ::testing::PrintToString(c.report);
}

// Start presses and ticks, with what each must show.
struct Step {
  enum Kind { Start, Tick } kind;
  bool linkUp = false;       // Tick
  int text = 0;              // Tick: the status text; Start: whether a request goes out (1/0)
  bool stop = false;         // Tick: timer stopped; Start: timer started
  PairingState state = PairingState::Idle;
};

std::vector<Step> Waiting(int from, int to) {
  std::vector<Step> steps;
  for (int s = from; s <= to; ++s) steps.push_back({Step::Tick, false, PairingTexts::kWaiting[s % 3], false, PairingState::Waiting});
  return steps;
}

void RunSteps(const std::string& name, const std::vector<Step>& steps) {
  PairingSession session;
  EXPECT_EQ(session.StatusText(), 283);
  for (std::size_t i = 0; i < steps.size(); ++i) {
    const Step& s = steps[i];
    if (s.kind == Step::Start) {
      const PairingStart st = session.Start();
      EXPECT_EQ(st.sendRequest, s.text == 1) << name << " step " << i;
      EXPECT_EQ(st.startTimer, s.stop) << name << " step " << i;
    } else {
      const PairingTick t = session.Tick(s.linkUp);
      EXPECT_EQ(t.statusText, s.text) << name << " step " << i;
      EXPECT_EQ(t.stopTimer, s.stop) << name << " step " << i;
    }
    EXPECT_EQ(session.State(), s.state) << name << " step " << i;
  }
}

std::vector<Step> Join(std::initializer_list<std::vector<Step>> parts) {
  std::vector<Step> out;
  for (const auto& p : parts) out.insert(out.end(), p.begin(), p.end());
  return out;
}

TEST(Pairing, DialogStates) {
  const Step start{Step::Start, false, 1, true, PairingState::Waiting};
  const Step restart{Step::Start, false, 0, true, PairingState::Waiting};
  const Step fail{Step::Tick, false, 281, true, PairingState::Failed};
  const Step paired{Step::Tick, true, 282, true, PairingState::Paired};

  // Already linked: success at the first tick.
  RunSteps("linked", {start, paired});
  // Linked after two seconds; the waiting text cycles with the seconds.
  RunSteps("links later", Join({{start}, Waiting(1, 2), {paired}}));
  // 25 seconds of waiting, failure on the 26th tick.
  RunSteps("never links", Join({{start}, Waiting(1, 25), {fail}}));
  // From failed, start waits another 25 seconds without a new request.
  RunSteps("retry", Join({{start}, Waiting(1, 25), {fail, restart}, Waiting(1, 25), {fail, restart}, Waiting(1, 3),
                          {paired}}));
  // Start while waiting or paired changes nothing.
  RunSteps("start while busy",
           Join({{start}, Waiting(1, 1),
                 {{Step::Start, false, 0, false, PairingState::Waiting}},
                 Waiting(2, 2), {paired, {Step::Start, false, 0, false, PairingState::Paired}}}));
}

class PairingSimTest : public ::testing::Test {
 protected:
  explicit PairingSimTest(std::vector<DeviceRole> roles = {DeviceRole::Receiver})
      : sim(SimOptions{std::move(roles), ""}), clock(sim, &recorded), link(sim, clock) {}

  PairingAttempt Attempt(PairingSession& session) {
    ReceiverLinkWatch watch(link);
    return RunPairingAttempt(link, session, watch, [&](const PairingTick& t) { texts.push_back(t.statusText); });
  }

  std::vector<SimExchange> Sets() {
    std::vector<SimExchange> out;
    sim.Access([&](SimDevice& d) {
      for (const auto& e : d.Exchanges())
        if (e.kind == SimExchange::Kind::Set) out.push_back(e);
    });
    return out;
  }

  SimBackend sim;
  RecordingPause recorded;
  SimClockPause clock;
  DeviceLink link;
  std::vector<int> texts;
};

TEST_F(PairingSimTest, ReceiverLinksTheMouseAfterTheRequest) {
  link.ScanDevices();
  ASSERT_EQ(link.LinkUp, 1);  // the receiver starts linked
  PairingSession session;
  const auto a = Attempt(session);
  EXPECT_TRUE(a.requestSent);
  EXPECT_EQ(a.state, PairingState::Paired);
  // The request drops the old link; the receiver links the mouse two seconds later.
  EXPECT_EQ(texts, (std::vector<int>{279, 282}));
  EXPECT_EQ(recorded.Pauses(), (std::vector<std::uint32_t>{1000, 1000}));
  const auto sets = Sets();
  ASSERT_EQ(sets.size(), 1u);
  EXPECT_EQ(sets[0].role, DeviceRole::Receiver);
  EXPECT_EQ(sets[0].bytes, HexBytes("BC 03 00 00 00 00 00 00"));
}

TEST_F(PairingSimTest, NoMouseToFindFailsAfterThe26thSecondAndRetriesWithoutANewRequest) {
  link.ScanDevices();
  sim.Access([](SimDevice& d) { d.Faults().pairingFails = true; });
  PairingSession session;
  auto a = Attempt(session);
  EXPECT_EQ(a.state, PairingState::Failed);
  EXPECT_EQ(recorded.TotalMs(), 26000u);
  EXPECT_EQ(texts.back(), 281);
  EXPECT_EQ(texts.size(), 26u);

  // The mouse turns up while the retry waits: paired, with no second request.
  recorded.Clear();
  texts.clear();
  sim.Access([](SimDevice& d) { d.Faults().pairingFails = false; });
  ReceiverLinkWatch watch(link);
  a = RunPairingAttempt(link, session, watch, [&](const PairingTick& t) {
    texts.push_back(t.statusText);
    if (texts.size() == 4) sim.SetMouseLinked(true);
  });
  EXPECT_FALSE(a.requestSent);
  EXPECT_EQ(a.state, PairingState::Paired);
  EXPECT_EQ(texts, (std::vector<int>{279, 280, 278, 279, 282}));
  EXPECT_EQ(Sets().size(), 1u);
}

TEST_F(PairingSimTest, ReceiverUnpluggedWhileWaitingEndsTheAttempt) {
  link.ScanDevices();
  sim.Access([](SimDevice& d) { d.Faults().pairingFails = true; });
  PairingSession session;
  ReceiverLinkWatch watch(link);
  const auto a = RunPairingAttempt(link, session, watch, [&](const PairingTick& t) {
    texts.push_back(t.statusText);
    if (texts.size() == 3) sim.Unplug(DeviceRole::Receiver);
  });
  EXPECT_TRUE(a.receiverGone);
  EXPECT_EQ(texts.size(), 3u);
  EXPECT_EQ(recorded.TotalMs(), 4000u);
}

class PairingWithoutReceiverTest : public PairingSimTest {
 protected:
  PairingWithoutReceiverTest() : PairingSimTest({DeviceRole::Wired}) {}
};

TEST_F(PairingWithoutReceiverTest, RequestGoesNowhereAndAnUpLinkCountsAtOnce) {
  link.ScanDevices();
  PairingSession session;
  const auto a = Attempt(session);
  EXPECT_FALSE(a.requestSent);
  EXPECT_TRUE(Sets().empty());
  // The cable mouse's link state is up: success at the first tick, as the dialog does.
  EXPECT_EQ(a.state, PairingState::Paired);
  EXPECT_EQ(texts, (std::vector<int>{282}));
}

}  // namespace
}  // namespace corvane
