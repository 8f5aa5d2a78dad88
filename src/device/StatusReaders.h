#pragma once
// The status readers: one thread per present connection blocks on the connection's
// status interface and hands every status report, as raw bytes, to a queue that the
// owning thread drains and decodes. The threads touch nothing else: no profile, no
// configuration, no shadow, no link state.
#include <array>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "device/DeviceConstants.h"
#include "device/DeviceRole.h"

namespace corvane {

class HidBackend;
class HidHandle;
class DeviceLink;
struct ScanOutcome;

struct RawStatusReport {
  DeviceRole Role = DeviceRole::Wired;
  std::array<std::uint8_t, kReportLength> Bytes{};
  std::size_t Length = 0;
  // The reader of Role has ended (its device went away); no bytes.
  bool Ended = false;
  std::uint32_t Generation = 0;  // of the reader that sent it
};

// Thread-safe hand-over from the readers to the owning thread.
class StatusReportQueue {
 public:
  void Push(const RawStatusReport& report);
  std::vector<RawStatusReport> TakeAll();
  // Waits until something is queued or the timeout passes; true when something is.
  bool WaitFor(int timeoutMs);
  // Called on the reader's thread after each push (a GUI posts itself an event); it must
  // not touch the owner's state.
  void SetWakeUp(std::function<void()> wakeUp);

 private:
  std::mutex mutex_;
  std::condition_variable ready_;
  std::deque<RawStatusReport> items_;
  std::function<void()> wakeUp_;
};

class StatusReaders {
 public:
  // How long a read blocks before the reader looks again whether it is to stop. Stop()
  // closes the open handles, which ends a blocked read at once, so this only bounds a
  // missed wake-up; a long slice keeps an idle program from waking for nothing.
  static constexpr int kReadSliceMs = 5000;

  StatusReaders(HidBackend& backend, StatusReportQueue& queue) : backend_(backend), queue_(queue) {}
  ~StatusReaders() { Stop(); }
  StatusReaders(const StatusReaders&) = delete;
  StatusReaders& operator=(const StatusReaders&) = delete;

  // Starts the reader of a role on its recorded status interface, unless one is running
  // (the link's one-reader-per-role guard). Owning thread only.
  bool Start(DeviceLink& link, DeviceRole role);
  // The roles a scan found present.
  void StartAll(DeviceLink& link, const ScanOutcome& scan);
  // The owning thread takes note that a reader ended: it is joined, its guard released
  // and its status-interface path emptied. Stale notes of an earlier reader are ignored.
  void OnEnded(DeviceLink& link, const RawStatusReport& ended);
  // Asks every reader to end and waits for them.
  void Stop();
  bool Running(DeviceRole role) const;
  bool AnyRunning() const;

 private:
  struct Slot {
    std::thread thread;
    std::atomic<bool> stop{false};
    // The reader's open handle, for Stop() to close (which wakes its blocked read).
    std::mutex handleMutex;
    HidHandle* handle = nullptr;
    std::atomic<bool> finished{true};
    std::uint32_t generation = 0;
    bool claimed = false;  // holds the link's reader guard (owning thread only)
  };

  void Run(Slot& slot, DeviceRole role, std::string path, std::uint32_t generation);
  // Joins a reader that has finished and gives its guard back.
  void Reap(DeviceLink& link, DeviceRole role);

  HidBackend& backend_;
  StatusReportQueue& queue_;
  std::array<Slot, kRoleCount> slots_;
};

}  // namespace corvane
