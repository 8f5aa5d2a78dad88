// What corvanectl says at start about its data folder: none it can name (no HOME and no
// XDG_DATA_HOME), or one it cannot create or write.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "base/DataFolder.h"
#include "session/StartupLoad.h"
#include "support/CorvanectlRun.h"
#include "support/TempDataFolder.h"

namespace corvane {
namespace {

namespace fs = std::filesystem;

// corvanectl ARGS with exactly the environment given, started in folder cwd.
testing::CliRun RunWithEnvironment(const fs::path& cwd, std::vector<std::string> env,
                                   const std::vector<std::string>& args) {
  std::vector<std::string> argv{CORVANECTL_PATH};
  argv.insert(argv.end(), args.begin(), args.end());
  std::vector<char*> cargv, cenv;
  for (auto& a : argv) cargv.push_back(a.data());
  cargv.push_back(nullptr);
  for (auto& e : env) cenv.push_back(e.data());
  cenv.push_back(nullptr);
  const fs::path out = cwd.parent_path() / "run.out";
  const fs::path err = cwd.parent_path() / "run.err";
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  posix_spawn_file_actions_addchdir_np(&actions, cwd.c_str());
  testing::CliRun run;
  pid_t pid = 0;
  if (posix_spawn(&pid, cargv[0], &actions, nullptr, cargv.data(), cenv.data()) == 0) {
    int status = 0;
    if (waitpid(pid, &status, 0) == pid && WIFEXITED(status)) run.status = WEXITSTATUS(status);
  }
  posix_spawn_file_actions_destroy(&actions);
  const auto slurp = [](const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  };
  run.out = slurp(out);
  run.err = slurp(err);
  return run;
}

// Without HOME and XDG_DATA_HOME every command is refused, and the current directory is
// left as it was: no config folder, language files or lock appear in it.
TEST(DataFolderCli, NoHomeIsRefusedAndTheCurrentDirectoryUntouched) {
  testing::TempDataFolder folder;
  const fs::path cwd = folder.Path("cwd");
  fs::create_directories(cwd);
  for (const char* command : {"show", "init", "profile"}) {
    const auto run = RunWithEnvironment(cwd, {"PATH=/usr/bin:/bin", "LANG=C"}, {command});
    EXPECT_EQ(run.status, 1) << command;
    EXPECT_EQ(run.err, "corvanectl: " + std::string(kNoDataFolderText) + "\n") << command;
    EXPECT_EQ(run.out, "") << command;
    EXPECT_TRUE(fs::is_empty(cwd)) << command;
  }
  // XDG_DATA_HOME alone is enough.
  const auto xdg = RunWithEnvironment(cwd, {"PATH=/usr/bin:/bin", "XDG_DATA_HOME=" + folder.Path("xdg").string()},
                                      {"init"});
  EXPECT_EQ(xdg.status, 0) << xdg.err;
  EXPECT_TRUE(fs::is_directory(folder.Path("xdg/CorvaneData20250827A/config")));
  EXPECT_TRUE(fs::is_empty(cwd));
}

// A data folder that cannot be made is told before the command runs, with the folder and
// the reason; a command that only reads still works on the defaults.
TEST(DataFolderCli, AnUnusableFolderIsToldAtStart) {
  testing::TempDataFolder folder;
  folder.PutBytes("file", "x");
  struct Case {
    const char* dataDir;
    const char* faultFolder;
    const char* reason;
  };
  const Case cases[] = {
      {"file", "file", "not a folder"},
      {"file/data", "file/data", "not a directory"},
  };
  for (const Case& c : cases) {
    const auto run = testing::RunCorvanectl(folder.Path(c.dataDir), {"show"});
    EXPECT_EQ(run.status, 0) << c.dataDir << ": " << run.err;
    const std::string notice = "corvanectl: " + folder.Path(c.faultFolder).string() + ": " + c.reason +
                               std::string(kDataFolderUnusable) + "\n";
    EXPECT_EQ(run.err.substr(0, notice.size()), notice) << c.dataDir;
    EXPECT_NE(run.out.find("\ndpi.0=1000x1000\n"), std::string::npos) << run.out;
  }
}

}  // namespace
}  // namespace corvane
