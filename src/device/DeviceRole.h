#pragma once
// The three ways the mouse can be present, one HID device (product id) each.
#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace corvane {

enum class DeviceRole : std::uint8_t { Wired = 0, Receiver = 1, Bluetooth = 2 };
constexpr std::size_t kRoleCount = 3;

struct DeviceRoleInfo {
  DeviceRole role;
  std::uint16_t productId;
  std::string_view name;  // as corvanectl spells it (--simulate=ROLES, trace lines)
};

constexpr std::uint16_t kVendorId = 0x248A;

constexpr std::array<DeviceRoleInfo, kRoleCount> kDeviceRoles{{
    {DeviceRole::Wired, 0x6674, "wired"},
    {DeviceRole::Receiver, 0x6675, "receiver"},
    {DeviceRole::Bluetooth, 0x6673, "bluetooth"},
}};

constexpr const DeviceRoleInfo& RoleInfo(DeviceRole role) { return kDeviceRoles[static_cast<std::size_t>(role)]; }

constexpr std::optional<DeviceRole> RoleOfProduct(std::uint16_t vendor, std::uint16_t product) {
  if (vendor != kVendorId) return std::nullopt;
  for (const auto& r : kDeviceRoles) {
    if (r.productId == product) return r.role;
  }
  return std::nullopt;
}

constexpr std::optional<DeviceRole> RoleOfName(std::string_view name) {
  for (const auto& r : kDeviceRoles) {
    if (r.name == name) return r.role;
  }
  return std::nullopt;
}

}  // namespace corvane
