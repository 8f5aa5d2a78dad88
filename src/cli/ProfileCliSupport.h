#pragma once
// What the profile and show commands of corvanectl share: naming a profile on the
// command line, refusing with a language text, and the save every profile change ends with.
#include <optional>
#include <string>

#include "cli/Cli.h"

namespace corvane::cli {

// A profile index 0..4 written as a plain decimal number; none for anything else.
std::optional<int> ParseProfileIndex(const std::string& text);

// Writes all five profile files and config.ini (with the current profile), as the main
// window does after a profile command; false when any of them could not be written
// (reason, when given, names the file and why).
bool SaveConfigAndProfiles(CliContext& ctx, std::string* reason = nullptr);

}  // namespace corvane::cli
