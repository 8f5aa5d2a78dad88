#include "cli/ProfileCliSupport.h"

#include "cli/CliNumbers.h"
#include "session/ConfigSave.h"
#include "settings/ProfileTable.h"

namespace corvane::cli {

std::optional<int> ParseProfileIndex(const std::string& text) {
  const auto p = ParseDecimalArg(text, 0, kProfileCount - 1, 1);
  if (!p) return std::nullopt;
  return static_cast<int>(*p);
}

bool SaveConfigAndProfiles(CliContext& ctx, std::string* reason) {
  const auto save = [&](std::string* why) { return SaveProfilesThenConfig(*ctx.app, why); };
  return SaveStoredFiles(ctx, StoredFiles::Settings, save, reason);
}

}  // namespace corvane::cli
