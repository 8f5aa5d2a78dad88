#include "lang/LanguageFiles.h"

#include <system_error>

#include "base/UnicodeTextFile.h"

namespace corvane {

void InstallLanguageFiles(const std::filesystem::path& dataFolder) {
  const std::filesystem::path config = dataFolder / "config";
  std::error_code ec;
  std::filesystem::create_directories(config, ec);
  for (const ShippedLanguageFile& file : ShippedLanguageFiles()) {
    const std::filesystem::path target = config / file.Name;
    // Only a name that is certainly free is written: an existing file, a dangling link or a
    // path that cannot be examined is left alone.
    const auto status = std::filesystem::symlink_status(target, ec);
    if (status.type() != std::filesystem::file_type::not_found) continue;
    WriteFileAtomically(target, file.Bytes);
  }
}

}  // namespace corvane
