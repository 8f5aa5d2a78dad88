#include "device/FeatureFrame.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/HexBytes.h"

namespace corvane {
namespace {

using testing::HexBytes;

TEST(FeatureFrame, GoldenFrames) {
  struct Case {
    const char* what;
    std::uint8_t command, sequence, position;
    std::vector<std::uint8_t> payload;
    std::vector<std::uint8_t> frame;
  };
  const std::vector<std::uint8_t> ffs(27, 0xFF);
  std::vector<std::uint8_t> tooLong(28, 0x00);
  tooLong.back() = 0x55;
  const Case cases[] = {
      {"factory reset", 0x0F, 1, 0x01, {0xFF}, HexBytes("09 0F 01 01 19 FF", 32)},
      {"zero payload: 9 + command + sequence + position", 0x04, 0x20, 0x01, {}, HexBytes("09 04 20 01 2E", 32)},
      {"second DPI packet", 0x02, 0xFF, 0x12, HexBytes("02 3F 10 00 20 00"), HexBytes("09 02 FF 12 8D 02 3F 10 00 20 00", 32)},
      {"sum wraps modulo 256", 0x01, 0x80, 0x01, ffs,
       HexBytes("09 01 80 01 70 FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF")},
      {"payload beyond 27 bytes is not sent", 0x10, 0x00, 0x23, tooLong, HexBytes("09 10 00 23 3C", 32)},
  };
  for (const auto& c : cases) {
    const FeatureFrame f = BuildFeatureFrame(c.command, c.sequence, c.position, c.payload);
    EXPECT_EQ(std::vector<std::uint8_t>(f.bytes.begin(), f.bytes.end()), c.frame) << c.what;
    EXPECT_EQ(FrameChecksum(f.bytes), f.bytes[FeatureFrame::kChecksumOffset]) << c.what;
  }
}

TEST(FeatureFrame, ChecksumIgnoresWhatByteFourHeld) {
  FeatureFrame f = BuildFeatureFrame(0x09, 7, kSinglePacket, HexBytes("05"));
  const std::uint8_t sum = f.bytes[FeatureFrame::kChecksumOffset];
  f.bytes[FeatureFrame::kChecksumOffset] = 0xAB;
  EXPECT_EQ(FrameChecksum(f.bytes), sum);
  // The last byte of the frame counts too.
  f.bytes[31] = 1;
  EXPECT_EQ(FrameChecksum(f.bytes), static_cast<std::uint8_t>(sum + 1));
}

TEST(FeatureFrame, PacketPosition) {
  EXPECT_EQ(kSinglePacket, 0x01);
  EXPECT_EQ(PacketPosition(0, 2), 0x02);
  EXPECT_EQ(PacketPosition(1, 2), 0x12);
  EXPECT_EQ(PacketPosition(14, 15), 0xEF);
}

TEST(FrameSequence, StartsAtOneAndWrapsFrom255ToZero) {
  FrameSequence seq;
  EXPECT_EQ(seq.Next(), 1);
  for (int i = 2; i < 255; ++i) seq.Next();
  EXPECT_EQ(seq.Next(), 255);
  EXPECT_EQ(seq.Next(), 0);
  EXPECT_EQ(seq.Next(), 1);
}

}  // namespace
}  // namespace corvane
