#pragma once
// The simulated mouse with its receiver, as the HID side sees them: which roles are on
// the bus, what each feature interface answers, what the devices send on their own, and
// virtual time for everything that takes a while (pairing, re-enumeration, erases).
// Not thread-safe: SimBackend serialises every call.
#include <cstdint>
#include <deque>
#include <optional>
#include <span>
#include <vector>

#include "device/sim/SimFirmware.h"
#include "device/sim/SimState.h"
#include "device/sim/SimTypes.h"

namespace corvane {

// One feature exchange as the device saw it, for tests and the simulator window.
struct SimExchange {
  enum class Kind : std::uint8_t { Set, Get };
  DeviceRole role = DeviceRole::Wired;
  Kind kind = Kind::Set;
  SimReport bytes;  // what was written, or what was returned (report id only when refused)
  bool ok = false;
};

class SimDevice {
 public:
  static constexpr std::size_t kExchangeLogLimit = 100000;

  explicit SimDevice(std::span<const DeviceRole> roles, SimState state = SimState{});

  // Feature reports of a role's feature interface; byte 0 is the report id.
  bool SetFeature(DeviceRole role, std::span<const std::uint8_t> report);
  bool GetFeature(DeviceRole role, std::span<std::uint8_t> report);

  bool Present(DeviceRole role) const { return present_[Index(role)]; }
  // Changes whenever the role leaves the bus, so handles opened before are dead.
  std::uint32_t Generation(DeviceRole role) const { return generation_[Index(role)]; }
  std::uint16_t Version(DeviceRole role) const;

  void AdvanceClock(std::uint32_t ms);
  std::uint64_t Now() const { return now_; }
  // Virtual time of the next thing the devices do on their own (a pairing attempt ends, a
  // restarted mouse comes back, an erase finishes); none while only someone acting on
  // them can change anything, so their clock may stand still.
  std::optional<std::uint64_t> NextScheduled() const;

  // What a user does to the devices.
  void PressDpiButton();
  void PressLightingButton();
  void PressButton(std::size_t profileButton);  // the program's button 0..6, as assigned
  void PressQuickLaunch(std::uint8_t request);  // a raw request n (target of button n-1)
  void SetBattery(std::uint8_t percent);
  void SetCharging(std::uint8_t chargeState);
  void SetSensorLetter(std::uint8_t letter);
  void SetMouseLinked(bool linked);  // the receiver's mouse switched on, off, out of range
  void Unplug(DeviceRole role);
  void Plug(DeviceRole role);
  void InjectInputReport(DeviceRole role, SimReport report);

  const SimState& State() const { return state_; }
  SimState& MutableState() { return state_; }
  SimFaults& Faults() { return state_.faults; }

  // Reports sent and arrivals and removals since the last call, in order.
  std::vector<SimEvent> TakeEvents();
  const std::deque<SimExchange>& Exchanges() const { return exchanges_; }
  void ClearExchanges() { exchanges_.clear(); }

 private:
  static std::size_t Index(DeviceRole role) { return static_cast<std::size_t>(role); }
  // The mouse answers commands through this role.
  bool Reachable(DeviceRole role) const;
  // The role the mouse sends its status through: cable, else Bluetooth, else a linked
  // receiver.
  std::optional<DeviceRole> StatusRoute() const;
  bool TakeFrame(DeviceRole role, std::span<const std::uint8_t> frame);
  bool Acknowledges(std::uint8_t command, std::uint8_t position);
  // Counts the frame down against the frame faults; true when the mouse takes nothing of it.
  bool FrameFaultRefuses(std::span<const std::uint8_t> frame);
  void EmitStatus(std::uint8_t quickLaunch = 0);
  void EmitReceiverLink(bool linked);
  void Emit(DeviceRole role, SimReport report);
  void Log(DeviceRole role, SimExchange::Kind kind, std::span<const std::uint8_t> bytes, bool ok);

  struct AckState {
    std::uint8_t ack = 0;
    std::uint8_t command = 0;
    std::uint8_t sequence = 0;
  };
  struct PendingArrival {
    std::uint64_t due;
    DeviceRole role;
  };

  SimState state_;
  SimFirmware firmware_;
  std::array<bool, kRoleCount> present_{};
  std::array<std::uint32_t, kRoleCount> generation_{};
  std::array<AckState, kRoleCount> ack_{};
  std::uint8_t attemptCommand_ = 0;
  std::uint8_t attemptPosition_ = 0;
  unsigned attempts_ = 0;
  // Frame faults under way (see SimFaults).
  // A retry of a packet carries the same command, position and payload; only its
  // sequence number and checksum differ.
  struct RefusedPacket {
    std::uint8_t command;
    std::uint8_t position;
    std::vector<std::uint8_t> payload;
    bool operator==(const RefusedPacket&) const = default;
  };
  std::optional<RefusedPacket> refusedPacket_;
  bool garbageReplies_ = false;
  bool repliesLost_ = false;
  bool fwSilent_ = false;
  std::uint64_t pairingWaitMs_ = 0;  // since the last pairing request
  std::vector<PendingArrival> arrivals_;
  std::uint64_t now_ = 0;
  std::uint32_t noise_ = 0x2545F491u;
  std::vector<SimEvent> events_;
  std::deque<SimExchange> exchanges_;
};

}  // namespace corvane
