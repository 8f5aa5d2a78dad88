// The fault switches of the simulated devices, each against the exchange it spoils.
#include <gtest/gtest.h>

#include "device/sim/SimDevice.h"
#include "support/HexBytes.h"

namespace corvane {
namespace {

using testing::HexBytes;
using testing::HexText;

// Polling rate 500 Hz, 250 Hz and 125 Hz, each a correct frame.
const std::vector<std::uint8_t> k500 = HexBytes("09 04 05 01 15 02", 32);
const std::vector<std::uint8_t> k250 = HexBytes("09 04 06 01 18 04", 32);
const std::vector<std::uint8_t> k125 = HexBytes("09 04 07 01 1D 08", 32);

struct Attempt {
  bool written;
  int ack;
};

Attempt Send(SimDevice& d, const std::vector<std::uint8_t>& frame) {
  Attempt a{d.SetFeature(DeviceRole::Wired, frame), -1};
  std::vector<std::uint8_t> reply(32, 0);
  reply[0] = 9;
  if (d.GetFeature(DeviceRole::Wired, reply)) a.ack = reply[1];
  return a;
}

TEST(SimFaultsTest, NoAcknowledgementLeavesTheMouseUnchanged) {
  SimDevice d(std::array{DeviceRole::Wired});
  d.Faults().noAck = true;
  for (int i = 0; i < 4; ++i) {
    const Attempt a = Send(d, k500);
    EXPECT_TRUE(a.written);
    EXPECT_EQ(a.ack, 0);
  }
  EXPECT_EQ(d.State().mouse.settings.pollingCode, 0x01);
  d.Faults().noAck = false;
  EXPECT_EQ(Send(d, k500).ack, 1);
  EXPECT_EQ(d.State().mouse.settings.pollingCode, 0x02);
}

TEST(SimFaultsTest, AcknowledgementAfterNAttempts) {
  SimDevice d(std::array{DeviceRole::Wired});
  d.Faults().ackAfterAttempts = 3;
  EXPECT_EQ(Send(d, k500).ack, 0);
  EXPECT_EQ(Send(d, k500).ack, 0);
  EXPECT_EQ(d.State().mouse.settings.pollingCode, 0x01);
  EXPECT_EQ(Send(d, k500).ack, 1);
  EXPECT_EQ(d.State().mouse.settings.pollingCode, 0x02);
  // The count starts again for the next command and whenever another command cuts in.
  EXPECT_EQ(Send(d, k250).ack, 0);
  EXPECT_EQ(Send(d, HexBytes("09 05 06 01 16 01", 32)).ack, 0);
  EXPECT_EQ(Send(d, k250).ack, 0);
  EXPECT_EQ(Send(d, k250).ack, 0);
  EXPECT_EQ(Send(d, k250).ack, 1);
  EXPECT_EQ(d.State().mouse.settings.pollingCode, 0x04);
}

TEST(SimFaultsTest, RejectedWritesFailAtTheHidLevel) {
  SimDevice d(std::array{DeviceRole::Wired});
  ASSERT_EQ(Send(d, k250).ack, 1);
  d.Faults().rejectWrites = true;
  const Attempt a = Send(d, k500);
  EXPECT_FALSE(a.written);
  EXPECT_EQ(a.ack, 0);  // the earlier acknowledgement does not answer for it
  EXPECT_EQ(d.State().mouse.settings.pollingCode, 0x04);
}

TEST(SimFaultsTest, UnplugAtFrameN) {
  SimDevice d(std::array{DeviceRole::Wired, DeviceRole::Receiver});
  d.Faults().unplugAtFrame = 2;
  EXPECT_EQ(Send(d, k500).ack, 1);
  d.TakeEvents();
  const Attempt a = Send(d, k250);
  EXPECT_FALSE(a.written);
  EXPECT_EQ(a.ack, -1);  // gone: the read fails too
  EXPECT_FALSE(d.Present(DeviceRole::Wired));
  EXPECT_TRUE(d.Present(DeviceRole::Receiver));
  const auto events = d.TakeEvents();
  ASSERT_EQ(events.size(), 1u);
  EXPECT_EQ(events[0].kind, SimEvent::Kind::Removed);
  EXPECT_EQ(d.State().mouse.settings.pollingCode, 0x02);
  EXPECT_EQ(d.Faults().unplugAtFrame, 0u);  // one pull only
  d.Plug(DeviceRole::Wired);
  EXPECT_EQ(Send(d, k125).ack, 1);
}

TEST(SimFaultsTest, GarbageReportsPrecedeEveryStatusAndSpoilTheLinkState) {
  SimDevice d(std::array{DeviceRole::Wired});
  d.Faults().garbageReports = true;
  d.PressDpiButton();
  const auto events = d.TakeEvents();
  ASSERT_EQ(events.size(), 3u);
  EXPECT_EQ(events[0].report.size(), 32u);
  EXPECT_NE(events[0].report[0], 7);
  EXPECT_EQ(events[1].report[0], 7);
  EXPECT_LT(events[1].report.size(), 32u);  // cut short
  EXPECT_EQ(events[2].report.size(), 32u);
  EXPECT_EQ(events[2].report[2], 3);

  std::vector<std::uint8_t> link(32, 0xFF);
  link[0] = 8;
  ASSERT_TRUE(d.GetFeature(DeviceRole::Wired, link));
  EXPECT_NE(HexText(std::span(link).first(5)), "08 43 52 56 4E");
  // Commands still work.
  EXPECT_EQ(Send(d, k500).ack, 1);
}

TEST(SimFaultsTest, ExchangesAreLoggedWithTheirOutcome) {
  SimDevice d(std::array{DeviceRole::Wired});
  d.Faults().rejectWrites = true;
  Send(d, k500);
  ASSERT_EQ(d.Exchanges().size(), 2u);
  EXPECT_EQ(d.Exchanges()[0].kind, SimExchange::Kind::Set);
  EXPECT_FALSE(d.Exchanges()[0].ok);
  EXPECT_EQ(d.Exchanges()[0].bytes, k500);
  EXPECT_EQ(d.Exchanges()[1].kind, SimExchange::Kind::Get);
  EXPECT_EQ(HexText(d.Exchanges()[1].bytes), HexText(HexBytes("09", 32)));  // the refused frame never reached the mouse
}

}  // namespace
}  // namespace corvane
