#include "device/TracingBackend.h"

#include <algorithm>

#include "device/DeviceRole.h"

namespace corvane {

namespace {

class TracingHandle final : public HidHandle {
 public:
  TracingHandle(std::unique_ptr<HidHandle> inner, std::string role, TraceSink& sink)
      : inner_(std::move(inner)), role_(std::move(role)), sink_(sink) {}

  bool SetFeature(std::span<const std::uint8_t> report) override {
    sink_.Line("set " + role_ + " " + FormatTraceBytes(report));
    return inner_->SetFeature(report);
  }

  bool GetFeature(std::span<std::uint8_t> report) override {
    const bool ok = inner_->GetFeature(report);
    sink_.Line("get " + role_ + " " + (ok ? FormatTraceBytes(report) : std::string("fail")));
    return ok;
  }

  HidReadResult Read(std::span<std::uint8_t> report, int timeoutMs, std::size_t& bytesRead) override {
    const HidReadResult result = inner_->Read(report, timeoutMs, bytesRead);
    if (result == HidReadResult::Ok)
      sink_.Line("input " + role_ + " " + FormatTraceBytes(report.first(std::min(bytesRead, report.size()))));
    return result;
  }

  void Close() override { inner_->Close(); }
  bool Connected() override { return inner_->Connected(); }

 private:
  std::unique_ptr<HidHandle> inner_;
  std::string role_;
  TraceSink& sink_;
};

}  // namespace

std::vector<HidInterfaceInfo> TracingBackend::Enumerate() {
  auto list = inner_.Enumerate();
  const std::lock_guard lock(mutex_);
  for (const auto& info : list) {
    if (const auto role = RoleOfProduct(info.vendor, info.product))
      roleOfPath_[info.path] = std::string(RoleInfo(*role).name);
  }
  return list;
}

std::string TracingBackend::RoleNameOf(const std::string& path) {
  {
    const std::lock_guard lock(mutex_);
    if (const auto it = roleOfPath_.find(path); it != roleOfPath_.end()) return it->second;
  }
  Enumerate();
  const std::lock_guard lock(mutex_);
  if (const auto it = roleOfPath_.find(path); it != roleOfPath_.end()) return it->second;
  // Not one of the mouse's interfaces: the path tells which device it was.
  return path;
}

std::unique_ptr<HidHandle> TracingBackend::Open(const std::string& path) {
  auto handle = inner_.Open(path);
  if (!handle) return nullptr;
  return std::make_unique<TracingHandle>(std::move(handle), RoleNameOf(path), sink_);
}

void TracingPause::Sleep(std::uint32_t ms) {
  sink_.Line("sleep " + std::to_string(ms));
  inner_.Sleep(ms);
}

}  // namespace corvane
