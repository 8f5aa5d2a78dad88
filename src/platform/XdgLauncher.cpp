#include "platform/XdgLauncher.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <thread>
#include <vector>

#include "base/TextUtil.h"

extern char** environ;

namespace corvane::cli {

namespace {

bool IsAddress(const std::string& t) {
  return t.find("://") != std::string::npos || t.rfind("www.", 0) == 0 || t.rfind("mailto:", 0) == 0;
}

bool IsProgram(const std::string& path) {
  std::error_code ec;
  return std::filesystem::is_regular_file(path, ec) && ::access(path.c_str(), X_OK) == 0;
}

}  // namespace

std::vector<std::string> LaunchCommand(const std::u16string& target, uid_t user) {
  std::string t = Utf8(target);
  if (t.empty() || t[0] == '-' || user == 0) return {};
  if (IsAddress(t)) return {"xdg-open", t};
  // Paths written on Windows keep their backslashes in the profile.
  std::replace(t.begin(), t.end(), '\\', '/');
  std::error_code ec;
  if (!std::filesystem::exists(t, ec)) return {};
  // Absolute, so a name beginning with "-" is never read as an option, and a program is
  // never looked up in PATH.
  t = std::filesystem::absolute(t, ec).lexically_normal().string();
  if (ec) return {};
  if (IsProgram(t)) return {t};
  return {"xdg-open", t};
}

void XdgLauncher::Open(const std::u16string& target) {
  // Root as either the real or the effective user: nothing is started.
  const std::vector<std::string> command = LaunchCommand(target, ::geteuid() == 0 ? 0 : ::getuid());
  if (command.empty()) return;
  std::vector<char*> argv;
  for (const auto& a : command) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);

  posix_spawn_file_actions_t files;
  posix_spawnattr_t attr;
  posix_spawn_file_actions_init(&files);
  posix_spawn_file_actions_addopen(&files, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&files, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&files, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  posix_spawnattr_init(&attr);
  // Its own session: the program outlives this one and takes no signals meant for it.
  posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETSID);
  pid_t pid = 0;
  const int rc = posix_spawnp(&pid, argv[0], &files, &attr, argv.data(), environ);
  posix_spawnattr_destroy(&attr);
  posix_spawn_file_actions_destroy(&files);
  // A target that cannot be opened fails quietly, as the mouse's button has no way to
  // say so. A started process is reaped when it ends.
  if (rc == 0) std::thread([pid] { ::waitpid(pid, nullptr, 0); }).detach();
}

}  // namespace corvane::cli
