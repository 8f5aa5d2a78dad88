#pragma once
// The simulated devices' state between runs (--sim-state FILE): one "Key=value" line per
// field in a UTF-16 text file; byte blocks as upper-case hexadecimal, numbers in decimal,
// flash as the sectors that differ from the factory's. A file that is missing starts the
// devices fresh; one that is malformed anywhere is ignored as a whole (fresh state).
#include <filesystem>
#include <string>

#include "device/sim/SimState.h"

namespace corvane {

enum class SimStateLoad { NoFile, Loaded, Malformed };

// The file's text (also what SaveSimState writes).
std::u16string SimStateText(const SimState& state);
// Parses text into state; on failure state is left as it was.
bool ParseSimStateText(std::u16string_view text, SimState& state);

bool SaveSimState(const std::filesystem::path& path, const SimState& state);
// state becomes the file's content, or the factory state when the file is missing or
// malformed.
SimStateLoad LoadSimState(const std::filesystem::path& path, SimState& state);

}  // namespace corvane
