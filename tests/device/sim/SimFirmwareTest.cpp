// The cable mouse's flash behind report 0xBF: erase, write and read semantics, the
// loader lock, the information area, and the restart that installs a staged application
// and re-enumerates.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "device/FirmwareImages.h"
#include "device/ImageChecksum.h"
#include "device/sim/SimDevice.h"
#include "support/HexBytes.h"

namespace corvane {
namespace {

using testing::HexText;
using testing::Bytes;

constexpr std::uint8_t kOpAccess = 0, kOpEraseApp = 1, kOpRestart = 2, kOpEraseSector = 3, kOpInfo = 4,
                       kOpUnlock = 5;

Bytes Report(std::uint8_t write, std::uint8_t read, std::uint8_t op, std::uint8_t param, std::uint32_t address,
             std::span<const std::uint8_t> data = {}) {
  Bytes r(136, 0);
  r[0] = 0xBF;
  r[1] = write;
  r[2] = read;
  r[3] = op;
  r[4] = param;
  r[5] = static_cast<std::uint8_t>(address >> 16);
  r[6] = static_cast<std::uint8_t>(address >> 8);
  r[7] = static_cast<std::uint8_t>(address);
  std::copy_n(data.begin(), std::min<std::size_t>(data.size(), 128), r.begin() + 8);
  return r;
}

class SimFirmwareTest : public ::testing::Test {
 public:
  bool Send(const Bytes& r) { return d.SetFeature(DeviceRole::Wired, r); }
  bool Write(std::uint32_t address, std::span<const std::uint8_t> data) {
    return Send(Report(static_cast<std::uint8_t>(data.size()), 0, kOpAccess, 0, address, data));
  }
  // The data bytes of a read, empty when refused.
  Bytes Read(std::uint32_t address, std::uint8_t n) {
    if (!Send(Report(0, n, kOpAccess, 0, address))) return {};
    Bytes reply(136, 0);
    reply[0] = 0xBF;
    if (!d.GetFeature(DeviceRole::Wired, reply)) return {};
    return Bytes(reply.begin() + 8, reply.begin() + 8 + n);
  }
  bool EraseSector(std::uint32_t address) { return Send(Report(0, 0, kOpEraseSector, 0, address)); }
  bool Unlock(bool on) {
    Bytes r = Report(0, 0, kOpUnlock, 0, 0);
    if (on) std::copy(kFirmwareUnlockCode.begin(), kFirmwareUnlockCode.end(), r.begin() + 4);
    return Send(r);
  }
  // What an update does: erase the application area, write the image block by block.
  void StageImage(std::span<const std::uint8_t> image) {
    ASSERT_TRUE(Send(Report(0, 0, kOpEraseApp, 0, 0)));
    d.AdvanceClock(3000);
    for (std::size_t at = 0; at < image.size(); at += 128) {
      const auto block = image.subspan(at, std::min<std::size_t>(128, image.size() - at));
      ASSERT_TRUE(Write(0x52000 + static_cast<std::uint32_t>(at), block)) << at;
    }
  }
  std::uint32_t RunningChecksum() {
    const Bytes h = Read(0x2B070, 16);
    if (h.size() != 16) return 0;
    return std::uint32_t{h[0]} | std::uint32_t{h[1]} << 8 | std::uint32_t{h[2]} << 16 | std::uint32_t{h[3]} << 24;
  }
  std::vector<SimEvent::Kind> BusEvents() {
    std::vector<SimEvent::Kind> out;
    for (const auto& e : d.TakeEvents()) {
      if (e.kind != SimEvent::Kind::InputReport) out.push_back(e.kind);
    }
    return out;
  }

  SimDevice d{std::array{DeviceRole::Wired}};
};

Bytes Pattern(std::size_t n, std::uint8_t seed) {
  Bytes b(n);
  for (std::size_t i = 0; i < n; ++i) b[i] = static_cast<std::uint8_t>(seed + 37 * i);
  return b;
}

TEST_F(SimFirmwareTest, ReadReplyCarriesTheRequestAndTheData) {
  const auto old = SyntheticApplicationImage(kSimFactoryApplicationVersion);
  ASSERT_TRUE(Send(Report(0, 16, kOpAccess, 0, 0x2B070)));
  Bytes reply(136, 0xEE);
  reply[0] = 0xBF;
  ASSERT_TRUE(d.GetFeature(DeviceRole::Wired, reply));
  EXPECT_EQ(HexText(std::span(reply).first(8)), "BF 00 10 00 00 02 B0 70");
  EXPECT_TRUE(std::equal(old.begin(), old.begin() + 16, reply.begin() + 8));
  EXPECT_TRUE(std::all_of(reply.begin() + 24, reply.end(), [](std::uint8_t b) { return b == 0; }));
  // The factory mouse runs an application older than the carried one.
  EXPECT_NE(RunningChecksum(), ImageChecksum(ApplicationImage()));
  EXPECT_EQ(RunningChecksum(), ImageChecksum(old));
}

TEST_F(SimFirmwareTest, WritesOnlyClearBitsUntilTheSectorIsErased) {
  const Bytes a = Pattern(128, 1);
  const Bytes b = Pattern(128, 90);
  ASSERT_TRUE(EraseSector(0x60010));  // any address inside erases its whole sector
  d.AdvanceClock(50);
  EXPECT_EQ(Read(0x60000, 128), Bytes(128, 0xFF));
  EXPECT_EQ(Read(0x60F80, 128), Bytes(128, 0xFF));
  ASSERT_TRUE(Write(0x60000, a));
  EXPECT_EQ(Read(0x60000, 128), a);
  ASSERT_TRUE(Write(0x60000, b));
  Bytes both(128);
  for (std::size_t i = 0; i < 128; ++i) both[i] = a[i] & b[i];
  EXPECT_EQ(Read(0x60000, 128), both);
  ASSERT_TRUE(EraseSector(0x60000));
  d.AdvanceClock(50);
  ASSERT_TRUE(Write(0x60000, b));
  EXPECT_EQ(Read(0x60000, 128), b);
}

TEST_F(SimFirmwareTest, ErasesKeepTheFlashBusyForAWhile) {
  const std::uint32_t runningBefore = RunningChecksum();
  ASSERT_TRUE(Send(Report(0, 0, kOpEraseApp, 0, 0)));
  EXPECT_FALSE(Write(0x52000, Pattern(128, 3)));
  EXPECT_TRUE(Read(0x52000, 4).empty());
  d.AdvanceClock(1999);
  EXPECT_FALSE(Write(0x52000, Pattern(128, 3)));
  d.AdvanceClock(1);
  // The whole application area is blank; the running application's header is not in it.
  for (std::uint32_t at = 0x52000; at < 0x79000; at += 0x1000) EXPECT_EQ(Read(at, 128), Bytes(128, 0xFF)) << at;
  EXPECT_EQ(RunningChecksum(), runningBefore);

  ASSERT_TRUE(EraseSector(0x7C000));
  EXPECT_FALSE(Write(0x60000, Pattern(16, 1)));
  d.AdvanceClock(50);
  EXPECT_TRUE(Write(0x60000, Pattern(16, 1)));
}

TEST_F(SimFirmwareTest, LoaderAreaNeedsTheUnlockCode) {
  EXPECT_FALSE(EraseSector(0x00000));
  EXPECT_FALSE(EraseSector(0x2A000));
  EXPECT_FALSE(Write(0x10000, Pattern(128, 5)));
  Bytes wrong = Report(0, 0, kOpUnlock, 0x5A, 0);
  wrong[5] = 0xA5;
  wrong[6] = 0xC3;
  wrong[7] = 0x3D;
  EXPECT_FALSE(Send(wrong));
  EXPECT_FALSE(EraseSector(0x00000));

  ASSERT_TRUE(Unlock(true));
  EXPECT_TRUE(EraseSector(0x10000));
  d.AdvanceClock(50);
  EXPECT_TRUE(Write(0x10000, Pattern(128, 5)));
  EXPECT_EQ(Read(0x10000, 128), Pattern(128, 5));
  ASSERT_TRUE(Unlock(false));
  EXPECT_FALSE(EraseSector(0x10000));
  EXPECT_TRUE(EraseSector(0x2B000));  // just past the loader
  d.AdvanceClock(50);
  // Reading needs no unlock.
  EXPECT_EQ(Read(0x10000, 128), Pattern(128, 5));
}

TEST_F(SimFirmwareTest, InformationWriteReplacesBytesInTheInformationAreaOnly) {
  Bytes block = Read(0x7E000, 128);
  ASSERT_EQ(block.size(), 128u);
  EXPECT_EQ(block[0], 0x5A);
  block[1] = static_cast<std::uint8_t>(block[1] + 1);  // what the update's finalisation does
  ASSERT_TRUE(Send(Report(0, 0, kOpInfo, 128, 0x7E000, block)));
  EXPECT_EQ(Read(0x7E000, 128), block);
  ASSERT_TRUE(Send(Report(0, 0, kOpInfo, 36, 0x7E008, Bytes(36, 0xFF))));
  EXPECT_EQ(Read(0x7E008, 36), Bytes(36, 0xFF));

  EXPECT_FALSE(Send(Report(0, 0, kOpInfo, 16, 0x52000, Bytes(16, 0))));
  EXPECT_FALSE(Send(Report(0, 0, kOpInfo, 16, 0x7FFF8, Bytes(16, 0))));  // runs off the end
  EXPECT_FALSE(Send(Report(0, 0, kOpInfo, 129, 0x7E000, Bytes(128, 0))));
}

TEST_F(SimFirmwareTest, MalformedReportsAreRefused) {
  Bytes tooMuch = Report(129, 0, kOpAccess, 0, 0x60000);
  Bytes readTooMuch = Report(0, 129, kOpAccess, 0, 0x60000);
  Bytes unknownOp = Report(0, 0, 6, 0, 0x60000);
  Bytes pastTheEnd = Report(0, 128, kOpAccess, 0, 0x7FFC0);
  Bytes shortReport(7, 0);
  shortReport[0] = 0xBF;
  Bytes writeWithoutData = Report(128, 0, kOpAccess, 0, 0x60000);
  writeWithoutData.resize(40);
  for (const Bytes* r : {&tooMuch, &readTooMuch, &unknownOp, &pastTheEnd, &shortReport, &writeWithoutData}) {
    EXPECT_FALSE(Send(*r)) << HexText(std::span(*r).first(std::min<std::size_t>(r->size(), 8)));
  }
  Bytes reply(136, 0);
  reply[0] = 0xBF;
  EXPECT_FALSE(d.GetFeature(DeviceRole::Wired, reply));  // nothing asked for yet
}

TEST_F(SimFirmwareTest, RestartInstallsAValidStagedApplicationAndReenumerates) {
  const auto image = ApplicationImage();
  ASSERT_GT(image.size(), 16u);
  StageImage(image);
  d.TakeEvents();
  ASSERT_TRUE(Send(Report(0, 0, kOpRestart, 0, 0)));
  EXPECT_EQ(BusEvents(), std::vector<SimEvent::Kind>{SimEvent::Kind::Removed});
  EXPECT_FALSE(d.Present(DeviceRole::Wired));
  EXPECT_TRUE(Read(0x2B070, 16).empty());

  d.AdvanceClock(2999);
  EXPECT_FALSE(d.Present(DeviceRole::Wired));
  d.AdvanceClock(1);
  EXPECT_EQ(BusEvents(), std::vector<SimEvent::Kind>{SimEvent::Kind::Arrived});
  EXPECT_EQ(RunningChecksum(), ImageChecksum(image));
  EXPECT_EQ(d.State().firmware.RunningChecksum(), ImageChecksum(image));
}

TEST_F(SimFirmwareTest, RestartKeepsTheOldApplicationWhenTheNewOneIsNotSound) {
  const auto image = ApplicationImage();
  const std::uint32_t old = RunningChecksum();
  struct Case {
    const char* name;
    std::function<void(SimFirmwareTest&)> arrange;
  };
  const Case cases[] = {
      {"HalfWritten", [&](SimFirmwareTest& t) { t.StageImage(image.first(image.size() / 2)); }},
      {"ChecksumStuckFault",
       [&](SimFirmwareTest& t) {
         t.StageImage(image);
         t.d.Faults().fwChecksumStuck = true;
       }},
      {"BlankLoader",
       [&](SimFirmwareTest& t) {
         t.StageImage(image);
         t.d.MutableState().firmware.BlankLoader();
       }},
      {"ErasedAfterWriting",
       [&](SimFirmwareTest& t) {
         t.StageImage(image);
         ASSERT_TRUE(t.Send(Report(0, 0, kOpEraseApp, 0, 0)));
         t.d.AdvanceClock(3000);
       }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    d = SimDevice(std::array{DeviceRole::Wired});
    c.arrange(*this);
    ASSERT_TRUE(Send(Report(0, 0, kOpRestart, 0, 0)));
    d.AdvanceClock(3000);
    ASSERT_TRUE(d.Present(DeviceRole::Wired));
    EXPECT_EQ(RunningChecksum(), old);
  }
}

TEST_F(SimFirmwareTest, CorruptedReadBackAltersOneApplicationByte) {
  const auto image = ApplicationImage();
  StageImage(image);
  d.Faults().fwCorruptReadBack = true;
  const Bytes first = Read(0x52000, 128);
  ASSERT_EQ(first.size(), 128u);
  EXPECT_TRUE(std::equal(first.begin(), first.begin() + 4, image.begin()));  // the blank check still sees data
  EXPECT_EQ(first[0x40], image[0x40] ^ 0x01);
  EXPECT_TRUE(std::equal(first.begin() + 0x41, first.end(), image.begin() + 0x41));
  EXPECT_EQ(Read(0x52080, 128), Bytes(image.begin() + 0x80, image.begin() + 0x100));
  // The flash itself holds the right data: a restart installs it.
  ASSERT_TRUE(Send(Report(0, 0, kOpRestart, 0, 0)));
  d.AdvanceClock(3000);
  EXPECT_EQ(RunningChecksum(), ImageChecksum(image));
}

TEST_F(SimFirmwareTest, RejectedWritesFault) {
  struct Case {
    int times;
    std::uint32_t from;
    std::uint32_t address;
    std::vector<bool> attempts;  // outcome of consecutive attempts on one block
  };
  const Case cases[] = {
      {2, 0, 0x60000, {false, false, true}},
      {-1, 0, 0x60000, {false, false, false, false, false}},
      {3, 0x52000, 0x7C000 - 0x1000 * 3, {false, false, false, true}},
      {3, 0x70000, 0x60000, {true}},  // below the faulty region
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.times << " from " << c.from);
    d = SimDevice(std::array{DeviceRole::Wired});
    ASSERT_TRUE(EraseSector(c.address));
    d.AdvanceClock(50);
    d.Faults().fwRejectWrites = c.times;
    d.Faults().fwRejectFrom = c.from;
    std::vector<bool> got;
    for (std::size_t i = 0; i < c.attempts.size(); ++i) got.push_back(Write(c.address, Pattern(128, 7)));
    EXPECT_EQ(got, c.attempts);
  }
  // Each block starts its own count.
  d = SimDevice(std::array{DeviceRole::Wired});
  StageImage({});
  d.Faults().fwRejectWrites = 1;
  EXPECT_FALSE(Write(0x52000, Pattern(128, 1)));
  EXPECT_TRUE(Write(0x52000, Pattern(128, 1)));
  EXPECT_FALSE(Write(0x52080, Pattern(128, 1)));
  EXPECT_TRUE(Write(0x52080, Pattern(128, 1)));
}

TEST_F(SimFirmwareTest, BlankLoaderIsProgrammedAfterUnlocking) {
  d.MutableState().firmware.BlankLoader();
  EXPECT_FALSE(d.State().firmware.LoaderPresent());
  EXPECT_EQ(Read(0x10000, 128), Bytes(128, 0xFF));
  const auto loader = LoaderImage();
  ASSERT_TRUE(Unlock(true));
  for (std::uint32_t at = 0; at < std::min<std::size_t>(loader.size(), 0x2B000); at += 128) {
    ASSERT_TRUE(Write(at, loader.subspan(at, std::min<std::size_t>(128, loader.size() - at)))) << at;
  }
  ASSERT_TRUE(Unlock(false));
  EXPECT_TRUE(d.State().firmware.LoaderPresent());
  EXPECT_TRUE(std::equal(loader.begin() + 0x10000, loader.begin() + 0x10080, Read(0x10000, 128).begin()));
}

}  // namespace
}  // namespace corvane
