#pragma once
// Waiting for a pairing attempt without a window: one tick a second through the link's
// Pause, with the receiver's status stream read between ticks instead of by a reader
// thread (corvanectl, tests).
#include <functional>
#include <memory>

#include "device/DeviceLink.h"
#include "device/Pairing.h"

namespace corvane {

// Follows the receiver's link flag in its status stream. Open it before the request so
// that what the receiver reports in answer is not missed.
class ReceiverLinkWatch {
 public:
  explicit ReceiverLinkWatch(DeviceLink& link);
  // Takes every report waiting; LinkUp follows the last link flag. False once the
  // receiver's stream has gone (unplugged); without a stream to read there is nothing to
  // take and LinkUp stays as it is.
  bool Poll();

 private:
  // A receiver that never stops sending cannot keep one poll going for ever.
  static constexpr int kMaxReportsPerPoll = 4096;

  DeviceLink& link_;
  std::unique_ptr<HidHandle> input_;
  bool lost_ = false;
};

struct PairingAttempt {
  PairingState state = PairingState::Idle;
  bool requestSent = false;
  bool receiverGone = false;  // the receiver left during the wait; the attempt was given up
};

// Presses start (sending the request when the session asks for it) and ticks until the
// session is paired or failed; onTick sees every tick.
PairingAttempt RunPairingAttempt(DeviceLink& link, PairingSession& session, ReceiverLinkWatch& watch,
                                 const std::function<void(const PairingTick&)>& onTick);

}  // namespace corvane
