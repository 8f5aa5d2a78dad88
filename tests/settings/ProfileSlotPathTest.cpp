// Where config.ini's profile paths may lead: inside the data folder, or to an absolute
// place the user chose; never out of the folder by "..", never over a directory, a FIFO
// or a device, and through a symbolic link to its target.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <functional>

#include "settings/ConfigTable.h"
#include "settings/ProfileFile.h"
#include "support/DefaultProfileGolden.h"
#include "support/SettingsTestContext.h"

namespace corvane {
namespace {

namespace fs = std::filesystem;
using testing::DefaultConfigLines;
using testing::DefaultProfileLines;
using testing::JoinLines;
using testing::SettingsTestContext;
using testing::Utf16File;

void PutConfigWithSlot(const SettingsTestContext& t, int p, std::u16string_view path) {
  auto lines = DefaultConfigLines();
  lines[static_cast<std::size_t>(13 + p)] = u"ProfileSlot" + FormatDecimal(p) + u"URL=" + std::u16string(path);
  t.folder.PutText("config/config.ini", JoinLines(lines));
}

TEST(ProfileSlotPath, UnusableSlotsAreToldAndNeverWritten) {
  struct Case {
    const char* what;
    std::u16string slot;
    std::function<void(const SettingsTestContext&)> place;
    const char* notice;  // what the notice says
    const char* saveReason;
  };
  const Case cases[] = {
      {"climbs out of the data folder", u"..\\..\\outside.psf", nullptr, "points outside the data folder",
       "is not usable"},
      {"climbs out after going in", u"config\\..\\..\\outside.psf", nullptr, "points outside the data folder",
       "is not usable"},
      {"a directory", u"config\\a-folder",
       [](const auto& t) { fs::create_directories(t.folder.Path("config/a-folder")); },
       "config/a-folder: a directory, not a file", "config/a-folder: a directory, not a file"},
      {"a FIFO", u"config\\a-fifo",
       [](const auto& t) { ASSERT_EQ(::mkfifo(t.folder.Path("config/a-fifo").c_str(), 0600), 0); },
       "config/a-fifo: not a regular file", "config/a-fifo: not a regular file"},
      {"a device", u"/dev/null", nullptr, "/dev/null: not a regular file", "/dev/null: not a regular file"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    SettingsTestContext t;
    PutConfigWithSlot(t, 2, c.slot);
    if (c.place) c.place(t);
    const auto before = t.folder.Snapshot();
    // Returns at once even for the FIFO: it is never opened.
    EXPECT_EQ(LoadConfig(*t.ctx, t.ctx->Language), 1);
    ASSERT_FALSE(t.ctx->FileNotices.empty());
    EXPECT_NE(t.ctx->FileNotices[0].find(c.notice), std::string::npos) << t.ctx->FileNotices[0];
    EXPECT_EQ(t.ctx->Profiles[2].ProfileName(), u"T87");  // its defaults, in memory only
    std::string why;
    EXPECT_FALSE(SaveAllProfiles(*t.ctx, &why));
    EXPECT_NE(why.find(c.saveReason), std::string::npos) << why;
    // The other four slots were written, nothing at or outside the unusable one.
    EXPECT_FALSE(fs::exists(t.folder.Root().parent_path() / "outside.psf"));
    EXPECT_FALSE(fs::exists(t.folder.Root() / "outside.psf"));
    for (const auto& [name, bytes] : before) {
      if (name.find("default") == std::string::npos) {
        EXPECT_EQ(t.folder.Bytes(name), bytes) << name;
      }
    }
    EXPECT_TRUE(t.folder.Exists("config/default4.psf"));
  }
}

TEST(ProfileSlotPath, AbsoluteAndLinkedSlotsAreTheUsersChoice) {
  SettingsTestContext t;
  const fs::path mine = t.folder.Path("mine/travel.psf");
  auto lines = DefaultConfigLines();
  lines[14] = u"ProfileSlot1URL=" + mine.u16string();
  lines[15] = u"ProfileSlot2URL=config\\linked.psf";
  t.folder.PutText("config/config.ini", JoinLines(lines));
  auto travel = DefaultProfileLines(t.ctx->Language, 1);
  travel[1] = u"ProfileName=Travel";
  t.folder.PutText("mine/travel.psf", JoinLines(travel));
  auto linked = DefaultProfileLines(t.ctx->Language, 2);
  linked[1] = u"ProfileName=Linked";
  t.folder.PutText("synced/real.psf", JoinLines(linked));
  fs::create_symlink("../synced/real.psf", t.folder.Path("config/linked.psf"));

  EXPECT_EQ(LoadConfig(*t.ctx, t.ctx->Language), 1);
  EXPECT_TRUE(t.ctx->FileNotices.empty());
  EXPECT_EQ(t.ctx->Profiles[1].ProfileName(), u"Travel");
  EXPECT_EQ(t.ctx->Profiles[2].ProfileName(), u"Linked");
  t.ctx->Profiles[2].SetProfileName(u"Renamed");
  ASSERT_TRUE(SaveAllProfiles(*t.ctx));
  // The link still links; its target holds the save.
  EXPECT_TRUE(fs::is_symlink(t.folder.Path("config/linked.psf")));
  linked[1] = u"ProfileName=Renamed";
  EXPECT_EQ(t.folder.Bytes("synced/real.psf"), Utf16File(JoinLines(linked)));
  EXPECT_EQ(t.folder.Bytes("mine/travel.psf"), Utf16File(JoinLines(travel)));
}

}  // namespace
}  // namespace corvane
