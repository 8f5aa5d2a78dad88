#pragma once
// Bytes written the way the trace writes them ("09 04 05 01 15 02"), for golden tables.
#include <cstdint>
#include <span>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace corvane::testing {

using Bytes = std::vector<std::uint8_t>;

// Hex pairs separated by white space -> bytes, padded with zeros up to padTo.
inline Bytes HexBytes(std::string_view text, std::size_t padTo = 0) {
  Bytes bytes;
  std::istringstream in{std::string(text)};
  std::string item;
  while (in >> item) bytes.push_back(static_cast<std::uint8_t>(std::stoul(item, nullptr, 16)));
  if (bytes.size() < padTo) bytes.resize(padTo, 0);
  return bytes;
}

// Bytes -> upper-case hex pairs separated by single spaces.
inline std::string HexText(std::span<const std::uint8_t> bytes) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string s;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (i) s.push_back(' ');
    s.push_back(kDigits[bytes[i] >> 4]);
    s.push_back(kDigits[bytes[i] & 15]);
  }
  return s;
}

}  // namespace corvane::testing
