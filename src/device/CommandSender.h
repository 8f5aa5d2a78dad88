#pragma once
// The upload's way to the transport: sends through SendFeatureCommand, records what the
// device did not take, and after the device has gone (or stopped answering) sends nothing
// more.
#include <cstdint>
#include <span>

#include "device/DeviceLink.h"
#include "device/FeatureCommand.h"
#include "device/UploadReport.h"

namespace corvane {

class CommandSender {
 public:
  CommandSender(DeviceLink& link, UploadReport& report) : link_(link), report_(report) {}

  // True when a feature interface is open to send to.
  bool HasInterface();
  // True when the device acknowledged the packet.
  bool Send(FeatureCommand command, std::uint8_t position, std::span<const std::uint8_t> payload);
  // The device went away or stopped answering: nothing more is sent.
  bool Gone() const { return report_.DeviceGone || report_.Unresponsive; }
  Pause& GetPause() { return link_.GetPause(); }
  UploadReport& Report() { return report_; }

 private:
  DeviceLink& link_;
  UploadReport& report_;
};

}  // namespace corvane
