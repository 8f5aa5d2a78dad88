#pragma once
// What the firmware update tells whoever shows it (the dialog's controls, or corvanectl's
// lines), and the one thing it asks of its host: to find the cable mouse again after the
// restart.
#include <string>

namespace corvane {

class DeviceLink;

// The progress bar and its text (control 3006).
struct FirmwareProgress {
  int value = 0;
  int total = 0;
  std::u16string text;
};

// The status text (control 3005). Counted texts ("%s(%d/%d)") also carry their step and
// number of steps; other texts have 0 for both.
struct FirmwareStatus {
  std::u16string text;
  int languageText = 0;
  int step = 0;
  int steps = 0;
};

class FirmwareObserver {
 public:
  virtual ~FirmwareObserver() = default;
  // The device-checksum text (control 3004); empty clears it.
  virtual void DeviceChecksum(const std::u16string& text) { (void)text; }
  virtual void Status(const FirmwareStatus& status) { (void)status; }
  virtual void Progress(const FirmwareProgress& progress) { (void)progress; }
  // Called after the restart countdown, before the final checksum query: the wired
  // handle must be the one of the mouse that came back. A window that rescans on its
  // device events during the pauses has nothing left to do; the default rescans and
  // reopens the wired command interface.
  virtual void ReconnectWired(DeviceLink& link);
};

}  // namespace corvane
