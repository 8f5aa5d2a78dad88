#pragma once
// The one send-and-acknowledge path of command frames (feature report 9), the factory
// reset command and the link-state query (feature report 8). Every exchange goes to the
// first open feature interface in kDeviceHandleOrder; every pause goes through the
// link's Pause.
#include <cstdint>
#include <span>

#include "device/DeviceLink.h"
#include "device/FeatureCommand.h"
#include "device/LinkStateReport.h"

namespace corvane {

enum class SendResult : std::uint8_t {
  Acknowledged,
  // Four attempts went unanswered; the device dropped the frame.
  NotAcknowledged,
  // Four attempts and not one acknowledgement read came back, though the interface is
  // still there: the device has stopped answering (each such read can take the HID
  // layer's whole timeout, so a caller with more to send should stop).
  NoReply,
  // No feature interface is open: nothing was sent.
  NoDevice,
  // The interface vanished while the frame was under way (unplugged); the remaining
  // attempts were not made.
  DeviceGone,
};

// Sends one packet (payload of at most 27 bytes) and waits for the acknowledgement: up
// to four attempts, each a fresh frame with a new sequence number, a pause for the device
// (60 ms, 120 ms for macro data), a read of report 9 whose byte 1 is the answer, and
// 60 ms more when it was not answered. A reply under another report id is noise, not an
// answer.
SendResult SendFeatureCommand(DeviceLink& link, std::uint8_t command, std::uint8_t position,
                              std::span<const std::uint8_t> payload);
SendResult SendFeatureCommand(DeviceLink& link, FeatureCommand command, std::uint8_t position,
                              std::span<const std::uint8_t> payload);

// Command 0x0F with payload 0xFF: the device returns to its factory settings.
SendResult ResetDeviceToDefaults(DeviceLink& link);

// Reads report 8. A valid reply sets link.LinkUp to its flag; anything else (no open
// interface, a failed read, a wrong report id or signature) changes nothing.
LinkStateReply QueryLinkState(DeviceLink& link);

}  // namespace corvane
