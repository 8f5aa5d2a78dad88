#include "device/sim/SimHandle.h"

#include <algorithm>
#include <chrono>

namespace corvane {

bool SimHandle::SetFeature(std::span<const std::uint8_t> report) {
  return shared_->Run([&](SimDevice& device) {
    if (!shared_->Alive(*queue_) || queue_->iface != SimInterface::Feature) return false;
    return device.SetFeature(queue_->role, report);
  });
}

bool SimHandle::GetFeature(std::span<std::uint8_t> report) {
  return shared_->Run([&](SimDevice& device) {
    if (!shared_->Alive(*queue_) || queue_->iface != SimInterface::Feature) return false;
    return device.GetFeature(queue_->role, report);
  });
}

HidReadResult SimHandle::Read(std::span<std::uint8_t> report, int timeoutMs, std::size_t& bytesRead) {
  bytesRead = 0;
  std::unique_lock lock(shared_->mutex);
  const auto ready = [&] { return !queue_->reports.empty() || !shared_->Alive(*queue_); };
  if (timeoutMs < 0) {
    shared_->changed.wait(lock, ready);
  } else if (!shared_->changed.wait_for(lock, std::chrono::milliseconds(timeoutMs), ready)) {
    return HidReadResult::Timeout;
  }
  // A device that has left the bus reads as gone, even with reports still queued.
  if (!shared_->Alive(*queue_)) return HidReadResult::Gone;
  const SimReport r = std::move(queue_->reports.front());
  queue_->reports.pop_front();
  bytesRead = std::min(report.size(), r.size());
  std::copy_n(r.begin(), bytesRead, report.begin());
  return HidReadResult::Ok;
}

bool SimHandle::Connected() {
  std::lock_guard lock(shared_->mutex);
  return shared_->Alive(*queue_);
}

void SimHandle::Close() {
  {
    std::lock_guard lock(shared_->mutex);
    queue_->closed = true;
    queue_->reports.clear();
  }
  shared_->changed.notify_all();
}

}  // namespace corvane
