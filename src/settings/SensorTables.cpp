#include "settings/SensorTables.h"

#include <algorithm>

#include "base/TextUtil.h"

namespace corvane {
namespace {

// How a sensor numbers its resolution registers.
enum class CodeRule {
  StepIndex,  // the code is the step index
  SkipList,   // the step index plus the number of skipped register values below it
  ListB,      // the 0x3325 table below, then a fixed offset
};

enum class Flag : std::int8_t { Clear = 0, Set = 1, Keep = -1 };

struct SensorLadder {
  std::uint16_t SensorId;
  int Steps;
  // DpiStepDisplay[k] = max(DisplayMin, DisplayBase + DisplayStride * k)
  int DisplayBase;
  int DisplayStride;
  int DisplayMin;
  CodeRule Rule;
  int LastSkip;  // SkipList only
  Flag SeparateXY;
  Flag ExtraPage;
};

constexpr std::array<SensorLadder, 6> kSensorLadders{{
    {0x3212, 31, 12, 2, 0, CodeRule::StepIndex, 0, Flag::Keep, Flag::Clear},
    {0x3311, 240, 2, 2, 0, CodeRule::SkipList, 115, Flag::Clear, Flag::Clear},
    {0x3325, 100, 2, 2, 4, CodeRule::ListB, 0, Flag::Clear, Flag::Clear},
    {0x3335, 160, 2, 2, 0, CodeRule::SkipList, 145, Flag::Clear, Flag::Set},
    {0x3395, 520, 1, 1, 0, CodeRule::StepIndex, 0, Flag::Set, Flag::Set},
    {0x3950, 600, 1, 1, 0, CodeRule::StepIndex, 0, Flag::Set, Flag::Set},
}};

// Register values the skip-list sensors leave out below step 40; from 40 on every
// fifth value up to the sensor's last skip is left out as well.
constexpr std::array<int, 8> kFixedSkips{0, 6, 12, 17, 23, 28, 29, 35};
constexpr int kPeriodicSkipStart = 40;
constexpr int kPeriodicSkipStride = 5;

// 0x3325: codes of steps 0..49 (steps 0 and 1 are both 200 DPI); from step 49 on the
// code is the step plus kListBOffset.
constexpr std::array<std::uint16_t, 50> kListBCodes{
    4,  4,  6,  8,  11, 13, 15, 18, 20, 22, 25,  27,  29,  32,  34,  36,  39,
    41, 43, 46, 48, 50, 52, 55, 57, 59, 62, 64,  66,  69,  71,  73,  76,  78,
    80, 83, 85, 87, 90, 92, 94, 97, 99, 101, 104, 106, 108, 111, 113, 115};
constexpr int kListBOffset = 66;

struct DpiLockRow {
  std::uint16_t SensorId;
  std::array<std::uint8_t, kDpiLockItemCount> Codes;
};

constexpr std::array<DpiLockRow, 4> kDpiLockRows{{
    {0x3212, {0, 0, 0, 0, 0, 1, 2, 3, 4, 5, 6}},
    {0x3311, {2, 3, 4, 5, 6, 7, 9, 10, 11, 12, 13}},
    {0x3325, {4, 6, 8, 11, 13, 15, 18, 20, 22, 25, 27}},
    {0x3335, {2, 3, 4, 5, 6, 7, 9, 10, 11, 12, 13}},
}};
// Any other sensor: nn is the item number.
constexpr std::array<std::uint8_t, kDpiLockItemCount> kDpiLockDefault{1, 2, 3, 4, 5, 6,
                                                                      7, 8, 9, 10, 11};

const SensorLadder* FindLadder(std::uint16_t sensorId) {
  const auto it = std::find_if(kSensorLadders.begin(), kSensorLadders.end(),
                               [&](const SensorLadder& l) { return l.SensorId == sensorId; });
  return it == kSensorLadders.end() ? nullptr : &*it;
}

int SkipsBelow(int step, int lastSkip) {
  int n = static_cast<int>(std::count_if(kFixedSkips.begin(), kFixedSkips.end(),
                                         [&](int s) { return s < step; }));
  for (int s = kPeriodicSkipStart; s <= lastSkip && s < step; s += kPeriodicSkipStride) ++n;
  return n;
}

std::uint16_t CodeOf(const SensorLadder& ladder, int step) {
  switch (ladder.Rule) {
    case CodeRule::StepIndex:
      return static_cast<std::uint16_t>(step);
    case CodeRule::SkipList:
      return static_cast<std::uint16_t>(step + SkipsBelow(step, ladder.LastSkip));
    case CodeRule::ListB:
      return step < static_cast<int>(kListBCodes.size())
                 ? kListBCodes[static_cast<std::size_t>(step)]
                 : static_cast<std::uint16_t>(step + kListBOffset);
  }
  return 0;
}

void ApplyFlag(Flag flag, bool& target) {
  if (flag != Flag::Keep) target = flag == Flag::Set;
}

int ClampStep(const DpiStepTables& tables, int step) {
  return std::clamp(step, 0, std::min(tables.DpiStepCount, kMaxDpiSteps) - 1);
}

}  // namespace

bool IsKnownSensor(std::uint16_t sensorId) { return FindLadder(sensorId) != nullptr; }

void BuildDpiStepTables(DpiStepTables& tables) {
  const SensorLadder* ladder = FindLadder(tables.SensorId);
  if (!ladder) return;
  tables.DpiStepCount = ladder->Steps;
  tables.DpiStepDisplay.fill(0);
  tables.DpiStepCode.fill(0);
  for (int k = 0; k < ladder->Steps; ++k) {
    const auto i = static_cast<std::size_t>(k);
    tables.DpiStepDisplay[i] =
        std::max(ladder->DisplayMin, ladder->DisplayBase + ladder->DisplayStride * k);
    tables.DpiStepCode[i] = CodeOf(*ladder, k);
  }
  ApplyFlag(ladder->SeparateXY, tables.SeparateXYDpi);
  ApplyFlag(ladder->ExtraPage, tables.ExtraPageVisible);
}

int DpiOfStep(const DpiStepTables& tables, int step) {
  if (tables.DpiStepCount <= 0) return 0;
  return tables.DpiStepDisplay[static_cast<std::size_t>(ClampStep(tables, step))] *
         kDpiPerDisplayUnit;
}

std::uint16_t DpiCodeOfStep(const DpiStepTables& tables, int step) {
  if (tables.DpiStepCount <= 0) return 0;
  return tables.DpiStepCode[static_cast<std::size_t>(ClampStep(tables, step))];
}

int StepOfDpi(std::span<const std::int32_t> display, int stepCount, long dpi) {
  stepCount = std::min(stepCount, static_cast<int>(display.size()));
  if (stepCount <= 0) return -1;
  int k = 0;
  while (k < stepCount - 1 &&
         static_cast<long>(display[static_cast<std::size_t>(k)]) * kDpiPerDisplayUnit < dpi)
    ++k;
  return k;
}

int StepOfDpi(const DpiStepTables& tables, int dpi) {
  return StepOfDpi(tables.DpiStepDisplay, tables.DpiStepCount, dpi);
}

int StepOfDpi(const DpiStepTables& tables, std::u16string_view text) {
  return StepOfDpi(tables.DpiStepDisplay, tables.DpiStepCount, ParseLong(text, 10));
}

std::uint8_t DpiLockCode(std::uint16_t sensorId, int item) {
  if (item < 1 || item > kDpiLockItemCount) return 0;
  const auto it = std::find_if(kDpiLockRows.begin(), kDpiLockRows.end(),
                               [&](const DpiLockRow& r) { return r.SensorId == sensorId; });
  const auto& codes = it == kDpiLockRows.end() ? kDpiLockDefault : it->Codes;
  return codes[static_cast<std::size_t>(item - 1)];
}

}  // namespace corvane
