#pragma once
// Every pause of the transport, the firmware update and pairing goes through this
// service, so the simulated device can record pauses instead of sleeping and tests can
// check the pause schedule.
#include <cstdint>

namespace corvane {

class Pause {
 public:
  virtual ~Pause() = default;
  virtual void Sleep(std::uint32_t ms) = 0;
};

}  // namespace corvane
