#pragma once
// The Pause services: one that really waits, one that only records (for --no-wait and
// tests), and one that tells an observer of every pause before passing it on (the
// simulated device's clock, the trace).
#include <cstdint>
#include <functional>
#include <vector>

#include "device/Pause.h"

namespace corvane {

class SleepingPause final : public Pause {
 public:
  void Sleep(std::uint32_t ms) override;
};

class RecordingPause final : public Pause {
 public:
  void Sleep(std::uint32_t ms) override { pauses_.push_back(ms); }
  const std::vector<std::uint32_t>& Pauses() const { return pauses_; }
  std::uint64_t TotalMs() const;
  void Clear() { pauses_.clear(); }

 private:
  std::vector<std::uint32_t> pauses_;
};

class ObservedPause final : public Pause {
 public:
  ObservedPause(Pause& inner, std::function<void(std::uint32_t)> observer)
      : inner_(inner), observer_(std::move(observer)) {}
  void Sleep(std::uint32_t ms) override {
    if (observer_) observer_(ms);
    inner_.Sleep(ms);
  }

 private:
  Pause& inner_;
  std::function<void(std::uint32_t)> observer_;
};

}  // namespace corvane
