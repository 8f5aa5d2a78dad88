#include "device/PairingWait.h"

#include <algorithm>
#include <array>

#include "device/DeviceConstants.h"

namespace corvane {

ReceiverLinkWatch::ReceiverLinkWatch(DeviceLink& link) : link_(link) {
  const RoleLink& receiver = link.Role(DeviceRole::Receiver);
  if (receiver.Present && !receiver.InputInterfacePath.empty())
    input_ = link.Backend().Open(receiver.InputInterfacePath);
}

bool ReceiverLinkWatch::Poll() {
  if (!input_) return !lost_;
  std::array<std::uint8_t, kReportLength> report{};
  for (int i = 0; i < kMaxReportsPerPoll; ++i) {
    std::size_t n = 0;
    switch (input_->Read(report, 0, n)) {
      case HidReadResult::Ok:
        if (const auto flag = ReceiverLinkFlag(std::span(report).first(std::min(n, report.size()))))
          link_.LinkUp = *flag ? 1 : 0;
        break;
      case HidReadResult::Timeout:
        return true;
      case HidReadResult::Gone:
        input_.reset();
        lost_ = true;
        return false;
    }
  }
  return true;
}

PairingAttempt RunPairingAttempt(DeviceLink& link, PairingSession& session, ReceiverLinkWatch& watch,
                                 const std::function<void(const PairingTick&)>& onTick) {
  PairingAttempt attempt;
  const PairingStart start = session.Start();
  if (start.sendRequest) attempt.requestSent = SendPairingRequest(link);
  if (!start.startTimer) {
    attempt.state = session.State();
    return attempt;
  }
  for (;;) {
    link.GetPause().Sleep(PairingSession::kTickMs);
    if (!watch.Poll()) {
      attempt.receiverGone = true;
      break;
    }
    const PairingTick tick = session.Tick(link.LinkUp != 0);
    if (onTick) onTick(tick);
    if (tick.stopTimer) break;
  }
  attempt.state = session.State();
  return attempt;
}

}  // namespace corvane
