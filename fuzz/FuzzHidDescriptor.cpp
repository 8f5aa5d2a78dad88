// HID report descriptors as hidraw hands them out. A refused descriptor has no lengths.
#include <cstdlib>
#include <span>

#include "device/linux/HidReportDescriptor.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace corvane;
  const HidReportSummary summary = ParseHidReportDescriptor(std::span(data, size));
  if (!summary.valid) {
    if (!summary.collections.empty() || summary.CapsLength(HidReportType::Input) != 0 ||
        summary.CapsLength(HidReportType::Feature) != 0 || summary.errorOffset > size) {
      std::abort();
    }
  }
  return 0;
}
