// What a quick-launch target starts: never through a shell, only a file that exists (or an
// address), never for root.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "base/TextUtil.h"
#include "platform/XdgLauncher.h"
#include "support/TempDataFolder.h"

namespace corvane {
namespace {

using Command = std::vector<std::string>;
constexpr uid_t kUser = 1000;

TEST(XdgLauncher, StartsOnlyWhatExists) {
  testing::TempDataFolder folder;
  folder.PutBytes("tool.sh", "#!/bin/sh\n");
  std::filesystem::permissions(folder.Path("tool.sh"), std::filesystem::perms::owner_all);
  folder.PutBytes("notes.txt", "x");
  folder.PutBytes("odd; rm -rf ~.txt", "x");
  const std::string root = folder.Root().string();

  struct Case {
    std::string target;
    Command command;
  };
  const Case cases[] = {
      {root + "/tool.sh", {root + "/tool.sh"}},                     // a program: started itself
      {root + "/notes.txt", {"xdg-open", root + "/notes.txt"}},     // a document: its application
      {root, {"xdg-open", root}},                                   // a folder
      {root + "\\notes.txt", {"xdg-open", root + "/notes.txt"}},    // written on Windows
      {root + "/odd; rm -rf ~.txt", {"xdg-open", root + "/odd; rm -rf ~.txt"}},  // one argument, no shell
      {"https://example.org/a b", {"xdg-open", "https://example.org/a b"}},
      {"mailto:someone@example.org", {"xdg-open", "mailto:someone@example.org"}},
      {root + "/missing.txt", {}},
      {root + "/missing; touch x", {}},
      {"C:\\Program Files\\Game\\game.exe", {}},
      {"--help", {}},      // an option to xdg-open, not a file
      {"-x://y", {}},
      {"", {}},
  };
  for (const auto& c : cases) EXPECT_EQ(cli::LaunchCommand(U16(c.target), kUser), c.command) << c.target;
}

TEST(XdgLauncher, RootStartsNothing) {
  testing::TempDataFolder folder;
  folder.PutBytes("notes.txt", "x");
  for (const std::string& target : {folder.Path("notes.txt").string(), std::string("https://example.org")}) {
    EXPECT_FALSE(cli::LaunchCommand(U16(target), kUser).empty()) << target;
    EXPECT_TRUE(cli::LaunchCommand(U16(target), 0).empty()) << target;
  }
}

}  // namespace
}  // namespace corvane
