// What each feature interface answers: command frames and their acknowledgement, the
// link state, the receiver's pairing request, and the cable mouse's firmware report.
#include <algorithm>

#include "device/sim/SimCommandTable.h"
#include "device/sim/SimDevice.h"
#include "device/sim/SimPairing.h"
#include "device/sim/SimStatusEvents.h"

namespace corvane {
namespace {

// Reply to a read of report 9: byte 1 non-zero = the last frame was taken.
struct SimAckReply {
  static constexpr std::size_t kAck = 1;
  static constexpr std::size_t kCommand = 2;
  static constexpr std::size_t kSequence = 3;
};

void CopyReply(std::span<std::uint8_t> to, std::span<const std::uint8_t> reply) {
  std::fill(to.begin(), to.end(), 0);
  std::copy_n(reply.begin(), std::min(to.size(), reply.size()), to.begin());
}

}  // namespace

bool SimDevice::Acknowledges(std::uint8_t command, std::uint8_t position) {
  const unsigned needed = std::max<unsigned>(state_.faults.ackAfterAttempts, 1);
  if (command == attemptCommand_ && position == attemptPosition_ && attempts_ > 0) {
    ++attempts_;
  } else {
    attemptCommand_ = command;
    attemptPosition_ = position;
    attempts_ = 1;
  }
  if (attempts_ < needed) return false;
  attempts_ = 0;
  return true;
}

namespace {

// Counts a fault's frame countdown down; true on the frame it names.
bool CountDown(std::uint32_t& frames) { return frames > 0 && --frames == 0; }

}  // namespace

bool SimDevice::FrameFaultRefuses(std::span<const std::uint8_t> frame) {
  SimFaults& f = state_.faults;
  const auto payload = frame.subspan(SimFrame::kPayload);
  RefusedPacket packet{frame[SimFrame::kCommand], frame[SimFrame::kPosition], {payload.begin(), payload.end()}};
  if (CountDown(f.noAckAtFrame)) refusedPacket_ = packet;
  if (CountDown(f.garbageRepliesFromFrame)) garbageReplies_ = true;
  if (CountDown(f.repliesLostFromFrame)) repliesLost_ = true;
  if (refusedPacket_ && !(*refusedPacket_ == packet)) refusedPacket_.reset();
  return refusedPacket_ || garbageReplies_ || repliesLost_;
}

bool SimDevice::TakeFrame(DeviceRole role, std::span<const std::uint8_t> frame) {
  AckState& ack = ack_[Index(role)];
  ack = {};
  if (state_.faults.rejectWrites || frame.size() != SimFrame::kSize) return false;
  ack.command = frame[SimFrame::kCommand];
  ack.sequence = frame[SimFrame::kSequence];
  // From here the write itself went through; whether the mouse took the frame shows only
  // in the acknowledgement.
  if (SimFrameChecksum(frame) != frame[SimFrame::kChecksum] || !Reachable(role) || state_.faults.noAck) return true;
  const SimCommand* cmd = FindSimCommand(ack.command);
  const std::uint8_t position = frame[SimFrame::kPosition];
  if (FrameFaultRefuses(frame)) return true;
  if (cmd == nullptr || (cmd->position != 0 && position != cmd->position)) return true;
  if (!Acknowledges(ack.command, position)) return true;
  if (cmd->apply(state_.mouse, position, frame.subspan(SimFrame::kPayload))) ack.ack = 1;
  return true;
}

bool SimDevice::SetFeature(DeviceRole role, std::span<const std::uint8_t> report) {
  bool ok = false;
  if (Present(role) && !report.empty()) {
    SimFaults& f = state_.faults;
    if (f.unplugAtFrame > 0 && --f.unplugAtFrame == 0) {
      Unplug(role);
    } else {
      switch (report[0]) {
        case kReportCommand:
          ok = TakeFrame(role, report);
          break;
        case kReportPairing:
          if (role == DeviceRole::Receiver) {
            SimLinkChange change = SimLinkChange::None;
            ok = TakePairingRequest(state_.receiver, report, f, change);
            if (ok) pairingWaitMs_ = 0;
            if (change == SimLinkChange::Down) EmitReceiverLink(false);
          }
          break;
        case kReportFirmware:
          if (role == DeviceRole::Wired && CountDown(f.fwSilentFromFrame)) fwSilent_ = true;
          if (role == DeviceRole::Wired && fwSilent_) {
            ok = true;
          } else if (role == DeviceRole::Wired) {
            const SimFirmware::Outcome o = firmware_.Take(state_.firmware, report, now_, f);
            ok = o.accepted;
            if (o.restart) {
              firmware_.Restart(state_.firmware, f);
              Unplug(DeviceRole::Wired);
              arrivals_.push_back({now_ + SimTimings::kRestartAbsentMs, DeviceRole::Wired});
            }
          }
          break;
        default:
          break;
      }
    }
  }
  Log(role, SimExchange::Kind::Set, report, ok);
  return ok;
}

bool SimDevice::GetFeature(DeviceRole role, std::span<std::uint8_t> report) {
  bool ok = false;
  if (Present(role) && !report.empty()) {
    switch (report[0]) {
      case kReportLinkState: {
        const bool link = role != DeviceRole::Receiver || state_.receiver.linked;
        CopyReply(report, BuildLinkStateReply(link, state_.faults.garbageReports));
        ok = true;
        break;
      }
      case kReportCommand: {
        if (repliesLost_) {
          now_ += SimTimings::kReplyTimeoutMs;
          break;
        }
        if (garbageReplies_) {
          for (std::uint8_t& b : report) {
            noise_ = noise_ * 1103515245u + 12345u;
            b = static_cast<std::uint8_t>(noise_ >> 16);
          }
          // Whatever the noise says, it is no report 9; byte 1 would read as a yes.
          report[0] = kReportCommand ^ 0x5A;
          if (report.size() > SimAckReply::kAck) report[SimAckReply::kAck] |= 1;
          ok = true;
          break;
        }
        const AckState& a = ack_[Index(role)];
        std::array<std::uint8_t, SimFrame::kSize> reply{};
        reply[0] = kReportCommand;
        reply[SimAckReply::kAck] = a.ack;
        reply[SimAckReply::kCommand] = a.command;
        reply[SimAckReply::kSequence] = a.sequence;
        CopyReply(report, reply);
        ok = true;
        break;
      }
      case kReportFirmware:
        if (role == DeviceRole::Wired && fwSilent_) {
          now_ += SimTimings::kReplyTimeoutMs;
          break;
        }
        ok = role == DeviceRole::Wired && firmware_.Reply(state_.firmware, report, now_, state_.faults);
        break;
      default:
        break;
    }
  }
  Log(role, SimExchange::Kind::Get, ok ? std::span<const std::uint8_t>(report) : report.first(std::min<std::size_t>(report.size(), 1)), ok);
  return ok;
}

}  // namespace corvane
