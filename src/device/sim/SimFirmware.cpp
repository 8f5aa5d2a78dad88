#include "device/sim/SimFirmware.h"

#include <algorithm>
#include <array>

#include "device/DeviceConstants.h"
#include "device/FirmwareImages.h"
#include "device/ImageChecksum.h"

namespace corvane {
namespace {

using R = SimFirmwareReport;
using A = SimFlashAreas;

std::uint32_t LoadLe32(std::span<const std::uint8_t> p) {
  return std::uint32_t{p[0]} | (std::uint32_t{p[1]} << 8) | (std::uint32_t{p[2]} << 16) |
         (std::uint32_t{p[3]} << 24);
}

// The first bytes of the information area after the factory's own programming run.
constexpr std::array<std::uint8_t, 2> kFactoryInfo{0x5A, 0x01};
constexpr std::uint32_t kInfoBlock = 0x7E000;

struct Request {
  std::uint8_t writeCount;
  std::uint8_t readCount;
  std::uint32_t address;
  std::span<const std::uint8_t> report;
  std::span<const std::uint8_t> data;  // whatever the report carries from byte 8
};

}  // namespace

SimFirmwareState FactoryFirmware(bool loaderPresent) {
  // Built once: every fresh state starts from it and the state file is written against it.
  static const SimFirmwareState factory = [] {
    SimFirmwareState s;
    const auto loader = LoaderImage();
    s.flash.Replace(0, loader.first(std::min<std::size_t>(loader.size(), A::kLoaderEnd)));
    const auto old = SyntheticApplicationImage(kSimFactoryApplicationVersion);
    s.flash.Replace(A::kApplicationStart, old);
    s.applicationEnd = A::kApplicationStart + static_cast<std::uint32_t>(old.size());
    s.flash.Replace(A::kRunningHeader, std::span<const std::uint8_t>(old).first(ImageHeader::kSize));
    s.flash.Replace(kInfoBlock, kFactoryInfo);
    return s;
  }();
  SimFirmwareState s = factory;
  if (!loaderPresent) s.BlankLoader();
  return s;
}

bool SimFirmware::Write(SimFirmwareState& fw, std::uint32_t address, std::span<const std::uint8_t> data,
                        const SimFaults& faults) {
  if (!SimFlash::InRange(address, data.size()) || Protected(address, data.size())) return false;
  if (faults.fwRejectWrites != 0 && address >= faults.fwRejectFrom) {
    if (address != rejectedAddress_) {
      rejectedAddress_ = address;
      rejectedTimes_ = 0;
    }
    if (faults.fwRejectWrites < 0 || rejectedTimes_ < faults.fwRejectWrites) {
      ++rejectedTimes_;
      return false;
    }
    rejectedTimes_ = 0;
  }
  fw.flash.Program(address, data);
  const std::uint32_t end = address + static_cast<std::uint32_t>(data.size());
  if (address >= A::kApplicationStart && end <= A::kApplicationEnd) {
    fw.applicationEnd = std::max(fw.applicationEnd, end);
  }
  return true;
}

SimFirmware::Outcome SimFirmware::Take(SimFirmwareState& fw, std::span<const std::uint8_t> report,
                                       std::uint64_t now, const SimFaults& faults) {
  if (report.size() < R::kData || report[0] != kReportFirmware || now < busyUntil_) return {};
  Request q{report[R::kWriteCount], report[R::kReadCount],
            (std::uint32_t{report[R::kAddress]} << 16) | (std::uint32_t{report[R::kAddress + 1]} << 8) |
                report[R::kAddress + 2],
            report, report.subspan(R::kData)};
  if (q.writeCount > R::kMaxData || q.readCount > R::kMaxData) return {};

  switch (static_cast<SimFirmwareOp>(report[R::kOperation])) {
    case SimFirmwareOp::MemoryAccess: {
      if (q.writeCount > 0) {
        if (q.data.size() < q.writeCount || !Write(fw, q.address, q.data.first(q.writeCount), faults)) return {};
      }
      if (q.readCount > 0) {
        if (!SimFlash::InRange(q.address, q.readCount)) return {};
        readPending_ = true;
        readAddress_ = q.address;
        readCount_ = q.readCount;
      }
      return {true, false};
    }
    case SimFirmwareOp::EraseApplication:
      fw.flash.EraseRange(A::kApplicationStart, A::kApplicationEnd);
      fw.applicationEnd = A::kApplicationStart;
      busyUntil_ = now + SimTimings::kApplicationEraseBusyMs;
      return {true, false};
    case SimFirmwareOp::Restart:
      return {true, true};
    case SimFirmwareOp::EraseSector: {
      const std::uint32_t sector = SimFlash::SectorOf(q.address);
      if (q.address >= kSimFlashSize || Protected(sector, kSimSectorSize)) return {};
      fw.flash.EraseSector(sector);
      busyUntil_ = now + SimTimings::kSectorEraseBusyMs;
      return {true, false};
    }
    case SimFirmwareOp::WriteInfo: {
      const std::size_t length = report[R::kParam];
      if (length > R::kMaxData || q.data.size() < length) return {};
      if (q.address < A::kInfoStart || !SimFlash::InRange(q.address, length) ||
          q.address + length > A::kInfoEnd) {
        return {};
      }
      fw.flash.Replace(q.address, q.data.first(length));
      return {true, false};
    }
    case SimFirmwareOp::Unlock: {
      const auto code = report.subspan(R::kParam, kFirmwareUnlockCode.size());
      if (std::equal(code.begin(), code.end(), kFirmwareUnlockCode.begin())) {
        unlocked_ = true;
      } else if (std::all_of(code.begin(), code.end(), [](std::uint8_t b) { return b == 0; })) {
        unlocked_ = false;
      } else {
        return {};
      }
      return {true, false};
    }
  }
  return {};
}

bool SimFirmware::Reply(const SimFirmwareState& fw, std::span<std::uint8_t> report, std::uint64_t now,
                        const SimFaults& faults) const {
  if (report.size() < R::kData || !readPending_ || now < busyUntil_) return false;
  std::fill(report.begin(), report.end(), 0);
  report[0] = kReportFirmware;
  report[R::kReadCount] = readCount_;
  report[R::kAddress] = static_cast<std::uint8_t>(readAddress_ >> 16);
  report[R::kAddress + 1] = static_cast<std::uint8_t>(readAddress_ >> 8);
  report[R::kAddress + 2] = static_cast<std::uint8_t>(readAddress_);
  const std::size_t n = std::min<std::size_t>(readCount_, report.size() - R::kData);
  fw.flash.Read(readAddress_, report.subspan(R::kData, n));
  if (faults.fwCorruptReadBack && readAddress_ <= A::kCorruptedByte && A::kCorruptedByte < readAddress_ + n) {
    report[R::kData + (A::kCorruptedByte - readAddress_)] ^= 0x01;
  }
  return true;
}

bool SimFirmwareState::StagedImageValid() const {
  const std::uint32_t end = applicationEnd;
  if (end <= A::kApplicationStart + kImageChecksumStart || end > A::kApplicationEnd) return false;
  const auto image = flash.Range(A::kApplicationStart, end);
  return ImageChecksum(image) == LoadLe32(image);
}

void SimFirmware::Restart(SimFirmwareState& fw, const SimFaults& faults) {
  *this = SimFirmware{};
  if (faults.fwChecksumStuck || !fw.LoaderPresent() || !fw.StagedImageValid()) return;
  std::array<std::uint8_t, ImageHeader::kSize> header{};
  fw.flash.Read(A::kApplicationStart, header);
  fw.flash.Replace(A::kRunningHeader, header);
}

std::uint32_t SimFirmwareState::RunningChecksum() const {
  return LoadLe32(flash.Range(A::kRunningHeader, A::kRunningHeader + 4));
}

bool SimFirmwareState::LoaderPresent() const {
  const auto area = flash.Range(0, A::kLoaderEnd);
  const auto loader = LoaderImage();
  if (loader.empty()) return !flash.IsBlank(0, A::kLoaderEnd);
  const std::size_t n = std::min<std::size_t>(loader.size(), A::kLoaderEnd);
  return std::equal(loader.begin(), loader.begin() + static_cast<std::ptrdiff_t>(n), area.begin()) &&
         flash.IsBlank(static_cast<std::uint32_t>(n), A::kLoaderEnd);
}

void SimFirmwareState::InstallApplication(std::span<const std::uint8_t> image) {
  const std::size_t n = std::min<std::size_t>(image.size(), A::kApplicationEnd - A::kApplicationStart);
  flash.EraseRange(A::kApplicationStart, A::kApplicationEnd);
  flash.Replace(A::kApplicationStart, image.first(n));
  applicationEnd = A::kApplicationStart + static_cast<std::uint32_t>(n);
  if (n >= ImageHeader::kSize) flash.Replace(A::kRunningHeader, image.first(ImageHeader::kSize));
}

void SimFirmwareState::BlankLoader() { flash.EraseRange(0, A::kLoaderEnd); }

}  // namespace corvane
