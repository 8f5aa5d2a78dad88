#pragma once
// Numbers given on the command line. They are digits only: no sign, no spaces, no "0x",
// so a typo is a usage error instead of a value the mouse receives.
#include <climits>
#include <cstddef>
#include <optional>
#include <string_view>

namespace corvane::cli {

// One to maxDigits decimal digits with a value in min..max.
std::optional<long> ParseDecimalArg(std::string_view text, long min = 0, long max = LONG_MAX,
                                    std::size_t maxDigits = 9);

// Exactly `digits` hexadecimal digits (either case).
std::optional<unsigned long> ParseHexArg(std::string_view text, std::size_t digits);

}  // namespace corvane::cli
