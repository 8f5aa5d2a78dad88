#include "device/sim/SimReportDescriptors.h"

#include <array>

namespace corvane {
namespace {

// Status stream: input report 7, 31 data bytes.
constexpr std::uint8_t kStatusDescriptor[] = {
    0x06, 0x00, 0xFF,  // Usage Page (vendor 0xFF00)
    0x09, 0x01,        // Usage (1)
    0xA1, 0x01,        // Collection (Application)
    0x85, 0x07,        //   Report ID (7)
    0x09, 0x02,        //   Usage (2)
    0x15, 0x00,        //   Logical Minimum (0)
    0x26, 0xFF, 0x00,  //   Logical Maximum (255)
    0x75, 0x08,        //   Report Size (8)
    0x95, 0x1F,        //   Report Count (31)
    0x81, 0x02,        //   Input (Data, Variable, Absolute)
    0xC0,              // End Collection
};

template <std::size_t A, std::size_t B>
constexpr std::array<std::uint8_t, A + B> Join(const std::array<std::uint8_t, A>& a,
                                               const std::array<std::uint8_t, B>& b) {
  std::array<std::uint8_t, A + B> out{};
  for (std::size_t i = 0; i < A; ++i) out[i] = a[i];
  for (std::size_t i = 0; i < B; ++i) out[A + i] = b[i];
  return out;
}

// Command interface of the mouse (cable and Bluetooth): link state 8 and command frames 9.
// The firmware report 0xBF (136 bytes) is taken on this interface over the cable but is
// not declared: declaring it would make the feature length 136 and hide the interface
// from the program, which looks for 32. The loader's reports live outside the descriptor.
constexpr auto kFeatureHead = std::to_array<std::uint8_t>({
    0x06, 0x01, 0xFF,  // Usage Page (vendor 0xFF01)
    0x09, 0x01,        // Usage (1)
    0xA1, 0x01,        // Collection (Application)
    0x15, 0x00,        //   Logical Minimum (0)
    0x26, 0xFF, 0x00,  //   Logical Maximum (255)
    0x75, 0x08,        //   Report Size (8)
    0x85, 0x08,        //   Report ID (8)
    0x09, 0x03,        //   Usage (3)
    0x95, 0x1F,        //   Report Count (31)
    0xB1, 0x02,        //   Feature (Data, Variable, Absolute)
    0x85, 0x09,        //   Report ID (9)
    0x09, 0x04,        //   Usage (4)
    0x95, 0x1F,        //   Report Count (31)
    0xB1, 0x02,        //   Feature (Data, Variable, Absolute)
});
constexpr auto kEndCollection = std::to_array<std::uint8_t>({0xC0});

constexpr auto kMouseFeatureDescriptor = Join(kFeatureHead, kEndCollection);

// The receiver adds the 8-byte pairing report 0xBC.
constexpr auto kReceiverFeatureDescriptor = Join(kFeatureHead, std::to_array<std::uint8_t>({
                                                                    0x85, 0xBC,  // Report ID (0xBC)
                                                                    0x09, 0x05,  // Usage (5)
                                                                    0x95, 0x07,  // Report Count (7)
                                                                    0xB1, 0x02,  // Feature
                                                                    0xC0,        // End Collection
                                                                }));

// The ordinary mouse interface: report 1 with five buttons, 16-bit X and Y and a wheel.
constexpr std::uint8_t kPointerDescriptor[] = {
    0x05, 0x01,        // Usage Page (Generic Desktop)
    0x09, 0x02,        // Usage (Mouse)
    0xA1, 0x01,        // Collection (Application)
    0x85, 0x01,        //   Report ID (1)
    0x09, 0x01,        //   Usage (Pointer)
    0xA1, 0x00,        //   Collection (Physical)
    0x05, 0x09,        //     Usage Page (Button)
    0x19, 0x01,        //     Usage Minimum (1)
    0x29, 0x05,        //     Usage Maximum (5)
    0x15, 0x00,        //     Logical Minimum (0)
    0x25, 0x01,        //     Logical Maximum (1)
    0x75, 0x01,        //     Report Size (1)
    0x95, 0x05,        //     Report Count (5)
    0x81, 0x02,        //     Input (Data, Variable, Absolute)
    0x75, 0x03,        //     Report Size (3)
    0x95, 0x01,        //     Report Count (1)
    0x81, 0x01,        //     Input (Constant)
    0x05, 0x01,        //     Usage Page (Generic Desktop)
    0x09, 0x30,        //     Usage (X)
    0x09, 0x31,        //     Usage (Y)
    0x16, 0x01, 0x80,  //     Logical Minimum (-32767)
    0x26, 0xFF, 0x7F,  //     Logical Maximum (32767)
    0x75, 0x10,        //     Report Size (16)
    0x95, 0x02,        //     Report Count (2)
    0x81, 0x06,        //     Input (Data, Variable, Relative)
    0x09, 0x38,        //     Usage (Wheel)
    0x15, 0x81,        //     Logical Minimum (-127)
    0x25, 0x7F,        //     Logical Maximum (127)
    0x75, 0x08,        //     Report Size (8)
    0x95, 0x01,        //     Report Count (1)
    0x81, 0x06,        //     Input (Data, Variable, Relative)
    0xC0,              //   End Collection
    0xC0,              // End Collection
};

struct InterfaceLengthsEntry {
  SimInterface iface;
  SimReportLengths lengths;
};

constexpr std::array<InterfaceLengthsEntry, kSimInterfaceCount> kLengths{{
    {SimInterface::Input, {32, 0}},
    {SimInterface::Feature, {0, 32}},
    {SimInterface::Pointer, {7, 0}},  // 6 data bytes + report id
}};

}  // namespace

std::span<const std::uint8_t> SimReportDescriptor(DeviceRole role, SimInterface iface) {
  switch (iface) {
    case SimInterface::Input:
      return kStatusDescriptor;
    case SimInterface::Feature:
      return role == DeviceRole::Receiver ? std::span<const std::uint8_t>(kReceiverFeatureDescriptor)
                                          : std::span<const std::uint8_t>(kMouseFeatureDescriptor);
    case SimInterface::Pointer:
      return kPointerDescriptor;
  }
  return {};
}

SimReportLengths SimInterfaceLengths(SimInterface iface) {
  return kLengths[static_cast<std::size_t>(iface)].lengths;
}

}  // namespace corvane
