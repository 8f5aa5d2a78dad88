#include "device/StatusReaders.h"

#include <algorithm>

#include "device/DeviceLink.h"
#include "device/HidBackend.h"

namespace corvane {

void StatusReportQueue::Push(const RawStatusReport& report) {
  std::function<void()> wakeUp;
  {
    const std::lock_guard lock(mutex_);
    items_.push_back(report);
    wakeUp = wakeUp_;
  }
  ready_.notify_all();
  if (wakeUp) wakeUp();
}

std::vector<RawStatusReport> StatusReportQueue::TakeAll() {
  const std::lock_guard lock(mutex_);
  std::vector<RawStatusReport> out(items_.begin(), items_.end());
  items_.clear();
  return out;
}

bool StatusReportQueue::WaitFor(int timeoutMs) {
  std::unique_lock lock(mutex_);
  return ready_.wait_for(lock, std::chrono::milliseconds(std::max(0, timeoutMs)), [&] { return !items_.empty(); });
}

void StatusReportQueue::SetWakeUp(std::function<void()> wakeUp) {
  const std::lock_guard lock(mutex_);
  wakeUp_ = std::move(wakeUp);
}

bool StatusReaders::Start(DeviceLink& link, DeviceRole role) {
  Slot& s = slots_[static_cast<std::size_t>(role)];
  if (s.claimed && s.finished) Reap(link, role);
  const std::string path = link.Role(role).InputInterfacePath;
  if (path.empty() || !link.TryClaimReader(role)) return false;
  if (s.thread.joinable()) s.thread.join();
  s.claimed = true;
  s.stop = false;
  s.finished = false;
  ++s.generation;
  s.thread = std::thread(&StatusReaders::Run, this, std::ref(s), role, path, s.generation);
  return true;
}

void StatusReaders::StartAll(DeviceLink& link, const ScanOutcome& scan) {
  for (const auto& info : kDeviceRoles)
    if (scan.StartReader[static_cast<std::size_t>(info.role)]) Start(link, info.role);
}

void StatusReaders::Reap(DeviceLink& link, DeviceRole role) {
  Slot& s = slots_[static_cast<std::size_t>(role)];
  if (s.thread.joinable()) s.thread.join();
  if (s.claimed) link.ReleaseReader(role);
  s.claimed = false;
}

void StatusReaders::OnEnded(DeviceLink& link, const RawStatusReport& ended) {
  Slot& s = slots_[static_cast<std::size_t>(ended.Role)];
  if (!ended.Ended || !s.claimed || ended.Generation != s.generation) return;
  Reap(link, ended.Role);
  link.Role(ended.Role).InputInterfacePath.clear();
}

void StatusReaders::Stop() {
  for (Slot& s : slots_) {
    s.stop = true;
    std::lock_guard lock(s.handleMutex);
    if (s.handle) s.handle->Close();
  }
  for (Slot& s : slots_)
    if (s.thread.joinable()) s.thread.join();
}

bool StatusReaders::Running(DeviceRole role) const { return !slots_[static_cast<std::size_t>(role)].finished; }

bool StatusReaders::AnyRunning() const {
  return std::any_of(slots_.begin(), slots_.end(), [](const Slot& s) { return !s.finished; });
}

void StatusReaders::Run(Slot& slot, DeviceRole role, std::string path, std::uint32_t generation) {
  // Only an interface that still belongs to the role is read.
  bool belongs = false;
  for (const auto& info : backend_.Enumerate())
    if (info.path == path) belongs = RoleOfProduct(info.vendor, info.product) == role;
  std::unique_ptr<HidHandle> handle = belongs ? backend_.Open(path) : nullptr;
  if (handle) {
    {
      std::lock_guard lock(slot.handleMutex);
      slot.handle = handle.get();
    }
    RawStatusReport report;
    report.Role = role;
    report.Generation = generation;
    while (!slot.stop) {
      report.Bytes.fill(0xFF);
      report.Bytes[0] = kReportStatus;
      std::size_t n = 0;
      const HidReadResult result = handle->Read(report.Bytes, kReadSliceMs, n);
      if (result == HidReadResult::Gone) break;
      if (result != HidReadResult::Ok || n == 0 || report.Bytes[0] != kReportStatus) continue;
      report.Length = std::min(n, report.Bytes.size());
      queue_.Push(report);
    }
    {
      std::lock_guard lock(slot.handleMutex);
      slot.handle = nullptr;
    }
    handle->Close();
  }
  slot.finished = true;
  RawStatusReport ended;
  ended.Role = role;
  ended.Ended = true;
  ended.Generation = generation;
  queue_.Push(ended);
}

}  // namespace corvane
