#include "cli/ProfileCliSupport.h"

#include "cli/CliNumbers.h"
#include "settings/ConfigTable.h"
#include "settings/ProfileFile.h"
#include "settings/ProfileTable.h"

namespace corvane::cli {

std::optional<int> ParseProfileIndex(const std::string& text) {
  const auto p = ParseDecimalArg(text, 0, kProfileCount - 1, 1);
  if (!p) return std::nullopt;
  return static_cast<int>(*p);
}

bool SaveConfigAndProfiles(CliContext& ctx) {
  const bool config = SaveCurrentProfileIndex(*ctx.app);
  const bool profiles = SaveAllProfiles(*ctx.app);
  return config && profiles;
}

}  // namespace corvane::cli
