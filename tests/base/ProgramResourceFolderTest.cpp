// Where the program looks for its shipped files: beside itself in a build tree, in the
// installed data folder otherwise, relative to where it is, so a prefix moved as a whole
// keeps working. A "skins" that is a file, not a folder, is not taken for the build tree.
#include <gtest/gtest.h>

#include <filesystem>

#include "base/DataFolder.h"
#include "support/TempDataFolder.h"

namespace corvane::testing {
namespace {

TEST(ProgramResourceFolderTest, BuildTreeOrInstalledPrefix) {
  TempDataFolder tmp;
  tmp.PutBytes("build/skins/exit_nr.png", "png");
  tmp.PutBytes("prefix/share/corvane/skins/exit_nr.png", "png");
  tmp.PutBytes("odd/bin/skins", "not a folder");
  std::filesystem::create_directories(tmp.Path("prefix/bin"));
  struct Case {
    const char* exeFolder;
    const char* expected;
  };
  const Case cases[] = {
      {"build", "build"},
      {"prefix/bin", "prefix/share/corvane"},
      {"odd/bin", "odd/share/corvane"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ProgramResourceFolder(tmp.Path(c.exeFolder)), tmp.Path(c.expected).lexically_normal()) << c.exeFolder;
  }
}

}  // namespace
}  // namespace corvane::testing
