#pragma once
// The polling rates the mouse offers, indexed as byte 0 of a profile's
// PollingRateValue: the rate, its two name forms, the code the device takes and the
// bits of the main window's polling-rate radio buttons.
#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace corvane {

struct PollingRateEntry {
  int Hz;
  std::u16string_view ChoiceName;  // stored when the user picks the rate ("125HZ")
  std::u16string_view ReportName;  // stored from a device report, shown by the OSD ("125Hz")
  std::uint8_t DeviceCode;
  std::uint32_t RadioBit4;  // bit in the four-rate button group, 0 when not offered there
  std::uint32_t RadioBit7;  // bit in the seven-rate button group
};

inline constexpr std::array<PollingRateEntry, 7> kPollingRates{{
    {125, u"125HZ", u"125Hz", 0x08, 0x10000, 0x01},
    {250, u"250HZ", u"250Hz", 0x04, 0x20000, 0x02},
    {500, u"500HZ", u"500Hz", 0x02, 0x40000, 0x04},
    {1000, u"1000HZ", u"1000Hz", 0x01, 0x80000, 0x08},
    {2000, u"2000HZ", u"2000Hz", 0x11, 0, 0x10},
    {4000, u"4000HZ", u"4000Hz", 0x12, 0, 0x20},
    {8000, u"8000HZ", u"8000Hz", 0x14, 0, 0x40},
}};

constexpr std::uint32_t kPollingRadioMask4 = 0xF0000;  // 125 .. 1000 Hz
constexpr std::uint32_t kPollingRadioMask7 = 0x7F;     // 125 .. 8000 Hz

// The entry of a stored index; any index above the table is the fastest rate, which
// is what the device is sent and what the on-screen display shows for it.
const PollingRateEntry& PollingRateOf(int index);

// Index of a rate reported by the mouse. Over the cable only 125..1000 Hz exist and an
// unknown code means 1000 Hz; from the receiver or Bluetooth an unknown code means 8000.
int PollingIndexOfDeviceCode(std::uint8_t code, bool wired);

// Index of a rate given in Hz, none for a rate the mouse does not offer.
std::optional<int> PollingIndexOfHz(int hz);

}  // namespace corvane
