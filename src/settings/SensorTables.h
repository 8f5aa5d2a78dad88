#pragma once
// The sensor's resolution ladder: for the configured sensor model, how many DPI steps
// exist, the resolution of each (stored as DPI / 50) and the register code the mouse
// expects for it; plus the fixed codes of the DPI-lock button assignment.
#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace corvane {

// Room for the longest ladder (0x3950: 600 steps).
constexpr int kMaxDpiSteps = 600;
// Every resolution is this many DPI times the display value of its step.
constexpr int kDpiPerDisplayUnit = 50;
constexpr std::uint16_t kDefaultSensorId = 0x3311;

struct DpiStepTables {
  std::uint16_t SensorId = kDefaultSensorId;
  // Until a known sensor has been built there is no ladder at all.
  int DpiStepCount = 0;
  std::array<std::int32_t, kMaxDpiSteps> DpiStepDisplay{};
  std::array<std::uint16_t, kMaxDpiSteps> DpiStepCode{};
  bool SeparateXYDpi = false;     // the DPI dialog offers separate X and Y values
  bool ExtraPageVisible = false;  // the main window shows its lift-off distance section
};

bool IsKnownSensor(std::uint16_t sensorId);

// Rebuilds the ladder for tables.SensorId. An unknown model changes nothing, so the
// previous ladder stays in force and stored step indices keep their meaning.
void BuildDpiStepTables(DpiStepTables& tables);

// Resolution of step k in DPI. A step outside the ladder (a profile written for a
// sensor with a longer ladder) reads as the nearest end of it; no ladder reads 0.
int DpiOfStep(const DpiStepTables& tables, int step);
// Device code of step k, with the same treatment of steps outside the ladder.
std::uint16_t DpiCodeOfStep(const DpiStepTables& tables, int step);

// The first step whose resolution is at least dpi, else the last step; 0 with a single
// step and -1 without a ladder.
int StepOfDpi(std::span<const std::int32_t> display, int stepCount, long dpi);
int StepOfDpi(const DpiStepTables& tables, int dpi);
// The same for typed text, read as a decimal number like the DPI edit boxes do.
int StepOfDpi(const DpiStepTables& tables, std::u16string_view text);

// The DPI-lock menu's items 1..11 stand for 200..1200 DPI by 100.
constexpr int kDpiLockItemCount = 11;
constexpr int DpiLockItemDpi(int item) { return 100 + 100 * item; }
// nn of the button value 50 nn 00 for a DPI-lock item of the given sensor; 0 for an
// item outside 1..11.
std::uint8_t DpiLockCode(std::uint16_t sensorId, int item);
inline std::uint8_t DpiLockCode(const DpiStepTables& tables, int item) {
  return DpiLockCode(tables.SensorId, item);
}

}  // namespace corvane
