// The loader step: the device keeps its loader unless the window 0x10000..0x10FFF differs
// from the carried loader on three passes in a row; then the loader area is unlocked,
// erased sector by sector, written block by block, locked and verified.
#include <algorithm>

#include "device/DeviceConstants.h"
#include "device/FirmwareSteps.h"
#include "lang/LanguageEntries.h"

namespace corvane {
namespace {

using F = FirmwareFlash;

constexpr int kLoaderSteps = F::kLoaderSectors + F::kLoaderBlocks;  // 1419 in the status text
constexpr int kProbePasses = 3;

enum class Probe { Same, Differs, Gone, NoReply };

std::span<const std::uint8_t> LoaderBlock(const FirmwareRun& run, std::uint32_t address) {
  return run.images.Loader.subspan(address, F::kBlockSize);
}

bool Matches(const FirmwareReport& reply, std::span<const std::uint8_t> expected) {
  const auto data = reply.Data();
  return std::equal(expected.begin(), expected.end(), data.begin());
}

// One pass over the probe window; it ends at the first difference.
Probe ProbeLoader(FirmwareRun& run) {
  FirmwareReport reply;
  for (std::uint32_t a = F::kLoaderProbeStart; a < F::kLoaderProbeEnd; a += F::kBlockSize) {
    switch (run.channel.Read(a, F::kBlockSize, reply)) {
      case FirmwareSend::Gone:
        return Probe::Gone;
      case FirmwareSend::NoReply:
        return Probe::NoReply;
      case FirmwareSend::Taken:
      case FirmwareSend::Rejected:
        break;
    }
    if (!Matches(reply, LoaderBlock(run, a))) return Probe::Differs;
  }
  return Probe::Same;
}

FirmwareStepResult EraseLoaderArea(FirmwareRun& run) {
  for (std::uint32_t s = 0; s < F::kLoaderSectors; ++s) {
    if (run.channel.Send(FirmwareOperation(FirmwareOp::FwEraseSector, s * F::kSectorSize)) == FirmwareSend::Gone)
      return run.Stop(FirmwareOutcome::DeviceGone);
    run.channel.Sleep(FirmwarePauses::kAfterSectorEraseMs);
    run.Counted(kTextFwLoaderProgress, static_cast<int>(s) + 1, kLoaderSteps);
  }
  return std::nullopt;
}

FirmwareStepResult WriteLoader(FirmwareRun& run) {
  for (std::uint32_t b = 0; b < F::kLoaderBlocks; ++b) {
    const std::uint32_t a = b * F::kBlockSize;
    switch (run.channel.Write(FirmwareWriteRequest(a, LoaderBlock(run, a)))) {
      case FirmwareSend::Gone:
        return run.Stop(FirmwareOutcome::DeviceGone);
      case FirmwareSend::Rejected:
      case FirmwareSend::NoReply:  // only reads end that way
        return run.Stop(FirmwareOutcome::LoaderWriteFailed);
      case FirmwareSend::Taken:
        break;
    }
    run.Counted(kTextFwLoaderProgress, static_cast<int>(F::kLoaderSectors + b) + 1, kLoaderSteps);
    run.channel.Sleep(FirmwarePauses::kAfterBlockMs);
  }
  return std::nullopt;
}

FirmwareStepResult VerifyLoader(FirmwareRun& run) {
  FirmwareReport reply;
  for (std::uint32_t b = 0; b < F::kLoaderBlocks; ++b) {
    const std::uint32_t a = b * F::kBlockSize;
    const FirmwareSend read = run.channel.Read(a, F::kBlockSize, reply);
    if (read == FirmwareSend::Gone) return run.Stop(FirmwareOutcome::DeviceGone);
    if (read == FirmwareSend::NoReply) return run.Stop(FirmwareOutcome::LoaderVerifyFailed);
    run.Counted(kTextFwLoaderVerify, static_cast<int>(b) + 1, static_cast<int>(F::kLoaderBlocks));
    if (!Matches(reply, LoaderBlock(run, a))) return run.Stop(FirmwareOutcome::LoaderVerifyFailed);
  }
  return std::nullopt;
}

FirmwareStepResult SendLockFrame(FirmwareRun& run, std::span<const std::uint8_t, 4> code) {
  if (run.channel.Send(FirmwareUnlockRequest(code)) == FirmwareSend::Gone)
    return run.Stop(FirmwareOutcome::DeviceGone);
  run.channel.Sleep(FirmwarePauses::kAfterFrameMs);
  return std::nullopt;
}

}  // namespace

FirmwareStepResult RunLoaderStep(FirmwareRun& run) {
  // Without a loader image covering the whole loader area there is nothing to compare
  // with or to write; the device keeps its loader.
  if (!run.images.CanProgramLoader()) return std::nullopt;

  int differing = 0;
  for (int pass = 0; pass < kProbePasses; ++pass) {
    if (pass > 0 && differing == 0) break;
    const Probe p = ProbeLoader(run);
    if (p == Probe::Gone) return run.Stop(FirmwareOutcome::DeviceGone);
    // A mouse that stopped answering has not shown its loader: it is left alone.
    if (p == Probe::NoReply) return run.Stop(FirmwareOutcome::LoaderVerifyFailed);
    if (p == Probe::Differs) ++differing;
  }
  if (differing < kProbePasses) return std::nullopt;

  static constexpr std::array<std::uint8_t, 4> kLock{};
  if (auto stop = SendLockFrame(run, kFirmwareUnlockCode)) return stop;
  if (auto stop = EraseLoaderArea(run)) return stop;
  // The erased window is read once more; the result decides nothing, but the exchange
  // stays part of the sequence the device sees.
  const Probe erased = ProbeLoader(run);
  if (erased == Probe::Gone) return run.Stop(FirmwareOutcome::DeviceGone);
  if (erased == Probe::NoReply) return run.Stop(FirmwareOutcome::LoaderWriteFailed);
  if (auto stop = WriteLoader(run)) return stop;
  if (auto stop = SendLockFrame(run, kLock)) return stop;
  return VerifyLoader(run);
}

}  // namespace corvane
