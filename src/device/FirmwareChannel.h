#pragma once
// Report 0xBF exchanges with the cable mouse and the pauses that go with them. The wired
// handle is looked up for every exchange, so a handle the window reopened meanwhile is
// used. A failed exchange on an interface that is no longer enumerated means the cable
// was pulled.
#include <cstddef>
#include <cstdint>

#include "device/DeviceLink.h"
#include "device/FirmwareReport.h"

namespace corvane {

// NoReply: the cable mouse is still enumerated but has left kFirmwareReadAttempts reads
// in a row unanswered. Each such read can take the HID layer's whole timeout, so the
// update ends there rather than read on through thousands of blocks.
enum class FirmwareSend : std::uint8_t { Taken, Rejected, Gone, NoReply };

struct FirmwarePauses {
  static constexpr std::uint32_t kAroundReadMs = 5;
  static constexpr std::uint32_t kRetryMs = 100;
  static constexpr std::uint32_t kAfterFrameMs = 100;
  static constexpr std::uint32_t kAfterBlockMs = 40;
  static constexpr std::uint32_t kAfterSectorEraseMs = 200;
  static constexpr std::uint32_t kAfterApplicationEraseMs = 3000;
  static constexpr std::uint32_t kCountdownStepMs = 1000;
};
constexpr int kFirmwareWriteAttempts = 4;
constexpr int kFirmwareReadAttempts = 4;

class FirmwareChannel {
 public:
  explicit FirmwareChannel(DeviceLink& link) : link_(link) {}

  void Sleep(std::uint32_t ms) { link_.GetPause().Sleep(ms); }

  // One frame. Rejected when the device refused it (or there is no handle while the
  // interface is still there); Gone when the cable mouse has left.
  FirmwareSend Send(const FirmwareReport& report);
  // A block write: up to four attempts, 100 ms before each retry.
  FirmwareSend Write(const FirmwareReport& report);
  // Asks for count bytes at address and reads the reply into reply (5 ms before and
  // after the read). A read that fails leaves the data bytes zero, as the device's
  // answer is then unknown; the caller compares or checksums them like any other reply.
  // The read that makes kFirmwareReadAttempts unanswered in a row returns NoReply.
  FirmwareSend Read(std::uint32_t address, std::size_t count, FirmwareReport& reply);

 private:
  HidHandle* Handle();
  bool StillPresent();

  DeviceLink& link_;
  int unansweredReads_ = 0;  // in a row, since the last answered read
};

}  // namespace corvane
