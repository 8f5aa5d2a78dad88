#pragma once
// The parts of one firmware update and the state they share (the dialog's progress
// values and texts). Each step returns the outcome that ends the update, or nothing to
// go on.
#include <optional>

#include "device/FirmwareChannel.h"
#include "device/FirmwareUpdate.h"

namespace corvane {

using FirmwareStepResult = std::optional<FirmwareOutcome>;

struct FirmwareRun {
  FirmwareRun(DeviceLink& link, const LanguageTable& language, const LoadedImages& images,
              FirmwareObserver& observer);

  void Status(int languageText);
  void Counted(int languageText, int step, int steps);
  void Countdown(int languageText, int seconds);
  void ShowProgress(bool capped);
  // The end of the update: the message of the outcome's row in the table.
  FirmwareStepResult Stop(FirmwareOutcome outcome);

  DeviceLink& link;
  const LanguageTable& language;
  const LoadedImages& images;
  FirmwareObserver& observer;
  FirmwareChannel channel;
  std::uint32_t imageChecksum = 0;
  int progressValue = 0;
  int progressTotal = 0;
  bool updateSucceeded = false;
};

// Programs and verifies the loader when the device's loader window differs from the
// carried loader on three passes.
FirmwareStepResult RunLoaderStep(FirmwareRun& run);
// Erases a used application area, writes the application and its tail.
FirmwareStepResult WriteApplication(FirmwareRun& run);
// Reads the application back and compares its checksum; erases it again on a mismatch.
FirmwareStepResult VerifyApplication(FirmwareRun& run);
// The information-area frames that tell the loader a new application is in place.
FirmwareStepResult FinaliseApplication(FirmwareRun& run);
// Restarts the device, counts down while it re-enumerates, and asks its checksum again.
FirmwareOutcome RestartAndCheck(FirmwareRun& run, std::optional<std::uint32_t>& deviceChecksum);

}  // namespace corvane
