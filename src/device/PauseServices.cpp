#include "device/PauseServices.h"

#include <chrono>
#include <numeric>
#include <thread>

namespace corvane {

void SleepingPause::Sleep(std::uint32_t ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

std::uint64_t RecordingPause::TotalMs() const {
  return std::accumulate(pauses_.begin(), pauses_.end(), std::uint64_t{0});
}

}  // namespace corvane
