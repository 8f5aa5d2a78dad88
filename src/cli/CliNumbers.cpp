#include "cli/CliNumbers.h"

#include <charconv>

namespace corvane::cli {

namespace {

template <typename T>
std::optional<T> Digits(std::string_view text, int base) {
  T value{};
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value, base);
  if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

}  // namespace

std::optional<long> ParseDecimalArg(std::string_view text, long min, long max, std::size_t maxDigits) {
  if (text.empty() || text.size() > maxDigits || text.find_first_not_of("0123456789") != std::string_view::npos)
    return std::nullopt;
  const auto v = Digits<long>(text, 10);
  if (!v || *v < min || *v > max) return std::nullopt;
  return v;
}

std::optional<unsigned long> ParseHexArg(std::string_view text, std::size_t digits) {
  if (text.size() != digits || text.find_first_not_of("0123456789abcdefABCDEF") != std::string_view::npos)
    return std::nullopt;
  return Digits<unsigned long>(text, 16);
}

}  // namespace corvane::cli
