#include "base/DataFolder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <system_error>

#include "base/TextUtil.h"

namespace corvane {

std::filesystem::path DefaultDataFolder() {
  if (const char* dir = std::getenv("CORVANE_DATA_DIR"); dir && *dir) return dir;
  std::filesystem::path base;
  if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg) {
    base = xdg;
  } else if (const char* home = std::getenv("HOME"); home && *home) {
    base = std::filesystem::path(home) / ".local" / "share";
  } else {
    return {};
  }
  return base / "CorvaneData20250827A";
}

bool EnsureDataFolder(const std::filesystem::path& dataFolder, std::string* problem) {
  const auto fail = [&](std::string text) {
    if (problem) *problem = std::move(text);
    return false;
  };
  if (dataFolder.empty()) return fail(std::string(kNoDataFolderText));
  const std::filesystem::path config = dataFolder / "config";
  std::error_code made;
  std::filesystem::create_directories(config, made);
  // The folder nearest the root that is wrong names the fault best.
  for (const std::filesystem::path& folder : {dataFolder, config}) {
    struct stat st {};
    if (::stat(folder.c_str(), &st) != 0) {
      const int code = errno;
      return fail(folder.string() + ": " + ErrnoText(made ? made.value() : code));
    }
    if (!S_ISDIR(st.st_mode)) return fail(folder.string() + ": not a folder");
    // Saves create files (and their temporary copies) in both.
    if (::access(folder.c_str(), W_OK | X_OK) != 0) return fail(folder.string() + ": " + ErrnoText(errno));
  }
  return true;
}

std::filesystem::path ResolveDataPath(const std::filesystem::path& dataFolder, std::u16string_view stored) {
  if (stored.empty()) return {};
  std::u16string text(stored);
  for (auto& c : text) {
    if (c == u'\\') c = u'/';
  }
  std::filesystem::path p(Utf8(text));
  if (p.is_absolute()) return p;
  const std::filesystem::path inside = p.lexically_normal();
  if (inside.empty() || *inside.begin() == ".." || inside == ".") return {};
  return dataFolder / p;
}

std::filesystem::path ExecutableFolder() {
  std::error_code ec;
  const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  return ec ? std::filesystem::current_path(ec) : exe.parent_path();
}

// Set by the build from the install layout (GNUInstallDirs): the data folder relative to
// the folder the executables are installed into.
#ifndef CORVANE_INSTALLED_RESOURCES
#define CORVANE_INSTALLED_RESOURCES "../share/corvane"
#endif

std::filesystem::path ProgramResourceFolder(const std::filesystem::path& exeFolder) {
  std::error_code ec;
  if (std::filesystem::is_directory(exeFolder / "skins", ec)) return exeFolder;
  return (exeFolder / CORVANE_INSTALLED_RESOURCES).lexically_normal();
}

std::filesystem::path ProgramResourceFolder() { return ProgramResourceFolder(ExecutableFolder()); }

}  // namespace corvane
