#pragma once
// The HID interfaces of the system as sysfs describes its hidraw nodes: identity from
// the HID device's uevent, report lengths from its report descriptor, the version
// number from the USB device it belongs to.
#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

#include "device/HidBackend.h"

namespace corvane {

// Every node under <sysRoot>/class/hidraw, in the order of its number, as <devRoot>/hidrawN,
// once per top-level collection of its report descriptor with that collection's report
// lengths: the interfaces Windows would list, so that a status collection and a command
// collection sharing one USB interface are still told apart. A node whose HID identity
// cannot be read is left out; one whose descriptor is missing or malformed is listed
// once with report lengths 0.
std::vector<HidInterfaceInfo> EnumerateHidraw(const std::filesystem::path& sysRoot,
                                              const std::filesystem::path& devRoot);

struct HidId {
  std::uint16_t bus = 0;
  std::uint16_t vendor = 0;
  std::uint16_t product = 0;
};

// The HID_ID line of a HID device's uevent ("HID_ID=0003:0000248A:00006674", hex bus,
// vendor, product); nothing when the line is missing or malformed.
std::optional<HidId> ParseHidUevent(std::string_view uevent);

}  // namespace corvane
