// The receiver's pairing on virtual time.
#include <gtest/gtest.h>

#include "device/sim/SimDevice.h"
#include "support/HexBytes.h"

namespace corvane {
namespace {

using testing::HexBytes;

// Link flags of the receiver's status reports since the last call.
std::vector<int> LinkFlags(SimDevice& d) {
  std::vector<int> out;
  for (const auto& e : d.TakeEvents()) {
    if (e.kind == SimEvent::Kind::InputReport && e.role == DeviceRole::Receiver) out.push_back(e.report[1]);
  }
  return out;
}

bool LinkUp(SimDevice& d) {
  std::vector<std::uint8_t> buf(32, 0xFF);
  buf[0] = 8;
  return d.GetFeature(DeviceRole::Receiver, buf) && buf[5] != 0;
}

TEST(SimPairingTest, RequestDropsTheLinkAndLinksTheMouseTwoSecondsLater) {
  SimDevice d(std::array{DeviceRole::Receiver});
  ASSERT_TRUE(LinkUp(d));
  ASSERT_TRUE(d.SetFeature(DeviceRole::Receiver, HexBytes("BC 03 00 00 00 00 00 00")));
  EXPECT_EQ(LinkFlags(d), std::vector<int>{0});
  EXPECT_FALSE(LinkUp(d));

  d.AdvanceClock(1000);
  d.AdvanceClock(999);
  EXPECT_TRUE(LinkFlags(d).empty());
  EXPECT_FALSE(LinkUp(d));

  d.AdvanceClock(1);
  EXPECT_EQ(LinkFlags(d), std::vector<int>{1});
  EXPECT_TRUE(LinkUp(d));
  d.AdvanceClock(60000);
  EXPECT_TRUE(LinkFlags(d).empty());
}

TEST(SimPairingTest, UnlinkedReceiverLinksWithoutAFirstLinkDownReport) {
  SimState state;
  state.receiver.linked = false;
  SimDevice d(std::array{DeviceRole::Receiver}, state);
  ASSERT_TRUE(d.SetFeature(DeviceRole::Receiver, HexBytes("BC 03 00 00 00 00 00 00")));
  EXPECT_TRUE(LinkFlags(d).empty());
  d.AdvanceClock(2000);
  EXPECT_EQ(LinkFlags(d), std::vector<int>{1});
}

TEST(SimPairingTest, WithNoMouseToFindPairingEndsUnlinked) {
  SimDevice d(std::array{DeviceRole::Receiver});
  d.Faults().pairingFails = true;
  ASSERT_TRUE(d.SetFeature(DeviceRole::Receiver, HexBytes("BC 03 00 00 00 00 00 00")));
  EXPECT_EQ(LinkFlags(d), std::vector<int>{0});
  d.AdvanceClock(30000);
  EXPECT_TRUE(LinkFlags(d).empty());
  EXPECT_FALSE(LinkUp(d));
  EXPECT_FALSE(d.State().receiver.pairing);
  // Once the mouse is back within reach a new request links it.
  d.Faults().pairingFails = false;
  ASSERT_TRUE(d.SetFeature(DeviceRole::Receiver, HexBytes("BC 03 00 00 00 00 00 00")));
  d.AdvanceClock(2000);
  EXPECT_EQ(LinkFlags(d), std::vector<int>{1});
}

TEST(SimPairingTest, OnlyThePairingRequestIsTaken) {
  for (const char* report : {"BC 02 00 00 00 00 00 00", "BC 03 00", "BD 03 00 00 00 00 00 00"}) {
    SCOPED_TRACE(report);
    SimDevice d(std::array{DeviceRole::Receiver});
    EXPECT_FALSE(d.SetFeature(DeviceRole::Receiver, HexBytes(report)));
    EXPECT_TRUE(LinkFlags(d).empty());
    EXPECT_TRUE(LinkUp(d));
  }
}

// Commands reach the mouse through the receiver only while it is linked.
TEST(SimPairingTest, FramesThroughAnUnlinkedReceiverAreNotAcknowledged) {
  SimDevice d(std::array{DeviceRole::Receiver});
  const auto frame = HexBytes("09 04 05 01 15 02", 32);
  std::vector<std::uint8_t> ack(32, 0);
  d.SetMouseLinked(false);
  ASSERT_TRUE(d.SetFeature(DeviceRole::Receiver, frame));
  ack[0] = 9;
  ASSERT_TRUE(d.GetFeature(DeviceRole::Receiver, ack));
  EXPECT_EQ(ack[1], 0);
  EXPECT_EQ(d.State().mouse.settings.pollingCode, 0x01);

  d.SetMouseLinked(true);
  ASSERT_TRUE(d.SetFeature(DeviceRole::Receiver, frame));
  ack.assign(32, 0);
  ack[0] = 9;
  ASSERT_TRUE(d.GetFeature(DeviceRole::Receiver, ack));
  EXPECT_EQ(ack[1], 1);
  EXPECT_EQ(d.State().mouse.settings.pollingCode, 0x02);
}

}  // namespace
}  // namespace corvane
