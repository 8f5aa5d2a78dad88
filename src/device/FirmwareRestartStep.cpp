// After a verified application: the information-area frames the loader looks at, the
// restart, the countdown while the mouse leaves and re-enters the bus, and the final
// checksum query.
#include <algorithm>

#include "device/FirmwareSteps.h"
#include "device/FirmwareTexts.h"
#include "lang/LanguageEntries.h"

namespace corvane {
namespace {

using F = FirmwareFlash;

constexpr std::uint8_t kInfoBlockLength = 0x80;
constexpr std::uint8_t kInfoTailLength = 0x24;
// The byte of the information block the update counts up (data byte 1).
constexpr std::size_t kInfoCounterByte = 1;

// The restart countdown: each text is shown with the seconds from `from` down to 1, one
// second apiece.
struct CountdownStage {
  int languageText;
  int from;
};
constexpr CountdownStage kCountdown[] = {{kTextFwRestarting, 3}, {kTextFwReconnecting, 3}, {kTextFwWaiting, 20}};

FirmwareSend SendAndWait(FirmwareRun& run, const FirmwareReport& report) {
  const FirmwareSend sent = run.channel.Send(report);
  if (sent != FirmwareSend::Gone) run.channel.Sleep(FirmwarePauses::kAfterFrameMs);
  return sent;
}

}  // namespace

FirmwareStepResult FinaliseApplication(FirmwareRun& run) {
  run.updateSucceeded = true;
  if (SendAndWait(run, FirmwareOperation(FirmwareOp::FwEraseSector, F::kInfoSectors[0])) == FirmwareSend::Gone)
    return run.Stop(FirmwareOutcome::DeviceGone);

  // The information block is read, its counter raised by one, and written back whole.
  FirmwareReport info;
  const FirmwareSend infoRead = run.channel.Read(F::kInfoBlock, F::kBlockSize, info);
  if (infoRead == FirmwareSend::Gone) return run.Stop(FirmwareOutcome::DeviceGone);
  if (infoRead == FirmwareSend::NoReply) return run.Stop(FirmwareOutcome::ApplicationWriteFailed);
  ++info.Data()[kInfoCounterByte];
  MakeInfoWrite(info, F::kInfoBlock, kInfoBlockLength);
  if (SendAndWait(run, info) == FirmwareSend::Gone) return run.Stop(FirmwareOutcome::DeviceGone);

  for (const std::uint32_t sector : {F::kInfoSectors[1], F::kInfoSectors[2]}) {
    if (SendAndWait(run, FirmwareOperation(FirmwareOp::FwEraseSector, sector)) == FirmwareSend::Gone)
      return run.Stop(FirmwareOutcome::DeviceGone);
  }

  FirmwareReport blank;
  std::fill(blank.bytes.begin(), blank.bytes.end(), std::uint8_t{0xFF});
  MakeInfoWrite(blank, F::kInfoTail, kInfoTailLength);
  if (SendAndWait(run, blank) == FirmwareSend::Gone) return run.Stop(FirmwareOutcome::DeviceGone);
  return std::nullopt;
}

FirmwareOutcome RestartAndCheck(FirmwareRun& run, std::optional<std::uint32_t>& deviceChecksum) {
  run.Countdown(kCountdown[0].languageText, kCountdown[0].from);
  // Set before the frame: the mouse may drop off the bus while the frame is still being
  // taken, and that disappearance must not end the program.
  run.link.ExpectReenumeration = 1;
  // The device leaves at once, so the frame may well be reported as failed.
  run.channel.Send(FirmwareOperation(FirmwareOp::FwRestart));
  bool first = true;
  for (const CountdownStage& stage : kCountdown) {
    for (int s = stage.from; s >= 1; --s) {
      if (!first) run.Countdown(stage.languageText, s);
      first = false;
      run.channel.Sleep(FirmwarePauses::kCountdownStepMs);
    }
  }

  run.observer.ReconnectWired(run.link);
  deviceChecksum = QueryDeviceChecksum(run.link);
  run.observer.DeviceChecksum(DeviceChecksumText(deviceChecksum.value_or(0)));
  const FirmwareOutcome outcome =
      deviceChecksum == run.imageChecksum ? FirmwareOutcome::Updated : FirmwareOutcome::ChecksumAfterRestartDiffers;
  run.Stop(outcome);
  return outcome;
}

}  // namespace corvane
