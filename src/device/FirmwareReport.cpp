#include "device/FirmwareReport.h"

#include <algorithm>

namespace corvane {
namespace {

using R = FirmwareReport;

FirmwareReport Header(FirmwareOp op, std::uint32_t address) {
  FirmwareReport r;
  r.bytes[R::kReportIdOffset] = kReportFirmware;
  r.bytes[R::kOperationOffset] = static_cast<std::uint8_t>(op);
  r.SetAddress(address);
  return r;
}

}  // namespace

std::uint32_t FirmwareReport::Address() const {
  return (std::uint32_t{bytes[kAddressOffset]} << 16) | (std::uint32_t{bytes[kAddressOffset + 1]} << 8) |
         bytes[kAddressOffset + 2];
}

void FirmwareReport::SetAddress(std::uint32_t address) {
  bytes[kAddressOffset] = static_cast<std::uint8_t>(address >> 16);
  bytes[kAddressOffset + 1] = static_cast<std::uint8_t>(address >> 8);
  bytes[kAddressOffset + 2] = static_cast<std::uint8_t>(address);
}

FirmwareReport FirmwareReadRequest(std::uint32_t address, std::size_t count) {
  FirmwareReport r = Header(FirmwareOp::FwMemoryAccess, address);
  r.bytes[R::kReadCountOffset] = static_cast<std::uint8_t>(std::min(count, R::kMaxData));
  return r;
}

FirmwareReport FirmwareWriteRequest(std::uint32_t address, std::span<const std::uint8_t> data) {
  FirmwareReport r = Header(FirmwareOp::FwMemoryAccess, address);
  const std::size_t n = std::min(data.size(), R::kMaxData);
  r.bytes[R::kWriteCountOffset] = static_cast<std::uint8_t>(n);
  std::copy_n(data.begin(), n, r.Data().begin());
  return r;
}

FirmwareReport FirmwareOperation(FirmwareOp op, std::uint32_t address) { return Header(op, address); }

FirmwareReport FirmwareUnlockRequest(std::span<const std::uint8_t, 4> code) {
  FirmwareReport r = Header(FirmwareOp::FwUnlock, 0);
  std::copy(code.begin(), code.end(), r.bytes.begin() + R::kParamOffset);
  return r;
}

void MakeInfoWrite(FirmwareReport& report, std::uint32_t address, std::uint8_t length) {
  report.bytes[R::kReportIdOffset] = kReportFirmware;
  report.bytes[R::kWriteCountOffset] = 0;
  report.bytes[R::kReadCountOffset] = 0;
  report.bytes[R::kOperationOffset] = static_cast<std::uint8_t>(FirmwareOp::FwWriteInfo);
  report.bytes[R::kParamOffset] = length;
  report.SetAddress(address);
}

std::uint32_t ChecksumOfReply(const FirmwareReport& reply) {
  const auto d = reply.Data();
  return std::uint32_t{d[0]} | (std::uint32_t{d[1]} << 8) | (std::uint32_t{d[2]} << 16) |
         (std::uint32_t{d[3]} << 24);
}

}  // namespace corvane
