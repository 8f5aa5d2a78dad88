#include "support/CorvanectlRun.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <fstream>
#include <iterator>
#include <sstream>

extern char** environ;

namespace corvane::testing {
namespace {

std::string Slurp(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace

CliRun RunCorvanectl(const std::filesystem::path& dataDir, const std::vector<std::string>& args) {
  static std::atomic<int> counter{0};
  const auto base = std::filesystem::temp_directory_path() /
                    ("corvanectl-run-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
  const std::string outPath = base.string() + ".out";
  const std::string errPath = base.string() + ".err";

  std::vector<std::string> argv{CORVANECTL_PATH, "--data-dir", dataDir.string()};
  argv.insert(argv.end(), args.begin(), args.end());
  std::vector<char*> cargv;
  for (auto& a : argv) cargv.push_back(a.data());
  cargv.push_back(nullptr);

  // Output goes to files, so a chatty command can never block on a full pipe.
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  CliRun run;
  pid_t pid = 0;
  if (posix_spawn(&pid, cargv[0], &actions, nullptr, cargv.data(), environ) == 0) {
    int status = 0;
    if (waitpid(pid, &status, 0) == pid && WIFEXITED(status)) run.status = WEXITSTATUS(status);
  }
  posix_spawn_file_actions_destroy(&actions);
  run.out = Slurp(outPath);
  run.err = Slurp(errPath);
  std::filesystem::remove(outPath);
  std::filesystem::remove(errPath);
  return run;
}

std::vector<std::string> OutputLines(const std::string& out) {
  std::vector<std::string> lines;
  std::istringstream in(out);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

}  // namespace corvane::testing
