#include "device/FirmwareReport.h"

#include <gtest/gtest.h>

#include <vector>

#include "base/TextUtil.h"
#include "device/FirmwareTexts.h"
#include "support/HexBytes.h"

namespace corvane {
namespace {

using testing::HexBytes;
using Bytes = std::vector<std::uint8_t>;

Bytes Of(const FirmwareReport& r) { return Bytes(r.bytes.begin(), r.bytes.end()); }

FirmwareReport InfoBlockRewrite() {
  // A read reply of the information block as the device returns it, then rewritten.
  FirmwareReport r = FirmwareReadRequest(0x7E000, 128);
  r.Data()[0] = 0x5A;
  r.Data()[1] = 0x01;
  ++r.Data()[1];
  MakeInfoWrite(r, 0x7E000, 0x80);
  return r;
}

FirmwareReport InfoTail() {
  FirmwareReport r;
  r.bytes.fill(0xFF);
  MakeInfoWrite(r, 0x7E008, 0x24);
  return r;
}

TEST(FirmwareReport, GoldenReports) {
  const Bytes block(128, 0xA5);
  Bytes blockFrame = HexBytes("BF 80 00 00 00 05 30 00");
  blockFrame.insert(blockFrame.end(), block.begin(), block.end());
  Bytes tail(64, 0x11);
  Bytes tailFrame = HexBytes("BF 40 00 00 00 06 AC 80");
  tailFrame.insert(tailFrame.end(), tail.begin(), tail.end());
  tailFrame.resize(136, 0);
  Bytes infoTail = HexBytes("BF 00 00 04 24 07 E0 08");
  infoTail.resize(136, 0xFF);

  struct Case {
    const char* what;
    FirmwareReport report;
    Bytes expected;
  };
  const std::array<std::uint8_t, 4> unlock{0x5A, 0xA5, 0xC3, 0x3C};
  const std::array<std::uint8_t, 4> lock{};
  const Case cases[] = {
      {"checksum query: 16 bytes of the running header", FirmwareReadRequest(0x2B070, 0x10),
       HexBytes("BF 00 10 00 00 02 B0 70", 136)},
      {"block read", FirmwareReadRequest(0x010F80, 128), HexBytes("BF 00 80 00 00 01 0F 80", 136)},
      {"a read asks for 128 bytes at most", FirmwareReadRequest(0, 500), HexBytes("BF 00 80 00 00 00 00 00", 136)},
      {"block write at the application's 33rd block", FirmwareWriteRequest(0x052000 + 32 * 128, block), blockFrame},
      {"tail write carries its length", FirmwareWriteRequest(0x052000 + 793 * 128, tail), tailFrame},
      {"application erase", FirmwareOperation(FirmwareOp::FwEraseApplication), HexBytes("BF 00 00 01", 136)},
      {"restart", FirmwareOperation(FirmwareOp::FwRestart), HexBytes("BF 00 00 02", 136)},
      {"sector erase", FirmwareOperation(FirmwareOp::FwEraseSector, 0x2A000), HexBytes("BF 00 00 03 00 02 A0 00", 136)},
      {"unlock", FirmwareUnlockRequest(unlock), HexBytes("BF 00 00 05 5A A5 C3 3C", 136)},
      {"lock", FirmwareUnlockRequest(lock), HexBytes("BF 00 00 05 00 00 00 00", 136)},
      {"information block with its counter raised", InfoBlockRewrite(), HexBytes("BF 00 00 04 80 07 E0 00 5A 02", 136)},
      {"36 bytes of 0xFF at 0x7E008", InfoTail(), infoTail},
  };
  for (const auto& c : cases) EXPECT_EQ(Of(c.report), c.expected) << c.what;
}

TEST(FirmwareReport, ReplyFields) {
  FirmwareReport r;
  r.bytes[5] = 0x05;
  r.bytes[6] = 0x2F;
  r.bytes[7] = 0xFF;
  std::copy_n(HexBytes("78 56 34 12 99").begin(), 5, r.Data().begin());
  EXPECT_EQ(r.Address(), 0x052FFFu);
  EXPECT_EQ(ChecksumOfReply(r), 0x12345678u);
}

TEST(FirmwareTexts, Formats) {
  struct Case {
    std::u16string actual;
    std::u16string expected;
  };
  const Case cases[] = {
      {ImageChecksumText(0x0012ABCD), u"CS1:0012abcd"},
      {DeviceChecksumText(0xFFFFFFFF), u"Device CS:ffffffff"},
      {InitialProgressText(), u"0%"},
      {ProgressText(4, 3965, false), u"0.1%"},
      {ProgressText(3176, 3965, false), u"80.1%"},
      // Verification goes past the total by the tail's share; the text stops at 100.
      {ProgressText(3970, 3965, true), u"100.0%"},
      {ProgressText(3970, 3965, false), u"100.1%"},
      {ProgressText(4, 0, false), u"100.0%"},
      {CountedText(u"Updating the loader ", 1, 1419), u"Updating the loader (1/1419)"},
      {CountdownText(u"Waiting for the mouse", 20), u"Waiting for the mouse  ....20"},
  };
  for (const auto& c : cases) EXPECT_EQ(Utf8(c.actual), Utf8(c.expected));
}

}  // namespace
}  // namespace corvane
