#pragma once
// Byte strings written the way the trace writes them ("09 04 05 01 15 02").
#include <cstdint>
#include <span>
#include <sstream>
#include <string>
#include <vector>

namespace corvane::simtest {

// Parses upper-case hex pairs separated by spaces; pads with zeros up to size.
inline std::vector<std::uint8_t> Bytes(const std::string& hex, std::size_t size = 0) {
  std::vector<std::uint8_t> out;
  std::istringstream in(hex);
  std::string pair;
  while (in >> pair) out.push_back(static_cast<std::uint8_t>(std::stoul(pair, nullptr, 16)));
  if (out.size() < size) out.resize(size, 0);
  return out;
}

inline std::string Hex(std::span<const std::uint8_t> bytes) {
  static const char* digits = "0123456789ABCDEF";
  std::string s;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (i) s.push_back(' ');
    s.push_back(digits[bytes[i] >> 4]);
    s.push_back(digits[bytes[i] & 15]);
  }
  return s;
}

}  // namespace corvane::simtest
