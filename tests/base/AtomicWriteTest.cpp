// Where a save may write: only regular files, through symbolic links to their targets,
// keeping the file's permissions; and which temporary files a start may remove.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "base/DamagedFile.h"
#include "base/UnicodeTextFile.h"
#include "support/TempDataFolder.h"

namespace corvane {
namespace {

namespace fs = std::filesystem;
using testing::TempDataFolder;

TEST(AtomicWrite, ReplacesASymbolicLinksTargetAndKeepsTheLink) {
  TempDataFolder folder;
  folder.PutBytes("elsewhere/real.psf", "old");
  fs::create_directories(folder.Path("config"));
  fs::create_symlink("../elsewhere/real.psf", folder.Path("config/link.psf"));
  fs::create_symlink(folder.Path("elsewhere/new.psf"), folder.Path("config/dangling.psf"));

  ASSERT_TRUE(WriteFileAtomically(folder.Path("config/link.psf"), "new"));
  EXPECT_TRUE(fs::is_symlink(folder.Path("config/link.psf")));
  EXPECT_EQ(folder.Bytes("elsewhere/real.psf"), "new");
  // A link to a file not made yet makes it.
  ASSERT_TRUE(WriteFileAtomically(folder.Path("config/dangling.psf"), "made"));
  EXPECT_TRUE(fs::is_symlink(folder.Path("config/dangling.psf")));
  EXPECT_EQ(folder.Bytes("elsewhere/new.psf"), "made");
  // The temporary file lay beside the target, and is gone.
  for (const char* dir : {"config", "elsewhere"}) {
    for (const auto& e : fs::directory_iterator(folder.Path(dir)))
      EXPECT_FALSE(IsLeftoverTempName(e.path().filename().string())) << e.path();
  }
  // A damaged file behind a link is kept aside where it lies; the link stays for the rewrite.
  const fs::path aside = KeepDamagedFileAside(folder.Path("config/link.psf"));
  EXPECT_TRUE(fs::equivalent(aside.parent_path(), folder.Path("elsewhere")));
  EXPECT_TRUE(fs::is_symlink(folder.Path("config/link.psf")));
}

TEST(AtomicWrite, RefusesWhatIsNotARegularFile) {
  TempDataFolder folder;
  fs::create_directories(folder.Path("a-folder"));
  ASSERT_EQ(::mkfifo(folder.Path("a-fifo").c_str(), 0600), 0);
  fs::create_symlink("/dev/null", folder.Path("to-device"));
  fs::create_symlink(folder.Path("a-fifo"), folder.Path("to-fifo"));
  struct Case {
    const char* name;
    const char* reason;
  };
  for (const Case c : {Case{"a-folder", "a directory, not a file"}, Case{"a-fifo", "not a regular file"},
                       Case{"to-device", "not a regular file"}, Case{"to-fifo", "not a regular file"}}) {
    std::string why;
    EXPECT_FALSE(WriteFileAtomically(folder.Path(c.name), "x", &why)) << c.name;
    EXPECT_EQ(why, c.reason) << c.name;
    std::string bytes;
    // Reading never opens them either (a FIFO would block).
    EXPECT_EQ(ReadFileBytesChecked(folder.Path(c.name), bytes), FileReadStatus::NotRegularFile) << c.name;
  }
  EXPECT_TRUE(fs::is_directory(folder.Path("a-folder")));
  EXPECT_TRUE(fs::is_fifo(folder.Path("a-fifo")));
  EXPECT_TRUE(fs::is_symlink(folder.Path("to-device")));
  std::string why;
  EXPECT_FALSE(WriteFileAtomically(folder.Path("no/such/folder/x"), "x", &why));
  EXPECT_EQ(why, "no such file or directory");
  EXPECT_FALSE(WriteFileAtomically({}, "x", &why));
}

TEST(AtomicWrite, KeepsTheFilesPermissions) {
  TempDataFolder folder;
  folder.PutBytes("private.ini", "old");
  fs::permissions(folder.Path("private.ini"), fs::perms::owner_read | fs::perms::owner_write);
  ASSERT_TRUE(WriteFileAtomically(folder.Path("private.ini"), "new"));
  EXPECT_EQ(fs::status(folder.Path("private.ini")).permissions(), fs::perms::owner_read | fs::perms::owner_write);
}

TEST(AtomicWrite, LeftoverTempFilesOfEndedProgramsAreRemoved) {
  TempDataFolder folder;
  // pid 1 is always running; a pid above the system's limit never is.
  const std::string live = "config.ini.tmp1-0";
  const std::string own = "config.ini.tmp" + std::to_string(::getpid()) + "-3";
  const std::string gone = "default1.psf.tmp2147483000-12";
  const std::string goneOther = "notes.txt.tmp2147483000-1";
  for (const std::string& name : {live, own, gone, goneOther, std::string("x.tmp12"), std::string("x.tmp-1"),
                                  std::string("x.tmpa-1"), std::string(".tmp5-1")})
    folder.PutBytes(name, "partial");
  fs::create_directories(folder.Path("dir.tmp2147483000-2"));
  EXPECT_EQ(RemoveLeftoverTempFiles(folder.Root(), "default1.psf"), 1);
  EXPECT_FALSE(folder.Exists(gone));
  EXPECT_EQ(RemoveLeftoverTempFiles(folder.Root()), 2);
  EXPECT_FALSE(folder.Exists(own));  // an earlier program that had this process's pid
  EXPECT_FALSE(folder.Exists(goneOther));
  for (const char* kept : {"config.ini.tmp1-0", "x.tmp12", "x.tmp-1", "x.tmpa-1", ".tmp5-1", "dir.tmp2147483000-2"})
    EXPECT_TRUE(folder.Exists(kept)) << kept;
}

TEST(DamagedText, IsDecodedFromWhatEditorsSave) {
  struct Case {
    const char* what;
    std::string bytes;
  };
  const std::u16string expected = u"[Setting]\nName=Ünï\n";
  const Case cases[] = {
      {"UTF-16LE", std::string("\xFF\xFE[\0S\0e\0t\0t\0i\0n\0g\0]\0\r\0\n\0N\0a\0m\0e\0=\0\xDC\0n\0\xEF\0\n\0", 42)},
      {"UTF-16LE without a mark", std::string("[\0S\0e\0t\0t\0i\0n\0g\0]\0\n\0N\0a\0m\0e\0=\0\xDC\0n\0\xEF\0\n\0", 38)},
      {"UTF-16BE", std::string("\xFE\xFF\0[\0S\0e\0t\0t\0i\0n\0g\0]\0\n\0N\0a\0m\0e\0=\0\xDC\0n\0\xEF\0\n", 40)},
      {"UTF-8 with CRLF", "[Setting]\r\nName=\xC3\x9Cn\xC3\xAF\r\n"},
      {"UTF-8 with a mark", "\xEF\xBB\xBF[Setting]\nName=\xC3\x9Cn\xC3\xAF\n"},
      {"Latin-1", "[Setting]\nName=\xDCn\xEF\n"},
  };
  for (const Case& c : cases) EXPECT_EQ(RecoverDamagedText(c.bytes), expected) << c.what;
  EXPECT_EQ(DescribeTextDamage(cases[0].bytes), "carriage-return line ends");
  EXPECT_EQ(DescribeTextDamage(cases[3].bytes), "no UTF-16 byte-order mark (saved in another encoding)");
  EXPECT_EQ(DescribeTextDamage(std::string("\xFF\xFEx\0", 4)), "");
}

}  // namespace
}  // namespace corvane
