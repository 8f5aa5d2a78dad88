#pragma once
// An open interface of the simulated devices.
#include <memory>

#include "device/HidBackend.h"
#include "device/sim/SimBackendShared.h"

namespace corvane {

class SimHandle final : public HidHandle {
 public:
  SimHandle(std::shared_ptr<SimBackendShared> shared, std::shared_ptr<SimReportQueue> queue)
      : shared_(std::move(shared)), queue_(std::move(queue)) {}
  ~SimHandle() override { Close(); }
  SimHandle(const SimHandle&) = delete;
  SimHandle& operator=(const SimHandle&) = delete;

  bool SetFeature(std::span<const std::uint8_t> report) override;
  bool GetFeature(std::span<std::uint8_t> report) override;
  HidReadResult Read(std::span<std::uint8_t> report, int timeoutMs, std::size_t& bytesRead) override;
  void Close() override;
  bool Connected() override;

 private:
  std::shared_ptr<SimBackendShared> shared_;
  std::shared_ptr<SimReportQueue> queue_;
};

}  // namespace corvane
