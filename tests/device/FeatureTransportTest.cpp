#include "device/FeatureTransport.h"

#include <gtest/gtest.h>

#include <vector>

#include "device/PauseServices.h"
#include "support/FakeHidBackend.h"
#include "support/HexBytes.h"

namespace corvane {
namespace {

using testing::Bytes;
using testing::FakeHidBackend;
using testing::FakeOp;
using testing::HexBytes;
using testing::Report;

struct Link {
  FakeHidBackend backend;
  RecordingPause pause;
  DeviceLink link{backend, pause};

  explicit Link(std::initializer_list<DeviceRole> roles) {
    for (const DeviceRole r : roles) backend.AddRole(r);
    link.ScanDevices();
    backend.ops.clear();
    backend.getRequests.clear();
    pause.Clear();
  }
};

std::vector<std::uint32_t> Ms(std::initializer_list<std::uint32_t> list) { return list; }

TEST(SendFeatureCommand, AcknowledgedFirstTime) {
  Link l({DeviceRole::Wired});
  EXPECT_EQ(SendFeatureCommand(l.link, FeatureCommand::CmdLiftOff, kSinglePacket, HexBytes("02")),
            SendResult::Acknowledged);
  ASSERT_EQ(l.backend.ops.size(), 2u);
  // The scan's link-state query used no sequence number: the first frame carries 1.
  EXPECT_EQ(l.backend.ops[0].bytes, HexBytes("09 05 01 01 12 02", 32));
  EXPECT_EQ(l.backend.ops[1].kind, FakeOp::Get);
  // The acknowledgement read starts from a cleared buffer holding only the report id.
  EXPECT_EQ(l.backend.getRequests.back(), HexBytes("09", 32));
  EXPECT_EQ(l.pause.Pauses(), Ms({60}));
  EXPECT_EQ(l.link.Sequence.Peek(), 2);
}

TEST(SendFeatureCommand, RetrySchedule) {
  struct Case {
    const char* what;
    FeatureCommand command;
    int unansweredReads;  // replies with byte 1 = 0 before the device answers (4+: never)
    SendResult result;
    int frames;
    std::vector<std::uint32_t> pauses;
  };
  const Case cases[] = {
      {"answered at the third attempt", FeatureCommand::CmdKeyDebounce, 2, SendResult::Acknowledged, 3,
       Ms({60, 60, 60, 60, 60})},
      {"never answered: 4 x (60 + 60) ms", FeatureCommand::CmdKeyDebounce, 4, SendResult::NotAcknowledged, 4,
       Ms({60, 60, 60, 60, 60, 60, 60, 60})},
      {"macro data waits 120 ms for its answer", FeatureCommand::CmdMacroData, 4, SendResult::NotAcknowledged, 4,
       Ms({120, 60, 120, 60, 120, 60, 120, 60})},
  };
  for (const auto& c : cases) {
    Link l({DeviceRole::Wired});
    auto& cmd = l.backend.Command(DeviceRole::Wired);
    for (int i = 0; i < c.unansweredReads; ++i) cmd.replies.push_back(Report({9, 0, 0xEE}));
    if (c.unansweredReads >= 4) cmd.acknowledges = false;
    EXPECT_EQ(SendFeatureCommand(l.link, c.command, kSinglePacket, HexBytes("03")), c.result) << c.what;
    const auto sets = l.backend.OpsOf(FakeOp::Set);
    ASSERT_EQ(sets.size(), static_cast<std::size_t>(c.frames)) << c.what;
    // Every attempt is a rebuilt frame with the next sequence number and its own checksum.
    for (int i = 0; i < c.frames; ++i) {
      const auto expected = BuildFeatureFrame(static_cast<std::uint8_t>(c.command), static_cast<std::uint8_t>(1 + i),
                                              kSinglePacket, HexBytes("03"));
      EXPECT_EQ(sets[i].bytes, Bytes(expected.bytes.begin(), expected.bytes.end())) << c.what << " attempt " << i;
    }
    EXPECT_EQ(l.pause.Pauses(), c.pauses) << c.what;
  }
}

TEST(SendFeatureCommand, FailedReadsAndRejectedWritesCountAsUnanswered) {
  Link l({DeviceRole::Wired});
  auto& cmd = l.backend.Command(DeviceRole::Wired);
  cmd.replies = {std::nullopt, std::nullopt};  // two failed reads, then the default answer
  EXPECT_EQ(SendFeatureCommand(l.link, 0x09, kSinglePacket, HexBytes("01")), SendResult::Acknowledged);
  EXPECT_EQ(l.backend.OpsOf(FakeOp::Set).size(), 3u);

  Link r({DeviceRole::Wired});
  r.backend.Command(DeviceRole::Wired).rejectWrites = true;
  r.backend.Command(DeviceRole::Wired).acknowledges = false;
  EXPECT_EQ(SendFeatureCommand(r.link, 0x09, kSinglePacket, HexBytes("01")), SendResult::NotAcknowledged);
  EXPECT_EQ(r.backend.OpsOf(FakeOp::Set).size(), 4u);
  EXPECT_EQ(r.pause.Pauses().size(), 8u);
}

TEST(SendFeatureCommand, SequenceKeepsCountingAcrossCommandsAndWraps) {
  Link l({DeviceRole::Wired});
  for (int i = 0; i < 256; ++i) SendFeatureCommand(l.link, 0x09, kSinglePacket, HexBytes("01"));
  const auto sets = l.backend.OpsOf(FakeOp::Set);
  EXPECT_EQ(sets[0].bytes[2], 1);
  EXPECT_EQ(sets[254].bytes[2], 255);
  EXPECT_EQ(sets[255].bytes[2], 0);
}

TEST(SendFeatureCommand, WrittenFlagFollowsTheCommand) {
  struct Case {
    std::uint8_t command;
    bool written;
  };
  const Case cases[] = {{0x01, true}, {0x06, true}, {0x09, true}, {0x0F, false}, {0x10, true}, {0x11, true}};
  for (const auto& c : cases) {
    Link l({DeviceRole::Wired});
    EXPECT_FALSE(l.link.WrittenFlag);
    SendFeatureCommand(l.link, c.command, kSinglePacket, HexBytes("FF"));
    EXPECT_EQ(l.link.WrittenFlag, c.written) << int(c.command);
  }
  // Handing the frame over is what counts, answered or not.
  Link l({DeviceRole::Wired});
  l.backend.Command(DeviceRole::Wired).acknowledges = false;
  SendFeatureCommand(l.link, 0x01, kSinglePacket, HexBytes("FF"));
  EXPECT_TRUE(l.link.WrittenFlag);
}

TEST(SendFeatureCommand, Routing) {
  struct Case {
    std::vector<DeviceRole> present;
    std::optional<DeviceRole> target;
  };
  const Case cases[] = {
      {{DeviceRole::Receiver, DeviceRole::Wired}, DeviceRole::Wired},
      {{DeviceRole::Receiver, DeviceRole::Bluetooth}, DeviceRole::Bluetooth},
      {{DeviceRole::Bluetooth, DeviceRole::Wired, DeviceRole::Receiver}, DeviceRole::Wired},
      {{DeviceRole::Receiver}, DeviceRole::Receiver},
      {{}, std::nullopt},
  };
  for (const auto& c : cases) {
    FakeHidBackend backend;
    RecordingPause pause;
    for (const DeviceRole r : c.present) backend.AddRole(r);
    DeviceLink link(backend, pause);
    link.ScanDevices();
    backend.ops.clear();
    const SendResult sent = SendFeatureCommand(link, 0x05, kSinglePacket, HexBytes("01"));
    const LinkStateReply reply = QueryLinkState(link);
    if (!c.target) {
      EXPECT_EQ(sent, SendResult::NoDevice);
      EXPECT_FALSE(reply.Valid);
      EXPECT_TRUE(backend.ops.empty());
      EXPECT_TRUE(pause.Pauses().empty());
      EXPECT_FALSE(link.WrittenFlag);
      continue;
    }
    ASSERT_EQ(backend.ops.size(), 3u);
    for (const auto& op : backend.ops) EXPECT_EQ(op.path, FakeHidBackend::CommandPath(*c.target));
  }
}

TEST(SendFeatureCommand, CommandHandleThatCannotBeOpenedPassesToTheNext) {
  FakeHidBackend backend;
  RecordingPause pause;
  backend.AddRole(DeviceRole::Wired);
  backend.AddRole(DeviceRole::Receiver);
  // The scan's probe opens it, the command handle then cannot be had.
  backend.Command(DeviceRole::Wired).successfulOpens = 1;
  DeviceLink link(backend, pause);
  link.ScanDevices();
  EXPECT_EQ(link.Role(DeviceRole::Wired).Present, 1);
  EXPECT_FALSE(link.Role(DeviceRole::Wired).FeatureHandle);
  backend.ops.clear();
  SendFeatureCommand(link, 0x05, kSinglePacket, HexBytes("01"));
  ASSERT_FALSE(backend.ops.empty());
  for (const auto& op : backend.ops) EXPECT_EQ(op.path, FakeHidBackend::CommandPath(DeviceRole::Receiver));
}

TEST(SendFeatureCommand, UnplugMidCommandEndsTheCommand) {
  struct Case {
    const char* what;
    FakeOp::Kind unplugAfter;
  };
  const Case cases[] = {{"during the pause after the write", FakeOp::Set},
                        {"after the first unanswered read", FakeOp::Get}};
  for (const auto& c : cases) {
    Link l({DeviceRole::Wired});
    l.backend.Command(DeviceRole::Wired).acknowledges = false;
    l.backend.afterOp = [&](FakeHidBackend& b, const FakeOp& op) {
      if (op.kind == c.unplugAfter) b.Unplug(DeviceRole::Wired);
    };
    EXPECT_EQ(SendFeatureCommand(l.link, 0x01, kSinglePacket, HexBytes("10 01 00")), SendResult::DeviceGone) << c.what;
    EXPECT_EQ(l.backend.OpsOf(FakeOp::Set).size(), 1u) << c.what;
    EXPECT_LE(l.pause.TotalMs(), 120u) << c.what;
    // Later commands of the same upload end at once as well.
    l.backend.ops.clear();
    l.pause.Clear();
    EXPECT_EQ(SendFeatureCommand(l.link, 0x02, 0x02, HexBytes("00")), SendResult::DeviceGone) << c.what;
    EXPECT_TRUE(l.pause.Pauses().empty()) << c.what;
  }
}

TEST(ResetDeviceToDefaults, SendsCommand0FWithFF) {
  Link l({DeviceRole::Receiver});
  l.link.Sequence = FrameSequence();
  EXPECT_EQ(ResetDeviceToDefaults(l.link), SendResult::Acknowledged);
  EXPECT_EQ(l.backend.ops[0].bytes, HexBytes("09 0F 01 01 19 FF", 32));
  EXPECT_EQ(l.backend.ops[0].path, FakeHidBackend::CommandPath(DeviceRole::Receiver));
  EXPECT_FALSE(l.link.WrittenFlag);
}

TEST(QueryLinkState, ReplyValidation) {
  struct Case {
    const char* what;
    std::optional<Bytes> reply;
    int linkBefore;
    bool valid;
    int linkAfter;
  };
  Bytes wrongId = testing::LinkReply(1);
  wrongId[0] = 9;
  Bytes wrongSignature = testing::LinkReply(1);
  wrongSignature[4] ^= 0x20;
  const Case cases[] = {
      {"link up", testing::LinkReply(1), 0, true, 1},
      {"any non-zero flag is up", testing::LinkReply(0x80), 0, true, 1},
      {"byte 5 = 0 reports the link down", testing::LinkReply(0), 1, true, 0},
      {"wrong report id changes nothing", wrongId, 0, false, 0},
      {"wrong report id changes nothing (up)", wrongId, 1, false, 1},
      {"wrong signature changes nothing", wrongSignature, 1, false, 1},
      {"failed read changes nothing", std::nullopt, 1, false, 1},
      // The buffer is handed over as 08 FF FF ...: a device that leaves it alone has not answered.
      {"untouched request", HexBytes("08 FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF"),
       0, false, 0},
  };
  for (const auto& c : cases) {
    Link l({DeviceRole::Receiver});
    l.link.LinkUp = c.linkBefore;
    l.backend.Command(DeviceRole::Receiver).replies.push_back(c.reply);
    const LinkStateReply reply = QueryLinkState(l.link);
    EXPECT_EQ(reply.Valid, c.valid) << c.what;
    EXPECT_EQ(l.link.LinkUp.load(), c.linkAfter) << c.what;
    ASSERT_EQ(l.backend.getRequests.size(), 1u);
    EXPECT_EQ(l.backend.getRequests[0], HexBytes("08 FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF"));
    EXPECT_TRUE(l.pause.Pauses().empty()) << c.what;
  }
}

TEST(ParseLinkStateReply, ShortBufferIsNeverValid) {
  EXPECT_FALSE(ParseLinkStateReply(HexBytes("08 43 52 56 4E")).Valid);
  EXPECT_TRUE(ParseLinkStateReply(HexBytes("08 43 52 56 4E 00")).Valid);
}

}  // namespace
}  // namespace corvane
