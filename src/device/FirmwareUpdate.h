#pragma once
// The firmware update over the cable: the check that decides whether the mouse needs the
// carried application, and the update itself (loader when needed, application, read-back
// verification, finalisation, restart, final check). Every exchange is feature report
// 0xBF on the wired command interface; every pause goes through the link's Pause.
#include <cstdint>
#include <optional>
#include <string_view>

#include "device/DeviceLink.h"
#include "device/FirmwareImages.h"
#include "device/FirmwareObserver.h"
#include "lang/LanguageTable.h"

namespace corvane {

enum class FirmwareOutcome : std::uint8_t {
  WiredAbsent,        // no cable mouse: nothing sent
  ImageError,         // the carried application was refused when loading ("App File is Error!")
  NotSupported,       // WiredVersion's high byte is not 2: nothing sent
  UpToDate,           // the device already reports the carried checksum: nothing written
  Updated,            // restarted with the carried application
  LoaderWriteFailed,  // a loader block was refused four times; loader area partly written
  LoaderVerifyFailed,
  ApplicationWriteFailed,
  ApplicationTailFailed,
  ReadBackMismatch,             // the application area was erased again
  ChecksumAfterRestartDiffers,  // the device came back with other firmware (or not at all)
  DeviceGone,                   // the cable was pulled before the restart
};

struct FirmwareOutcomeInfo {
  FirmwareOutcome outcome;
  std::string_view name;  // as corvanectl reports it
  int languageText;       // the message shown last; 0 = kAppFileErrorText
  bool deviceHoldsImage;  // the mouse ends up with the carried application
};

const FirmwareOutcomeInfo& OutcomeInfo(FirmwareOutcome outcome);

struct FirmwareResult {
  FirmwareOutcome outcome = FirmwareOutcome::WiredAbsent;
  // The last checksum the mouse reported (none when it did not answer or was not asked).
  std::optional<std::uint32_t> deviceChecksum;
  int progressValue = 0;
  int progressTotal = 0;
  bool updateSucceeded = false;  // the application verified and finalisation began
};

constexpr std::uint8_t kSupportedWiredMajor = 2;

// The device's application checksum: the 16-byte header at 0x2B070, read as 16 bytes with
// 5 ms before and after the read. None when the device gave no reply.
std::optional<std::uint32_t> QueryDeviceChecksum(DeviceLink& link);

// What the dialog's timer does: refuse without a cable mouse, a usable image or a
// supported version; ask the device's checksum; run the update when it differs.
FirmwareResult RunFirmwareCheck(DeviceLink& link, const LanguageTable& language, const LoadedImages& images,
                                FirmwareObserver& observer);

}  // namespace corvane
