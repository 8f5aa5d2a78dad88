// Where the data folder is, and what is said at start when it cannot be used.
#include "base/DataFolder.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "support/TempDataFolder.h"

namespace corvane {
namespace {

namespace fs = std::filesystem;

// Sets (or, with nullopt, unsets) an environment variable for one test and puts it back.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const std::optional<std::string>& value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    if (value)
      ::setenv(name, value->c_str(), 1);
    else
      ::unsetenv(name);
  }
  ~ScopedEnv() {
    if (old_)
      ::setenv(name_, old_->c_str(), 1);
    else
      ::unsetenv(name_);
  }
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

 private:
  const char* name_;
  std::optional<std::string> old_;
};

TEST(DefaultDataFolder, FollowsTheEnvironmentAndNeverGuessesTheCurrentDirectory) {
  struct Case {
    std::optional<std::string> dataDir, xdg, home;
    std::string expected;  // empty: no data folder
  };
  const Case cases[] = {
      {"/d", "/x", "/h", "/d"},
      {std::nullopt, "/x", "/h", "/x/CorvaneData20250827A"},
      {"", "/x", "/h", "/x/CorvaneData20250827A"},
      {std::nullopt, std::nullopt, "/h", "/h/.local/share/CorvaneData20250827A"},
      {std::nullopt, "", "/h", "/h/.local/share/CorvaneData20250827A"},
      {std::nullopt, std::nullopt, std::nullopt, ""},
      {std::nullopt, "", "", ""},
  };
  for (const Case& c : cases) {
    const ScopedEnv dataDir("CORVANE_DATA_DIR", c.dataDir);
    const ScopedEnv xdg("XDG_DATA_HOME", c.xdg);
    const ScopedEnv home("HOME", c.home);
    EXPECT_EQ(DefaultDataFolder(), fs::path(c.expected))
        << c.dataDir.value_or("-") << " " << c.xdg.value_or("-") << " " << c.home.value_or("-");
  }
}

// Each way the folder can be unusable names the folder at fault and the reason.
TEST(EnsureDataFolder, NamesTheFolderAndTheReason) {
  struct Case {
    const char* what;
    const char* dataFolder;    // inside the test folder
    const char* file;          // a regular file put there first, or nullptr
    const char* faultFolder;   // the folder the message names (inside the test folder)
    const char* reason;        // empty: usable
    bool asOtherUser = false;  // permissions: root writes anywhere
  };
  const Case cases[] = {
      {"missing: created", "new/data", nullptr, "", ""},
      {"a regular file", "data", "data", "data", "not a folder"},
      {"below a regular file", "file/data", "file", "file/data", "not a directory"},
      {"config a regular file", "data", "data/config", "data/config", "not a folder"},
      {"config not writable", "data", nullptr, "data/config", "permission denied", true},
  };
  for (const Case& c : cases) {
    if (c.asOtherUser && ::geteuid() == 0) {
      std::printf("[ skipped  ] %s: root ignores folder permissions (the read-only case runs in FailedWrite)\n",
                  c.what);
      continue;
    }
    testing::TempDataFolder folder;
    if (c.file) folder.PutBytes(c.file, "x");
    const fs::path data = folder.Path(c.dataFolder);
    if (c.asOtherUser) {
      fs::create_directories(data / "config");
      fs::permissions(data / "config", fs::perms::owner_read | fs::perms::owner_exec);
    }
    std::string problem;
    const bool usable = EnsureDataFolder(data, &problem);
    if (c.asOtherUser) fs::permissions(data / "config", fs::perms::owner_all);
    if (*c.reason == '\0') {
      EXPECT_TRUE(usable) << c.what << ": " << problem;
      EXPECT_TRUE(fs::is_directory(data / "config")) << c.what;
    } else {
      EXPECT_FALSE(usable) << c.what;
      EXPECT_EQ(problem, folder.Path(c.faultFolder).string() + ": " + c.reason) << c.what;
    }
  }
  std::string problem;
  EXPECT_FALSE(EnsureDataFolder({}, &problem));
  EXPECT_EQ(problem, kNoDataFolderText);
}

}  // namespace
}  // namespace corvane
