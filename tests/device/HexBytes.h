#pragma once
// "09 0F 01" -> bytes, for golden tables of the device tests.
#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace corvane::test {

inline std::vector<std::uint8_t> Hex(std::string_view text, std::size_t padTo = 0) {
  std::vector<std::uint8_t> bytes;
  std::istringstream in{std::string(text)};
  std::string item;
  while (in >> item) bytes.push_back(static_cast<std::uint8_t>(std::stoul(item, nullptr, 16)));
  if (bytes.size() < padTo) bytes.resize(padTo, 0);
  return bytes;
}

}  // namespace corvane::test
