#pragma once
// Receiver pairing: the request (feature report 0xBC, receiver only, no answer read) and
// the pairing dialog's state, which waits up to 25 seconds, one tick a second, for the
// link to come up.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

#include "device/DeviceConstants.h"
#include "device/DeviceLink.h"
#include "lang/LanguageEntries.h"

namespace corvane {

struct PairingReport {
  static constexpr std::size_t kSize = 8;
  static constexpr std::size_t kReportIdOffset = 0;
  static constexpr std::size_t kRequestOffset = 1;
  static constexpr std::uint8_t kStartPairing = 3;

  std::array<std::uint8_t, kSize> bytes{};
};
static_assert(sizeof(PairingReport) == PairingReport::kSize);

// BC 03 00 00 00 00 00 00
PairingReport BuildPairingRequest();

// The main window's answer to the dialog's request (message 1174): the report goes to the
// receiver's command interface when its handle is open, and nowhere else. True when it
// was handed to the receiver.
bool SendPairingRequest(DeviceLink& link);

// The link flag of one report of the receiver's status stream (byte 1 of input report 7);
// none for any other report.
std::optional<bool> ReceiverLinkFlag(std::span<const std::uint8_t> report);

enum class PairingState : std::uint8_t { Idle = 0, Waiting = 1, Paired = 2, Failed = 3 };

struct PairingTexts {
  static constexpr int kStartButton = kTextPairingStart;
  static constexpr int kWaiting[3] = {kTextPairingPhase0, kTextPairingPhase0 + 1, kTextPairingPhase0 + 2};  // by PairingPhase
  static constexpr int kFailed = kTextPairingFailed;
  static constexpr int kPaired = kTextPairingSucceeded;
  static constexpr int kInitial = kTextPairingHint;
};

// What pressing the start button asks for.
struct PairingStart {
  bool sendRequest = false;  // message 1174 to the main window
  bool startTimer = false;   // timer 1, 1000 ms
};

// What one tick of timer 1 shows.
struct PairingTick {
  int statusText = 0;
  bool stopTimer = false;
};

class PairingSession {
 public:
  static constexpr int kWaitSeconds = 25;
  static constexpr std::uint32_t kTickMs = 1000;

  // waitSeconds: ticks without a link before the attempt fails on the next one.
  explicit PairingSession(int waitSeconds = kWaitSeconds) : waitSeconds_(waitSeconds) {}

  // The start button (or Space): from idle a request and the timer; from failed the
  // timer again without a new request; waiting or paired: nothing.
  PairingStart Start();
  // Timer 1: paired as soon as the link is up; failed once the seconds pass the wait;
  // otherwise the next phase of the waiting text.
  PairingTick Tick(bool linkUp);

  PairingState State() const { return state_; }
  int PairingSeconds() const { return seconds_; }
  int PairingPhase() const { return phase_; }
  int StatusText() const { return statusText_; }

 private:
  int waitSeconds_;
  PairingState state_ = PairingState::Idle;
  int seconds_ = 0;
  int phase_ = 0;
  int statusText_ = PairingTexts::kInitial;
};

}  // namespace corvane
