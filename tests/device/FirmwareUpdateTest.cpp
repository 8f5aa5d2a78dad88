#include "device/FirmwareUpdate.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <numeric>

#include "device/FirmwareTexts.h"
#include "device/ImageChecksum.h"
#include "support/FirmwareFixture.h"
#include "support/HexBytes.h"

namespace corvane {
namespace {

using testing::HexBytes;
using testing::LanguageText;

constexpr std::uint32_t kAppStart = 0x52000;
constexpr std::uint32_t kAppAreaEnd = 0x79000;
constexpr std::uint32_t kLoaderEnd = 0x2B000;

std::uint32_t OldChecksum() { return ImageChecksum(SyntheticApplicationImage(kSimFactoryApplicationVersion)); }

std::vector<std::uint32_t> Repeat(std::vector<std::uint32_t> unit, std::size_t times) {
  std::vector<std::uint32_t> out;
  for (std::size_t i = 0; i < times; ++i) out.insert(out.end(), unit.begin(), unit.end());
  return out;
}

std::vector<std::uint32_t> Concat(std::initializer_list<std::vector<std::uint32_t>> parts) {
  std::vector<std::uint32_t> out;
  for (const auto& p : parts) out.insert(out.end(), p.begin(), p.end());
  return out;
}

bool FlashEquals(const SimState& s, std::uint32_t at, std::span<const std::uint8_t> expected) {
  const auto f = s.firmware.flash.Range(at, at + static_cast<std::uint32_t>(expected.size()));
  return std::equal(expected.begin(), expected.end(), f.begin());
}

class FirmwareUpdateTest : public testing::FirmwareFixture {};

TEST_F(FirmwareUpdateTest, OlderApplicationIsReplacedAndTheMouseReportsTheCarriedChecksum) {
  const auto r = Run();
  EXPECT_EQ(r.outcome, FirmwareOutcome::Updated);
  EXPECT_EQ(r.deviceChecksum, CarriedChecksum());
  EXPECT_TRUE(r.updateSucceeded);
  EXPECT_EQ(State().firmware.RunningChecksum(), CarriedChecksum());
  EXPECT_TRUE(FlashEquals(State(), kAppStart, ApplicationImage()));
  EXPECT_EQ(observer.LastStatus(), LanguageText(293));
  ASSERT_EQ(observer.checksums.size(), 2u);
  EXPECT_EQ(observer.checksums[0], DeviceChecksumText(OldChecksum()));
  EXPECT_EQ(observer.checksums[1], DeviceChecksumText(CarriedChecksum()));
  // The loader was there: none of its texts, nothing written below the application.
  for (const auto& s : observer.statuses) EXPECT_NE(s.languageText, 295);
  for (const auto& e : Exchanges()) {
    if (e.kind != SimExchange::Kind::Set || e.bytes[1] == 0) continue;
    EXPECT_GE((e.bytes[5] << 16) | (e.bytes[6] << 8) | e.bytes[7], static_cast<int>(kAppStart));
  }
  // The mouse came back after its restart and the link holds its new handle.
  EXPECT_TRUE(sim.Present(DeviceRole::Wired));
  EXPECT_EQ(observer.reconnects, 1);
  EXPECT_EQ(link.ExpectReenumeration, 1);
}

TEST_F(FirmwareUpdateTest, StatusTextsAndProgressFollowTheDialog) {
  Run();
  std::vector<std::u16string> plain;
  for (const auto& s : observer.statuses) plain.push_back(s.text);
  const std::vector<std::u16string> expected = {
      LanguageText(299), LanguageText(300), LanguageText(303),
      CountdownText(LanguageText(304), 3), CountdownText(LanguageText(304), 2), CountdownText(LanguageText(304), 1),
      CountdownText(LanguageText(305), 3), CountdownText(LanguageText(305), 2), CountdownText(LanguageText(305), 1)};
  ASSERT_GE(plain.size(), expected.size() + 20 + 1);
  EXPECT_TRUE(std::equal(expected.begin(), expected.end(), plain.begin()));
  for (int s = 20; s >= 1; --s) EXPECT_EQ(plain[expected.size() + static_cast<std::size_t>(20 - s)], CountdownText(LanguageText(306), s));
  EXPECT_EQ(plain.back(), LanguageText(293));

  // 793 full blocks and a 64-byte tail: written at 4 each, read at 1 each, over a total
  // of 793 x 5; the verification text stops at 100 %.
  const int total = 793 * 5;
  ASSERT_EQ(observer.progress.size(), 1u + 794 + 794);
  EXPECT_EQ(observer.progress.front().text, u"0%");
  EXPECT_EQ(observer.progress[794].value, 794 * 4);
  EXPECT_EQ(observer.progress[794].text, ProgressText(794 * 4, total, false));
  EXPECT_EQ(observer.progress.back().value, total + 5);
  EXPECT_EQ(observer.progress.back().total, total);
  EXPECT_EQ(observer.progress.back().text, u"100.0%");
}

TEST_F(FirmwareUpdateTest, PauseScheduleOfAnUpdateWithTheLoaderInPlace) {
  Run();
  const auto read = std::vector<std::uint32_t>{5, 5};
  const auto expected = Concat({
      read,                    // checksum query
      Repeat(read, 32),        // the loader window matches on the first pass
      read, {3000},            // the old application is erased
      Repeat({40}, 794),       // 793 blocks and the tail
      Repeat(read, 794),       // read back
      {100}, read, {100, 100, 100, 100},  // information area
      Repeat({1000}, 26),      // restart countdown
      read,                    // final checksum query
  });
  EXPECT_EQ(recorded.Pauses(), expected);
}

TEST_F(FirmwareUpdateTest, BlankLoaderIsProgrammedAndVerifiedFirst) {
  sim.Access([](SimDevice& d) { d.MutableState().firmware.BlankLoader(); });
  const auto r = Run();
  EXPECT_EQ(r.outcome, FirmwareOutcome::Updated);
  EXPECT_TRUE(State().firmware.LoaderPresent());
  EXPECT_TRUE(FlashEquals(State(), 0, LoaderImage().first(kLoaderEnd)));
  EXPECT_EQ(State().firmware.RunningChecksum(), CarriedChecksum());

  const auto& st = observer.statuses;
  const auto at = [&](const std::u16string& t) {
    return std::find_if(st.begin(), st.end(), [&](const FirmwareStatus& s) { return s.text == t; }) - st.begin();
  };
  EXPECT_EQ(at(CountedText(LanguageText(295), 1, 1419)), 0);
  EXPECT_LT(at(CountedText(LanguageText(295), 43, 1419)), at(CountedText(LanguageText(295), 44, 1419)));
  EXPECT_LT(at(CountedText(LanguageText(295), 1419, 1419)), at(CountedText(LanguageText(297), 1, 1376)));
  EXPECT_LT(at(CountedText(LanguageText(297), 1376, 1376)), at(LanguageText(300)));
  EXPECT_LT(at(LanguageText(300)), static_cast<long>(st.size()));

  // Three probe passes that differ, unlock, 43 erases, a last probe, 1376 blocks, lock.
  const auto& p = recorded.Pauses();
  EXPECT_EQ(std::count(p.begin(), p.end(), 200u), 43);
  EXPECT_EQ(std::count(p.begin(), p.end(), 40u), 1376 + 794);
  const auto loaderPart = Concat({{5, 5}, Repeat({5, 5}, 3), {100}});
  EXPECT_TRUE(std::equal(loaderPart.begin(), loaderPart.end(), p.begin()));
}

TEST_F(FirmwareUpdateTest, LoaderMatchingOnALaterPassIsKept) {
  // The first read of the window comes back wrong; the second pass matches, the third
  // pass still runs, and two differing passes out of three keep the loader.
  wire.tamperAddress = 0x10000;
  wire.tamperTimes = 1;
  const auto r = Run();
  EXPECT_EQ(r.outcome, FirmwareOutcome::Updated);
  for (const auto& s : observer.statuses) EXPECT_NE(s.languageText, 295);
  const auto expected = Concat({{5, 5}, {5, 5}, Repeat({5, 5}, 32), Repeat({5, 5}, 32), {5, 5}, {3000}});
  EXPECT_TRUE(std::equal(expected.begin(), expected.end(), recorded.Pauses().begin()));
}

TEST_F(FirmwareUpdateTest, DeviceAlreadyUpToDateGetsNothingButTheChecksumQuery) {
  sim.Access([](SimDevice& d) { d.MutableState().firmware.InstallApplication(ApplicationImage()); });
  const SimState before = State();
  const auto r = Run();
  EXPECT_EQ(r.outcome, FirmwareOutcome::UpToDate);
  EXPECT_EQ(observer.LastStatus(), LanguageText(293));
  const auto ex = Exchanges();
  ASSERT_EQ(ex.size(), 2u);
  EXPECT_EQ(ex[0].kind, SimExchange::Kind::Set);
  EXPECT_EQ(ex[0].bytes, HexBytes("BF 00 10 00 00 02 B0 70", 136));
  EXPECT_EQ(ex[1].kind, SimExchange::Kind::Get);
  EXPECT_EQ(recorded.Pauses(), (std::vector<std::uint32_t>{5, 5}));
  EXPECT_EQ(State().firmware, before.firmware);
  EXPECT_TRUE(observer.progress.empty());
}

struct FailureRow {
  const char* name;
  std::function<void(SimDevice&, testing::TamperingBackend&)> setup;
  FirmwareOutcome outcome;
  int text;
  std::function<void(const SimState&, const FirmwareResult&)> check;
};

void Reject(SimDevice& d, int times, std::uint32_t from) {
  d.Faults().fwRejectWrites = times;
  d.Faults().fwRejectFrom = from;
}

class FirmwareFailureTest : public testing::FirmwareFixture, public ::testing::WithParamInterface<FailureRow> {};

TEST_P(FirmwareFailureTest, EndsWithItsMessageAndDeviceState) {
  const FailureRow& row = GetParam();
  sim.Access([&](SimDevice& d) { row.setup(d, wire); });
  const auto r = Run();
  EXPECT_EQ(r.outcome, row.outcome);
  EXPECT_EQ(observer.LastStatus(), LanguageText(row.text));
  EXPECT_EQ(OutcomeInfo(r.outcome).languageText, row.text);
  EXPECT_FALSE(OutcomeInfo(r.outcome).deviceHoldsImage);
  row.check(State(), r);
}

const FailureRow kFailureRows[] = {
    {"NotSupported", [](SimDevice& d, auto&) { d.MutableState().wiredVersion = 0x0105; },
     FirmwareOutcome::NotSupported, 292,
     [](const SimState& s, const FirmwareResult& r) {
       EXPECT_FALSE(r.deviceChecksum);
       EXPECT_EQ(s.firmware, FactoryFirmware());
     }},
    {"LoaderWriteRejected",
     [](SimDevice& d, auto&) {
       d.MutableState().firmware.BlankLoader();
       Reject(d, -1, 0x8000);
     },
     FirmwareOutcome::LoaderWriteFailed, 296,
     [](const SimState& s, const FirmwareResult&) {
       EXPECT_TRUE(FlashEquals(s, 0, LoaderImage().first(0x8000)));
       EXPECT_TRUE(s.firmware.flash.IsBlank(0x8000, kLoaderEnd));
       EXPECT_EQ(s.firmware.RunningChecksum(), OldChecksum());
     }},
    {"LoaderVerifyMismatch",
     [](SimDevice& d, testing::TamperingBackend& w) {
       d.MutableState().firmware.BlankLoader();
       w.tamperAddress = 0x1000;
     },
     FirmwareOutcome::LoaderVerifyFailed, 298,
     [](const SimState& s, const FirmwareResult&) {
       EXPECT_TRUE(s.firmware.LoaderPresent());
       EXPECT_EQ(s.firmware.RunningChecksum(), OldChecksum());
     }},
    {"ApplicationBlockRejected", [](SimDevice& d, auto&) { Reject(d, -1, kAppStart + 0x1000); },
     FirmwareOutcome::ApplicationWriteFailed, 301,
     [](const SimState& s, const FirmwareResult& r) {
       EXPECT_TRUE(FlashEquals(s, kAppStart, ApplicationImage().first(0x1000)));
       EXPECT_TRUE(s.firmware.flash.IsBlank(kAppStart + 0x1000, kAppAreaEnd));
       EXPECT_EQ(s.firmware.RunningChecksum(), OldChecksum());
       EXPECT_EQ(r.progressValue, 32 * 4);
     }},
    {"ApplicationTailRejected", [](SimDevice& d, auto&) { Reject(d, -1, kAppStart + 793 * 128); },
     FirmwareOutcome::ApplicationTailFailed, 302,
     [](const SimState& s, const FirmwareResult& r) {
       EXPECT_TRUE(s.firmware.flash.IsBlank(kAppStart + 793 * 128, kAppAreaEnd));
       EXPECT_EQ(r.progressValue, 793 * 4);
     }},
    {"ReadBackMismatch", [](SimDevice& d, auto&) { d.Faults().fwCorruptReadBack = true; },
     FirmwareOutcome::ReadBackMismatch, 307,
     [](const SimState& s, const FirmwareResult& r) {
       EXPECT_TRUE(s.firmware.flash.IsBlank(kAppStart, kAppAreaEnd));
       EXPECT_EQ(s.firmware.RunningChecksum(), OldChecksum());
       EXPECT_FALSE(r.updateSucceeded);
     }},
    {"ChecksumAfterRestartDiffers", [](SimDevice& d, auto&) { d.Faults().fwChecksumStuck = true; },
     FirmwareOutcome::ChecksumAfterRestartDiffers, 308,
     [](const SimState& s, const FirmwareResult& r) {
       EXPECT_EQ(s.firmware.RunningChecksum(), OldChecksum());
       EXPECT_EQ(r.deviceChecksum, OldChecksum());
       EXPECT_TRUE(r.updateSucceeded);
     }},
};

INSTANTIATE_TEST_SUITE_P(Rows, FirmwareFailureTest, ::testing::ValuesIn(kFailureRows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(FirmwareUpdateTest, RejectedWritesAreRetriedAfter100Ms) {
  sim.Access([](SimDevice& d) { Reject(d, 3, kAppStart + 793 * 128); });
  const auto r = Run();
  EXPECT_EQ(r.outcome, FirmwareOutcome::Updated);
  const auto& p = recorded.Pauses();
  // The tail is refused three times: three retries, then its 40 ms.
  const auto tail = std::vector<std::uint32_t>{40, 100, 100, 100, 40, 5, 5};
  EXPECT_NE(std::search(p.begin(), p.end(), tail.begin(), tail.end()), p.end());
  EXPECT_EQ(std::count(p.begin(), p.end(), 100u), 3 + 5);
}

TEST_F(FirmwareUpdateTest, WithoutACableMouseNothingIsSent) {
  sim.Unplug(DeviceRole::Wired);
  const auto r = Run();
  EXPECT_EQ(r.outcome, FirmwareOutcome::WiredAbsent);
  EXPECT_EQ(observer.LastStatus(), LanguageText(291));
  EXPECT_TRUE(Exchanges().empty());
}

TEST_F(FirmwareUpdateTest, RefusedApplicationImageSendsNothing) {
  images = LoadFirmwareImages({}, LoaderImage());
  const auto r = Run();
  EXPECT_EQ(r.outcome, FirmwareOutcome::ImageError);
  EXPECT_EQ(observer.LastStatus(), kAppFileErrorText);
  EXPECT_TRUE(Exchanges().empty());
}

// The cable pulled at the Nth report of an update (the write that finds the device gone
// fails): the update stops there with the cable message, without the remaining pauses.
struct UnplugRow {
  const char* phase;
  bool blankLoader;
  std::uint32_t frame;
  int textBefore;  // the status shown when the cable went (0: none yet)
};

class FirmwareUnplugTest : public testing::FirmwareFixture, public ::testing::WithParamInterface<UnplugRow> {};

TEST_P(FirmwareUnplugTest, StopsWithTheCableMessage) {
  const UnplugRow& row = GetParam();
  sim.Access([&](SimDevice& d) {
    if (row.blankLoader) d.MutableState().firmware.BlankLoader();
  });
  Connect();
  sim.Access([&](SimDevice& d) { d.Faults().unplugAtFrame = row.frame; });
  const auto r = RunFirmwareCheck(link, language, images, observer);
  EXPECT_EQ(r.outcome, FirmwareOutcome::DeviceGone) << row.phase;
  EXPECT_EQ(observer.LastStatus(), LanguageText(291)) << row.phase;
  const auto& st = observer.statuses;
  EXPECT_EQ(st.size() < 2 ? 0 : st[st.size() - 2].languageText, row.textBefore) << row.phase;
  EXPECT_EQ(link.ExpectReenumeration, 0);
  EXPECT_FALSE(sim.Present(DeviceRole::Wired));
  // Nothing after the report that found the cable gone; no countdown.
  const auto ex = Exchanges();
  ASSERT_FALSE(ex.empty());
  EXPECT_EQ(ex.back().kind, SimExchange::Kind::Set);
  EXPECT_FALSE(ex.back().ok);
  const auto& p = recorded.Pauses();
  EXPECT_EQ(std::count(p.begin(), p.end(), 1000u), 0) << row.phase;
}

const UnplugRow kUnplugRows[] = {
    {"checksum query", false, 1, 0},
    {"loader window", false, 10, 0},
    {"application erase", false, 35, 299},
    {"application blocks", false, 400, 300},
    {"read-back", false, 1200, 303},
    {"information area", false, 1626, 303},
    {"loader erase", true, 20, 295},
    {"loader blocks", true, 900, 295},
    {"loader verification", true, 2000, 297},
};

INSTANTIATE_TEST_SUITE_P(Phases, FirmwareUnplugTest, ::testing::ValuesIn(kUnplugRows), [](const auto& info) {
  std::string n = info.param.phase;
  std::replace_if(n.begin(), n.end(), [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '_');
  return n;
});

TEST_F(FirmwareUpdateTest, CableMouseThatNeverComesBackEndsWithTheMismatchMessage) {
  Connect();
  // Pull the cable for good as soon as the restart frame has gone out.
  sim.Access([](SimDevice& d) { d.ClearExchanges(); });
  struct PullAtRestart : testing::RecordingFirmwareObserver {
    SimBackend* sim = nullptr;
    void ReconnectWired(DeviceLink& l) override {
      sim->Unplug(DeviceRole::Wired);
      testing::RecordingFirmwareObserver::ReconnectWired(l);
    }
  } pull;
  pull.sim = &sim;
  const auto r = RunFirmwareCheck(link, language, images, pull);
  EXPECT_EQ(r.outcome, FirmwareOutcome::ChecksumAfterRestartDiffers);
  EXPECT_FALSE(r.deviceChecksum);
  EXPECT_EQ(pull.LastStatus(), LanguageText(308));
  EXPECT_EQ(pull.checksums.back(), DeviceChecksumText(0));
}

}  // namespace
}  // namespace corvane
