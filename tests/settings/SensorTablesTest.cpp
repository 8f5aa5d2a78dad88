#include "settings/SensorTables.h"

#include <gtest/gtest.h>

#include <vector>

namespace corvane {
namespace {

DpiStepTables Built(std::uint16_t sensor) {
  DpiStepTables t;
  t.SensorId = sensor;
  BuildDpiStepTables(t);
  return t;
}

struct StepProbe {
  int step;
  int display;
  int code;
};

struct SensorCase {
  std::uint16_t sensor;
  int steps;
  bool separateXY;
  bool extraPage;
  std::vector<StepProbe> probes;  // first steps, both sides of each code jump, last step
};

const std::vector<SensorCase>& SensorCases() {
  static const std::vector<SensorCase> cases{
      {0x3212, 31, false, false, {{0, 12, 0}, {1, 14, 1}, {15, 42, 15}, {30, 72, 30}}},
      {0x3311, 240, false, false,
       {{0, 2, 0}, {1, 4, 2}, {2, 6, 3}, {6, 14, 7}, {7, 16, 9}, {8, 18, 10},
        {12, 26, 14}, {13, 28, 16}, {29, 60, 35}, {30, 62, 37}, {40, 82, 48}, {41, 84, 50},
        {115, 232, 138}, {116, 234, 140}, {119, 240, 143}, {239, 480, 263}}},
      {0x3325, 100, false, false,
       {{0, 4, 4}, {1, 4, 4}, {2, 6, 6}, {3, 8, 8}, {4, 10, 11}, {48, 98, 113},
        {49, 100, 115}, {50, 102, 116}, {99, 200, 165}}},
      {0x3335, 160, false, true,
       {{0, 2, 0}, {1, 4, 2}, {7, 16, 9}, {145, 292, 174}, {146, 294, 176},
        {159, 320, 189}}},
      {0x3395, 520, true, true, {{0, 1, 0}, {1, 2, 1}, {519, 520, 519}}},
      {0x3950, 600, true, true, {{0, 1, 0}, {1, 2, 1}, {599, 600, 599}}},
  };
  return cases;
}

TEST(SensorTables, LaddersOfEverySensor) {
  for (const auto& c : SensorCases()) {
    SCOPED_TRACE(::testing::Message() << std::hex << "sensor 0x" << c.sensor);
    const auto t = Built(c.sensor);
    EXPECT_TRUE(IsKnownSensor(c.sensor));
    EXPECT_EQ(t.DpiStepCount, c.steps);
    EXPECT_EQ(t.SeparateXYDpi, c.separateXY);
    EXPECT_EQ(t.ExtraPageVisible, c.extraPage);
    for (const auto& p : c.probes) {
      SCOPED_TRACE(::testing::Message() << std::dec << "step " << p.step);
      EXPECT_EQ(t.DpiStepDisplay[static_cast<std::size_t>(p.step)], p.display);
      EXPECT_EQ(t.DpiStepCode[static_cast<std::size_t>(p.step)], p.code);
      EXPECT_EQ(DpiOfStep(t, p.step), p.display * 50);
      EXPECT_EQ(DpiCodeOfStep(t, p.step), p.code);
    }
  }
}

TEST(SensorTables, ResolutionsClimbByOneStepAndCodesNeverRepeat) {
  for (const auto& c : SensorCases()) {
    SCOPED_TRACE(::testing::Message() << std::hex << "sensor 0x" << c.sensor);
    const auto t = Built(c.sensor);
    // 0x3325 starts with two 200-DPI steps sharing code 4.
    const int first = c.sensor == 0x3325 ? 2 : 1;
    const int stride = t.DpiStepDisplay[2] - t.DpiStepDisplay[1];
    for (int k = first; k < t.DpiStepCount; ++k) {
      const auto i = static_cast<std::size_t>(k);
      ASSERT_EQ(t.DpiStepDisplay[i] - t.DpiStepDisplay[i - 1], stride) << "step " << k;
      const int jump = t.DpiStepCode[i] - t.DpiStepCode[i - 1];
      ASSERT_TRUE(jump == 1 || jump == 2 || (c.sensor == 0x3325 && jump == 3)) << "step " << k;
    }
  }
}

TEST(SensorTables, StepOfDpiFindsTheFirstStepAtOrAboveTheResolution) {
  struct Case {
    std::uint16_t sensor;
    std::u16string text;
    int step;
  };
  const Case cases[] = {
      {0x3311, u"850", 8},     {0x3311, u"900", 8},    {0x3311, u"30000", 239},
      {0x3311, u"0", 0},       {0x3311, u"-400", 0},   {0x3311, u"", 0},
      {0x3311, u"abc", 0},     {0x3311, u" 1000x", 9}, {0x3325, u"200", 0},
      {0x3325, u"250", 2},     {0x3212, u"100", 0},    {0x3212, u"3600", 30},
      {0x3395, u"26000", 519}, {0x3950, u"99999999999999999999", 599},
  };
  for (const auto& c : cases) {
    const auto t = Built(c.sensor);
    EXPECT_EQ(StepOfDpi(t, c.text), c.step) << std::hex << c.sensor;
  }
}

TEST(SensorTables, StepOfDpiRoundTripsEveryStep) {
  for (const auto& c : SensorCases()) {
    const auto t = Built(c.sensor);
    for (int k = 0; k < t.DpiStepCount; ++k) {
      const int expected = (c.sensor == 0x3325 && k == 1) ? 0 : k;
      ASSERT_EQ(StepOfDpi(t, DpiOfStep(t, k)), expected) << std::hex << c.sensor << " step " << k;
    }
  }
}

TEST(SensorTables, StepOfDpiWithShortLadders) {
  const std::int32_t display[] = {8, 16};
  EXPECT_EQ(StepOfDpi(display, 0, 400), -1);
  EXPECT_EQ(StepOfDpi(display, 1, 5000), 0);
  EXPECT_EQ(StepOfDpi(display, 2, 5000), 1);
  EXPECT_EQ(StepOfDpi(display, 2, 400), 0);
  DpiStepTables none;
  EXPECT_EQ(StepOfDpi(none, u"800"), -1);
}

TEST(SensorTables, UnknownSensorKeepsThePreviousLadder) {
  auto t = Built(0x3395);
  t.SensorId = 0x1234;
  EXPECT_FALSE(IsKnownSensor(0x1234));
  BuildDpiStepTables(t);
  EXPECT_EQ(t.DpiStepCount, 520);
  EXPECT_TRUE(t.SeparateXYDpi);
  EXPECT_TRUE(t.ExtraPageVisible);
  EXPECT_EQ(DpiOfStep(t, 519), 26000);

  DpiStepTables fresh;
  fresh.SensorId = 0x1234;
  BuildDpiStepTables(fresh);
  EXPECT_EQ(fresh.DpiStepCount, 0);
  EXPECT_FALSE(fresh.SeparateXYDpi);
  EXPECT_FALSE(fresh.ExtraPageVisible);
  EXPECT_EQ(DpiOfStep(fresh, 3), 0);
  EXPECT_EQ(DpiCodeOfStep(fresh, 3), 0);
}

TEST(SensorTables, SwitchingTo3212KeepsSeparateXY) {
  auto t = Built(0x3395);
  t.SensorId = 0x3212;
  BuildDpiStepTables(t);
  EXPECT_EQ(t.DpiStepCount, 31);
  EXPECT_TRUE(t.SeparateXYDpi);
  EXPECT_FALSE(t.ExtraPageVisible);
  EXPECT_FALSE(Built(0x3212).SeparateXYDpi);
}

TEST(SensorTables, ShorterLadderLeavesNoStaleStepsBehind) {
  auto t = Built(0x3950);
  t.SensorId = 0x3311;
  BuildDpiStepTables(t);
  EXPECT_EQ(t.DpiStepDisplay[240], 0);
  EXPECT_EQ(t.DpiStepCode[599], 0);
  // A stored index beyond the ladder (left by the longer one) reads as its last step.
  EXPECT_EQ(DpiOfStep(t, 500), 24000);
  EXPECT_EQ(DpiCodeOfStep(t, 500), 263);
  EXPECT_EQ(DpiOfStep(t, -1), 100);
}

TEST(SensorTables, DpiLockCodes) {
  struct Case {
    std::uint16_t sensor;
    std::array<int, 11> codes;
  };
  const Case cases[] = {
      {0x3212, {0, 0, 0, 0, 0, 1, 2, 3, 4, 5, 6}},
      {0x3311, {2, 3, 4, 5, 6, 7, 9, 10, 11, 12, 13}},
      {0x3325, {4, 6, 8, 11, 13, 15, 18, 20, 22, 25, 27}},
      {0x3335, {2, 3, 4, 5, 6, 7, 9, 10, 11, 12, 13}},
      {0x3395, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}},
      {0x3950, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}},
      {0xBEEF, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}},
  };
  for (const auto& c : cases) {
    for (int item = 1; item <= 11; ++item)
      EXPECT_EQ(DpiLockCode(c.sensor, item), c.codes[static_cast<std::size_t>(item - 1)])
          << std::hex << c.sensor << " item " << std::dec << item;
    EXPECT_EQ(DpiLockCode(c.sensor, 0), 0);
    EXPECT_EQ(DpiLockCode(c.sensor, 12), 0);
  }
  DpiStepTables t;
  t.SensorId = 0x3325;
  EXPECT_EQ(DpiLockCode(t, 4), 11);
  EXPECT_EQ(DpiLockItemDpi(1), 200);
  EXPECT_EQ(DpiLockItemDpi(11), 1200);
}

}  // namespace
}  // namespace corvane
