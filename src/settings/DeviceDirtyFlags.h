#pragma once
// Which groups of the current profile the mouse must learn at the next upload. The
// window's handlers set them; the upload clears them.
namespace corvane {

struct DeviceDirtyFlags {
  int ButtonsDirty = 0;
  int PerformanceDirty = 0;   // DPI levels and colours, polling, lift-off, debounce, lighting
  int PowerDirty = 0;         // power-down and lighting-off times, move-lighting
  int MotionWakeupDirty = 0;  // stored in the profile only; no command carries it
  int SensorOptionsDirty = 0;
  int PointerSettingsDirty = 0;  // stored only; the upload still runs (macros are compared)

  void Clear() { *this = DeviceDirtyFlags{}; }
  bool Any() const {
    return ButtonsDirty || PerformanceDirty || PowerDirty || MotionWakeupDirty || SensorOptionsDirty ||
           PointerSettingsDirty;
  }
};

}  // namespace corvane
