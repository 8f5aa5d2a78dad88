#include "device/FirmwareUpdate.h"

#include <array>

#include "device/FirmwareSteps.h"
#include "device/FirmwareTexts.h"
#include "lang/LanguageEntries.h"

namespace corvane {
namespace {

constexpr std::array<FirmwareOutcomeInfo, 12> kOutcomes{{
    {FirmwareOutcome::WiredAbsent, "wired-absent", kTextWiredMouseNeeded, false},
    {FirmwareOutcome::ImageError, "image-error", 0, false},
    {FirmwareOutcome::NotSupported, "not-supported", kTextFwNotSupported, false},
    {FirmwareOutcome::UpToDate, "up-to-date", kTextFwUpToDate, true},
    {FirmwareOutcome::Updated, "updated", kTextFwUpToDate, true},
    {FirmwareOutcome::LoaderWriteFailed, "loader-write-failed", kTextFwLoaderWriteFailed, false},
    {FirmwareOutcome::LoaderVerifyFailed, "loader-verify-failed", kTextFwLoaderVerifyFailed, false},
    {FirmwareOutcome::ApplicationWriteFailed, "application-write-failed", kTextFwWriteFailed, false},
    {FirmwareOutcome::ApplicationTailFailed, "application-tail-failed", kTextFwTailWriteFailed, false},
    {FirmwareOutcome::ReadBackMismatch, "read-back-mismatch", kTextFwVerifyFailed, false},
    {FirmwareOutcome::ChecksumAfterRestartDiffers, "checksum-differs", kTextFwChecksumDiffers, false},
    // The cable was pulled: the message that asks for the cable.
    {FirmwareOutcome::DeviceGone, "device-gone", kTextWiredMouseNeeded, false},
}};

constexpr std::uint8_t kChecksumReadLength = 0x10;

}  // namespace

const FirmwareOutcomeInfo& OutcomeInfo(FirmwareOutcome outcome) {
  for (const auto& info : kOutcomes)
    if (info.outcome == outcome) return info;
  return kOutcomes[0];
}

void FirmwareObserver::ReconnectWired(DeviceLink& link) {
  link.ScanDevices();
  // The mouse came back on the same path perhaps, but as a new device: the old handle
  // is dead either way.
  if (link.Role(DeviceRole::Wired).Present) link.OpenFeatureInterface(DeviceRole::Wired);
}

FirmwareRun::FirmwareRun(DeviceLink& l, const LanguageTable& lang, const LoadedImages& img, FirmwareObserver& obs)
    : link(l), language(lang), images(img), observer(obs), channel(l) {
  imageChecksum = images.ApplicationHeader.CS();
  progressTotal = static_cast<int>(images.Application.size() / FirmwareFlash::kBlockSize) * 5;
}

void FirmwareRun::Status(int languageText) { observer.Status({language.Text(languageText), languageText, 0, 0}); }

void FirmwareRun::Counted(int languageText, int step, int steps) {
  observer.Status({CountedText(language.Text(languageText), step, steps), languageText, step, steps});
}

void FirmwareRun::Countdown(int languageText, int seconds) {
  observer.Status({CountdownText(language.Text(languageText), seconds), languageText, 0, 0});
}

void FirmwareRun::ShowProgress(bool capped) {
  observer.Progress({progressValue, progressTotal, ProgressText(progressValue, progressTotal, capped)});
}

FirmwareStepResult FirmwareRun::Stop(FirmwareOutcome outcome) {
  if (const int text = OutcomeInfo(outcome).languageText) {
    Status(text);
  } else {
    observer.Status({std::u16string(kAppFileErrorText), 0, 0, 0});
  }
  return outcome;
}

std::optional<std::uint32_t> QueryDeviceChecksum(DeviceLink& link) {
  FirmwareChannel channel(link);
  FirmwareReport reply;
  if (channel.Read(FirmwareFlash::kRunningHeader, kChecksumReadLength, reply) != FirmwareSend::Taken)
    return std::nullopt;
  return ChecksumOfReply(reply);
}

namespace {

FirmwareOutcome RunUpdate(FirmwareRun& run, std::optional<std::uint32_t>& deviceChecksum) {
  run.observer.Progress({0, run.progressTotal, InitialProgressText()});
  if (auto stop = RunLoaderStep(run)) return *stop;
  if (auto stop = WriteApplication(run)) return *stop;
  if (auto stop = VerifyApplication(run)) return *stop;
  if (auto stop = FinaliseApplication(run)) return *stop;
  return RestartAndCheck(run, deviceChecksum);
}

}  // namespace

FirmwareResult RunFirmwareCheck(DeviceLink& link, const LanguageTable& language, const LoadedImages& images,
                                FirmwareObserver& observer) {
  FirmwareRun run(link, language, images, observer);
  FirmwareResult result;
  auto finish = [&](FirmwareOutcome outcome) {
    result.outcome = outcome;
    result.progressValue = run.progressValue;
    result.progressTotal = run.progressTotal;
    result.updateSucceeded = run.updateSucceeded;
    return result;
  };

  if (!link.Role(DeviceRole::Wired).FeatureHandle) {
    run.Stop(FirmwareOutcome::WiredAbsent);
    return finish(FirmwareOutcome::WiredAbsent);
  }
  if (!images.CanUpdate()) {
    run.Stop(FirmwareOutcome::ImageError);
    return finish(FirmwareOutcome::ImageError);
  }
  if ((link.WiredVersion >> 8) != kSupportedWiredMajor) {
    observer.DeviceChecksum(u"");
    run.Stop(FirmwareOutcome::NotSupported);
    return finish(FirmwareOutcome::NotSupported);
  }

  FirmwareReport reply;
  const FirmwareSend query = run.channel.Read(FirmwareFlash::kRunningHeader, kChecksumReadLength, reply);
  if (query == FirmwareSend::Gone) {
    run.Stop(FirmwareOutcome::DeviceGone);
    return finish(FirmwareOutcome::DeviceGone);
  }
  if (query == FirmwareSend::Taken) result.deviceChecksum = ChecksumOfReply(reply);
  observer.DeviceChecksum(DeviceChecksumText(result.deviceChecksum.value_or(0)));
  if (result.deviceChecksum == run.imageChecksum) {
    run.Stop(FirmwareOutcome::UpToDate);
    return finish(FirmwareOutcome::UpToDate);
  }
  return finish(RunUpdate(run, result.deviceChecksum));
}

}  // namespace corvane
