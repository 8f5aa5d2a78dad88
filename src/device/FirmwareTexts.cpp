#include "device/FirmwareTexts.h"

#include <algorithm>
#include <cstdio>

#include "base/TextUtil.h"

namespace corvane {
namespace {

std::u16string Hex8(const char16_t* prefix, std::uint32_t value) {
  char digits[16];
  std::snprintf(digits, sizeof digits, "%.8x", static_cast<unsigned>(value));
  return prefix + U16(digits);
}

}  // namespace

std::u16string ImageChecksumText(std::uint32_t checksum) { return Hex8(u"CS1:", checksum); }

std::u16string DeviceChecksumText(std::uint32_t checksum) { return Hex8(u"Device CS:", checksum); }

std::u16string ProgressText(int value, int total, bool capped) {
  double percent = total > 0 ? value * 100.0 / total : 100.0;
  if (capped) percent = std::min(percent, 100.0);
  char text[32];
  std::snprintf(text, sizeof text, "%.1f%%", percent);
  return U16(text);
}

std::u16string InitialProgressText() { return u"0%"; }

std::u16string CountedText(const std::u16string& text, int step, int steps) {
  char tail[32];
  std::snprintf(tail, sizeof tail, "(%d/%d)", step, steps);
  return text + U16(tail);
}

std::u16string CountdownText(const std::u16string& text, int seconds) {
  return text + u"  ...." + FormatDecimal(seconds);
}

}  // namespace corvane
