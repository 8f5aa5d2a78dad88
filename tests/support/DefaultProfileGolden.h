#pragma once
// The expected files of a fresh data folder, line by line, from the numbers of the file
// formats: config.ini with its defaults and a default profile for sensor 0x3311.
#include <string>
#include <vector>

#include "lang/LanguageTable.h"

namespace corvane::testing {

// The 18 lines of config.ini with the default configuration.
std::vector<std::u16string> DefaultConfigLines();

// The 118 lines of default profile p for sensor 0x3311, with the names taken from the
// language (texts 20-24, 33, 42, 85 + p and 100).
std::vector<std::u16string> DefaultProfileLines(const LanguageTable& language, int p);

}  // namespace corvane::testing
