#pragma once
// HID report descriptors: how long the reports of an interface are. The device link
// tells the mouse's interfaces apart by their input and feature report lengths, counted
// as HidP_GetCaps counts them; hidraw only hands out the raw descriptor, so it is parsed
// here.
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace corvane {

enum class HidReportType : std::uint8_t { Input = 0, Output = 1, Feature = 2 };
constexpr std::size_t kHidReportTypeCount = 3;

// Report lengths as HidP_GetCaps gives them: the largest report of the type in bytes
// plus one for the report id, which is counted even when the descriptor uses no ids;
// 0 when there is no report of the type.
struct HidCapsLengths {
  std::uint16_t input = 0;
  std::uint16_t output = 0;
  std::uint16_t feature = 0;
  friend bool operator==(const HidCapsLengths&, const HidCapsLengths&) = default;
};

struct HidReportSummary {
  // False when the descriptor is malformed (truncated item, unbalanced collection or
  // push/pop, report id 0 or above 255, a report too long to count); every length is
  // then 0, so such an interface never matches a wanted length.
  bool valid = false;
  std::string_view error;       // why the descriptor was refused; empty when valid
  std::size_t errorOffset = 0;  // offset of the item that was refused
  bool usesReportIds = false;
  // Per report type (index = HidReportType): whether the descriptor declares any report
  // of that type, and the data bytes of the largest one (report id byte not included).
  std::array<bool, kHidReportTypeCount> hasReports{};
  std::array<std::uint32_t, kHidReportTypeCount> largestReportBytes{};
  // Windows makes every top-level collection an interface of its own, with the caps of
  // that collection only, where hidraw has one node for all of them. One entry per
  // top-level collection in descriptor order; main items outside any collection form an
  // entry of their own. Empty when the descriptor is refused.
  std::vector<HidCapsLengths> collections;

  // The caps length of the type over the whole descriptor.
  std::uint16_t CapsLength(HidReportType type) const;
};

// Walks every item once, so the work is bounded by the descriptor's length; never reads
// past its end.
HidReportSummary ParseHidReportDescriptor(std::span<const std::uint8_t> descriptor);

}  // namespace corvane
