#include <algorithm>

#include "device/DevicePayloads.h"
#include "settings/ProfileTable.h"

namespace corvane {

namespace {
// Profile button shown at each device position.
constexpr std::array<int, kButtonCount> kDeviceButtonOrder{0, 1, 2, 4, 3, 5, 6};
}  // namespace

ButtonBlock BuildButtonBlock(const ProfileRecord& record) {
  ButtonBlock block{};
  for (std::size_t pos = 0; pos < kDeviceButtonOrder.size(); ++pos) {
    const auto& value = record.Buttons[static_cast<std::size_t>(kDeviceButtonOrder[pos])].Value;
    std::copy(value.begin(), value.end(), block.begin() + static_cast<std::ptrdiff_t>(pos * 3));
  }
  return block;
}

ButtonMapPayload BuildButtonMapPayload(const ButtonBlock& block) {
  ButtonMapPayload payload;
  payload.fill(0xFF);
  std::copy(block.begin(), block.end(), payload.begin());
  return payload;
}

}  // namespace corvane
