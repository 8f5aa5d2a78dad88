#include "settings/PollingRateTable.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

TEST(PollingRateTable, EntriesByIndex) {
  struct Case {
    int index;
    int hz;
    std::u16string_view choice;
    std::u16string_view report;
    int code;
    std::uint32_t bit4;
    std::uint32_t bit7;
  };
  const Case cases[] = {
      {0, 125, u"125HZ", u"125Hz", 0x08, 0x10000, 0x01},
      {1, 250, u"250HZ", u"250Hz", 0x04, 0x20000, 0x02},
      {2, 500, u"500HZ", u"500Hz", 0x02, 0x40000, 0x04},
      {3, 1000, u"1000HZ", u"1000Hz", 0x01, 0x80000, 0x08},
      {4, 2000, u"2000HZ", u"2000Hz", 0x11, 0, 0x10},
      {5, 4000, u"4000HZ", u"4000Hz", 0x12, 0, 0x20},
      {6, 8000, u"8000HZ", u"8000Hz", 0x14, 0, 0x40},
      // Any stored index above the table is sent and shown as 8000 Hz.
      {7, 8000, u"8000HZ", u"8000Hz", 0x14, 0, 0x40},
      {255, 8000, u"8000HZ", u"8000Hz", 0x14, 0, 0x40},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.index);
    const auto& e = PollingRateOf(c.index);
    EXPECT_EQ(e.Hz, c.hz);
    EXPECT_EQ(e.ChoiceName, c.choice);
    EXPECT_EQ(e.ReportName, c.report);
    EXPECT_EQ(e.DeviceCode, c.code);
    EXPECT_EQ(e.RadioBit4, c.bit4);
    EXPECT_EQ(e.RadioBit7, c.bit7);
    EXPECT_EQ(c.bit4 & ~kPollingRadioMask4, 0u);
    EXPECT_EQ(c.bit7 & ~kPollingRadioMask7, 0u);
  }
}

TEST(PollingRateTable, ReportedCodeToIndex) {
  struct Case {
    int code;
    int radioIndex;
    int wiredIndex;
  };
  const Case cases[] = {
      {0x08, 0, 0}, {0x04, 1, 1}, {0x02, 2, 2}, {0x01, 3, 3}, {0x11, 4, 3},
      {0x12, 5, 3}, {0x14, 6, 3}, {0x00, 6, 3}, {0xFF, 6, 3},
  };
  for (const auto& c : cases) {
    const auto code = static_cast<std::uint8_t>(c.code);
    EXPECT_EQ(PollingIndexOfDeviceCode(code, false), c.radioIndex) << c.code;
    EXPECT_EQ(PollingIndexOfDeviceCode(code, true), c.wiredIndex) << c.code;
  }
}

TEST(PollingRateTable, IndexOfHz) {
  EXPECT_EQ(PollingIndexOfHz(125), 0);
  EXPECT_EQ(PollingIndexOfHz(1000), 3);
  EXPECT_EQ(PollingIndexOfHz(8000), 6);
  EXPECT_EQ(PollingIndexOfHz(0), std::nullopt);
  EXPECT_EQ(PollingIndexOfHz(1001), std::nullopt);
}

}  // namespace
}  // namespace corvane
