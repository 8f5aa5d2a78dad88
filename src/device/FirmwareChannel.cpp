#include "device/FirmwareChannel.h"

#include <algorithm>

namespace corvane {

HidHandle* FirmwareChannel::Handle() { return link_.Role(DeviceRole::Wired).FeatureHandle.get(); }

bool FirmwareChannel::StillPresent() {
  const RoleLink& wired = link_.Role(DeviceRole::Wired);
  // Without a handle the window's scan found the role gone.
  if (!wired.FeatureHandle) return false;
  return link_.InterfaceStillPresent(wired.FeatureHandlePath);
}

FirmwareSend FirmwareChannel::Send(const FirmwareReport& report) {
  HidHandle* handle = Handle();
  if (handle && handle->SetFeature(report.bytes)) return FirmwareSend::Taken;
  return StillPresent() ? FirmwareSend::Rejected : FirmwareSend::Gone;
}

FirmwareSend FirmwareChannel::Write(const FirmwareReport& report) {
  FirmwareSend result = FirmwareSend::Rejected;
  for (int attempt = 0; attempt < kFirmwareWriteAttempts; ++attempt) {
    if (attempt > 0) Sleep(FirmwarePauses::kRetryMs);
    result = Send(report);
    if (result != FirmwareSend::Rejected) return result;
  }
  return result;
}

FirmwareSend FirmwareChannel::Read(std::uint32_t address, std::size_t count, FirmwareReport& reply) {
  reply = FirmwareReadRequest(address, count);
  // The request's own result is not examined: what the read returns decides.
  if (Send(reply) == FirmwareSend::Gone) return FirmwareSend::Gone;
  Sleep(FirmwarePauses::kAroundReadMs);
  HidHandle* handle = Handle();
  const bool read = handle && handle->GetFeature(reply.bytes);
  if (!read) {
    auto data = reply.Data();
    std::fill(data.begin(), data.end(), std::uint8_t{0});
    if (!StillPresent()) return FirmwareSend::Gone;
    if (++unansweredReads_ >= kFirmwareReadAttempts) return FirmwareSend::NoReply;
  } else {
    unansweredReads_ = 0;
  }
  Sleep(FirmwarePauses::kAroundReadMs);
  return read ? FirmwareSend::Taken : FirmwareSend::Rejected;
}

}  // namespace corvane
