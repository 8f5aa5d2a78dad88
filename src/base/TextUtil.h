#pragma once
// Text helpers shared by every settings file: the files hold UTF-16 text, values are
// decimal or "0x%4X" hexadecimal, and unparsable values read as 0.
#include <cstdint>
#include <string>
#include <string_view>

namespace corvane {

std::u16string U16(std::string_view utf8);
std::string Utf8(std::u16string_view text);

// The system's text for an errno value as the reason of a message "FILE: reason":
// "permission denied" rather than "Permission denied".
std::string ErrnoText(int error);

// Standard string-to-long conversion: leading white space, optional sign, an optional
// "0x" prefix in base 16; stops at the first character that is not a digit; text without
// digits gives 0; out-of-range values saturate as strtol does.
long ParseLong(std::u16string_view text, int base = 10);

std::u16string FormatDecimal(long value);                 // "%d"
std::u16string FormatHex4(unsigned value);               // "0x%4X": at least four characters, space padded
std::u16string FormatHexFixed(unsigned value, int width); // upper-case, zero padded to width

// The value of a hexadecimal digit of either case; -1 for any other character.
constexpr int HexDigitValue(char32_t c) {
  if (c >= U'0' && c <= U'9') return static_cast<int>(c - U'0');
  if (c >= U'A' && c <= U'F') return static_cast<int>(c - U'A') + 10;
  if (c >= U'a' && c <= U'f') return static_cast<int>(c - U'a') + 10;
  return -1;
}

// Appends the low `digits` hexadecimal digits of value, upper-case, most significant first
// (the fixed-width form every file uses for device bytes).
inline void AppendHexDigits(std::u16string& out, unsigned value, int digits) {
  static constexpr char16_t kDigits[] = u"0123456789ABCDEF";
  for (int shift = 4 * (digits - 1); shift >= 0; shift -= 4) out.push_back(kDigits[(value >> shift) & 0xF]);
}

}  // namespace corvane
