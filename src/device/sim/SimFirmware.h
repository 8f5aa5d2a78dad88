#pragma once
// The cable mouse's side of the firmware report 0xBF: flash reads and writes, the
// erases, the information-area write, the loader lock, and the restart that installs a
// staged application.
//
// Flash map: the loader at 0x00000..0x2AFFF (writes and erases there need the unlock
// code), the header of the running application at 0x2B070, the application staged by an
// update at 0x52000, the information area at 0x7C000..0x7FFFF.
#include <array>
#include <cstdint>
#include <span>

#include "device/sim/SimFaults.h"
#include "device/sim/SimFlash.h"

namespace corvane {

// Report 0xBF on the wire.
struct SimFirmwareReport {
  static constexpr std::size_t kSize = 136;
  static constexpr std::size_t kWriteCount = 1;
  static constexpr std::size_t kReadCount = 2;
  static constexpr std::size_t kOperation = 3;
  static constexpr std::size_t kParam = 4;    // info-write length; first unlock-code byte
  static constexpr std::size_t kAddress = 5;  // 3 bytes, most significant first
  static constexpr std::size_t kData = 8;
  static constexpr std::size_t kMaxData = 128;
};
static_assert(SimFirmwareReport::kData + SimFirmwareReport::kMaxData == SimFirmwareReport::kSize);

enum class SimFirmwareOp : std::uint8_t {
  MemoryAccess = 0,
  EraseApplication = 1,
  Restart = 2,
  EraseSector = 3,
  WriteInfo = 4,
  Unlock = 5,
};

struct SimFlashAreas {
  static constexpr std::uint32_t kLoaderEnd = 0x2B000;
  static constexpr std::uint32_t kRunningHeader = 0x2B070;
  static constexpr std::uint32_t kApplicationStart = 0x52000;
  static constexpr std::uint32_t kApplicationEnd = 0x79000;  // room for the largest image
  static constexpr std::uint32_t kInfoStart = 0x7C000;
  static constexpr std::uint32_t kInfoEnd = 0x80000;
  // The byte a corrupted read-back alters (past the blank check of the first four).
  static constexpr std::uint32_t kCorruptedByte = kApplicationStart + 0x40;
};

// What the firmware keeps across power cycles.
struct SimFirmwareState {
  SimFlash flash;
  // End of what was programmed into the application area since it was last erased; the
  // loader checks the staged image up to here.
  std::uint32_t applicationEnd = SimFlashAreas::kApplicationStart;

  std::uint32_t RunningChecksum() const;
  // The loader area holds the carried loader.
  bool LoaderPresent() const;
  // The staged application's checksum matches its header.
  bool StagedImageValid() const;
  // Direct set-up for tests and the simulator window: an application staged and running,
  // or an erased loader area.
  void InstallApplication(std::span<const std::uint8_t> image);
  void BlankLoader();

  bool operator==(const SimFirmwareState&) const = default;
};

// Older application the mouse leaves the factory with (it differs from the carried one).
constexpr std::uint16_t kSimFactoryApplicationVersion = 0x0200;

// The factory flash: the carried loader (or a blank loader area), an older application
// staged and running, and a used information area.
SimFirmwareState FactoryFirmware(bool loaderPresent = true);

// The firmware's working state during one power cycle (lock, erase in progress, the
// pending read); the flash itself is the SimFirmwareState it works on.
class SimFirmware {
 public:
  struct Outcome {
    bool accepted = false;
    bool restart = false;  // the device leaves the bus and comes back
  };

  // A report 0xBF written to the device at virtual time now.
  Outcome Take(SimFirmwareState& fw, std::span<const std::uint8_t> report, std::uint64_t now,
               const SimFaults& faults);
  // A report 0xBF read from the device: the data of the last read request.
  bool Reply(const SimFirmwareState& fw, std::span<std::uint8_t> report, std::uint64_t now,
             const SimFaults& faults) const;
  // The restart: the loader installs a staged application whose checksum is right, and
  // the working state starts afresh.
  void Restart(SimFirmwareState& fw, const SimFaults& faults);
  // Virtual time an erase keeps the flash busy until (0 or past: not busy).
  std::uint64_t BusyUntil() const { return busyUntil_; }

 private:
  bool Write(SimFirmwareState& fw, std::uint32_t address, std::span<const std::uint8_t> data,
             const SimFaults& faults);
  bool Protected(std::uint32_t address, std::size_t length) const {
    return !unlocked_ && address < SimFlashAreas::kLoaderEnd && length > 0;
  }

  bool unlocked_ = false;
  std::uint64_t busyUntil_ = 0;
  bool readPending_ = false;
  std::uint32_t readAddress_ = 0;
  std::uint8_t readCount_ = 0;
  // Consecutive refusals of the same block (fault fwRejectWrites).
  std::uint32_t rejectedAddress_ = 0;
  int rejectedTimes_ = 0;
};

}  // namespace corvane
