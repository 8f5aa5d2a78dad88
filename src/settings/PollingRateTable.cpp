#include "settings/PollingRateTable.h"

#include <algorithm>

namespace corvane {
namespace {

constexpr int kLastWiredIndex = 3;  // 1000 Hz

}  // namespace

const PollingRateEntry& PollingRateOf(int index) {
  const int last = static_cast<int>(kPollingRates.size()) - 1;
  return kPollingRates[static_cast<std::size_t>(std::clamp(index, 0, last))];
}

int PollingIndexOfDeviceCode(std::uint8_t code, bool wired) {
  // The fastest rate of each link has no code of its own here: it is the fallback.
  const int last = wired ? kLastWiredIndex : static_cast<int>(kPollingRates.size()) - 1;
  for (int i = 0; i < last; ++i)
    if (kPollingRates[static_cast<std::size_t>(i)].DeviceCode == code) return i;
  return last;
}

std::optional<int> PollingIndexOfHz(int hz) {
  for (std::size_t i = 0; i < kPollingRates.size(); ++i)
    if (kPollingRates[i].Hz == hz) return static_cast<int>(i);
  return std::nullopt;
}

}  // namespace corvane
