// The application: erased when the area is not blank, written in 128-byte blocks and a
// tail, then read back and checked against the carried checksum.
#include <algorithm>
#include <vector>

#include "device/FirmwareSteps.h"
#include "device/ImageChecksum.h"
#include "lang/LanguageEntries.h"

namespace corvane {
namespace {

using F = FirmwareFlash;

constexpr int kWriteProgress = 4;
constexpr int kReadProgress = 1;

// The image in transfer pieces: full blocks, then the tail (when the size is not a
// multiple of 128).
struct Piece {
  std::uint32_t offset;
  std::uint32_t length;
  bool tail;
};

std::vector<Piece> Pieces(std::size_t size) {
  std::vector<Piece> pieces;
  const auto full = static_cast<std::uint32_t>(size / F::kBlockSize);
  for (std::uint32_t b = 0; b < full; ++b) pieces.push_back({b * F::kBlockSize, F::kBlockSize, false});
  if (const auto rest = static_cast<std::uint32_t>(size % F::kBlockSize)) pieces.push_back({full * F::kBlockSize, rest, true});
  return pieces;
}

FirmwareStepResult EraseApplicationArea(FirmwareRun& run) {
  if (run.channel.Send(FirmwareOperation(FirmwareOp::FwEraseApplication)) == FirmwareSend::Gone)
    return FirmwareOutcome::DeviceGone;
  run.channel.Sleep(FirmwarePauses::kAfterApplicationEraseMs);
  return std::nullopt;
}

}  // namespace

FirmwareStepResult WriteApplication(FirmwareRun& run) {
  FirmwareReport reply;
  const FirmwareSend headRead = run.channel.Read(F::kApplicationStart, F::kBlockSize, reply);
  if (headRead == FirmwareSend::Gone) return run.Stop(FirmwareOutcome::DeviceGone);
  if (headRead == FirmwareSend::NoReply) return run.Stop(FirmwareOutcome::ApplicationWriteFailed);
  const auto head = reply.Data().first<4>();
  if (!std::all_of(head.begin(), head.end(), [](std::uint8_t b) { return b == 0xFF; })) {
    run.Status(kTextFwErasing);
    if (EraseApplicationArea(run)) return run.Stop(FirmwareOutcome::DeviceGone);
  }

  run.Status(kTextFwWriting);
  const auto image = run.images.Application;
  for (const Piece& p : Pieces(image.size())) {
    const auto data = image.subspan(p.offset, p.length);
    switch (run.channel.Write(FirmwareWriteRequest(F::kApplicationStart + p.offset, data))) {
      case FirmwareSend::Gone:
        return run.Stop(FirmwareOutcome::DeviceGone);
      case FirmwareSend::Rejected:
      case FirmwareSend::NoReply:  // only reads end that way
        return run.Stop(p.tail ? FirmwareOutcome::ApplicationTailFailed : FirmwareOutcome::ApplicationWriteFailed);
      case FirmwareSend::Taken:
        break;
    }
    run.progressValue += kWriteProgress;
    run.ShowProgress(false);
    run.channel.Sleep(FirmwarePauses::kAfterBlockMs);
  }
  return std::nullopt;
}

FirmwareStepResult VerifyApplication(FirmwareRun& run) {
  run.Status(kTextFwVerifying);
  const auto image = run.images.Application;
  std::vector<std::uint8_t> readBack(image.size(), 0);
  FirmwareReport reply;
  bool answered = true;
  for (const Piece& p : Pieces(image.size())) {
    const FirmwareSend read = run.channel.Read(F::kApplicationStart + p.offset, p.length, reply);
    if (read == FirmwareSend::Gone) return run.Stop(FirmwareOutcome::DeviceGone);
    // A mouse that stopped answering cannot show a good application: it counts as a
    // mismatch, without reading the rest.
    if (read == FirmwareSend::NoReply) {
      answered = false;
      break;
    }
    std::copy_n(reply.Data().begin(), p.length, readBack.begin() + p.offset);
    run.progressValue += kReadProgress;
    run.ShowProgress(true);
  }
  if (answered && ImageChecksum(readBack) == run.imageChecksum) return std::nullopt;
  // A half-good application must not be started: the area is erased again.
  run.Status(OutcomeInfo(FirmwareOutcome::ReadBackMismatch).languageText);
  if (EraseApplicationArea(run)) return run.Stop(FirmwareOutcome::DeviceGone);
  return FirmwareOutcome::ReadBackMismatch;
}

}  // namespace corvane
