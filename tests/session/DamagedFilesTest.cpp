// A damaged stored file is kept aside, the user is told, what can be read is loaded, and
// nothing is written over it: for config.ini, a profile file and the macro library, each
// with every kind of damage a user's editor, a copy or the disk can do to it.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <functional>
#include <memory>

#include "base/TextUtil.h"
#include "macros/MacroLibraryFile.h"
#include "session/AppContext.h"
#include "session/ConfigSave.h"
#include "session/StartupLoad.h"
#include "settings/ConfigTable.h"
#include "settings/ProfileFile.h"
#include "support/TempDataFolder.h"

namespace corvane {
namespace {

namespace fs = std::filesystem;
using testing::TempDataFolder;

std::unique_ptr<AppContext> Load(const TempDataFolder& folder) {
  auto ctx = std::make_unique<AppContext>();
  ctx->DataFolder = folder.Root();
  RunStartupLoad(*ctx);
  return ctx;
}

// A data folder holding the user's own settings: profile 2 is current, profile 4 lives in
// a file of its own, profile 1 is renamed with its own DPI level 0, and the library holds
// two macros.
void PutUserData(const TempDataFolder& folder) {
  auto ctx = Load(folder);
  ctx->CurrentProfileIndex = 2;
  ctx->Config.Pairs[kConfigProfileSlot0URL + 4].Value = u"config\\mine4.psf";
  ctx->Profiles[1].SetProfileName(u"Kept 1");
  ctx->Profiles[1].XYSettingX[0] = 0x64;
  ctx->Macros.PlaceMacro(MacroLocation::Top(0), std::make_unique<MacroItem>(u"First"));
  ctx->Macros.PlaceMacro(MacroLocation::Top(1), std::make_unique<MacroItem>(u"Second"));
  ASSERT_TRUE(SaveProfilesThenConfig(*ctx));
  ASSERT_TRUE(SaveMacroLibraryFile(ctx->DataFolder, ctx->Macros));
}

// What each file contributes: kept, the user's data near its start; whole, also what
// lies near its end.
struct FileKind {
  const char* file;
  std::function<bool(const AppContext&)> kept;
  std::function<bool(const AppContext&)> whole;
};

const FileKind kKinds[] = {
    {"config/config.ini", [](const AppContext& c) { return c.Config.GetCurrentProfile() == 2; },
     [](const AppContext& c) { return c.Config.ProfileSlotText(4) == u"config\\mine4.psf"; }},
    {"config/default1.psf", [](const AppContext& c) { return c.Profiles[1].ProfileName() == u"Kept 1"; },
     [](const AppContext& c) { return c.Profiles[1].XYSettingX[0] == 0x64; }},
    {"config/MacroLibraryFile.mlf", [](const AppContext& c) { return c.Macros.Level0(0).MacroItemName == u"First"; },
     [](const AppContext& c) { return c.Macros.Level0(1).MacroItemName == u"Second"; }},
};

std::u16string Utf16Text(const std::string& bytes) {
  std::u16string text;
  for (std::size_t i = 2; i + 1 < bytes.size(); i += 2)
    text.push_back(static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                         (static_cast<unsigned char>(bytes[i + 1]) << 8)));
  return text;
}

std::string FirstLines(const std::string& bytes, int lines) {
  std::size_t i = 2;
  for (int n = 0; n < lines && i + 1 < bytes.size(); i += 2) {
    if (bytes[i] == '\n' && bytes[i + 1] == '\0') ++n;
  }
  return bytes.substr(0, i);
}

enum class Found { Aside, LeftInPlace };

struct Damage {
  const char* what;
  // The damaged bytes made from the sound file's bytes; empty for a non-file.
  std::function<std::string(const std::string&)> bytes;
  std::function<void(const fs::path&)> place;  // for what is not a regular file
  Found found;
  bool everythingRecovered;  // else: only what lies before the damage
  std::vector<std::string> earlyPartLostFor;  // kinds whose early part does not survive
};

const Damage kDamages[] = {
    {"carriage returns",
     [](const std::string& b) {
       std::u16string crlf;
       for (char16_t c : Utf16Text(b)) {
         if (c == u'\n') crlf.push_back(u'\r');
         crlf.push_back(c);
       }
       return testing::Utf16File(crlf);
     },
     nullptr, Found::Aside, true, {}},
    {"UTF-8 copy", [](const std::string& b) { return Utf8(Utf16Text(b)); }, nullptr, Found::Aside, true, {}},
    {"UTF-8 copy with a mark", [](const std::string& b) { return "\xEF\xBB\xBF" + Utf8(Utf16Text(b)); }, nullptr,
     Found::Aside, true, {}},
    {"no byte-order mark", [](const std::string& b) { return b.substr(2); }, nullptr, Found::Aside, true, {}},
    {"truncated", [](const std::string& b) { return b.substr(0, (b.size() * 3 / 5) & ~std::size_t{1}); }, nullptr,
     Found::Aside, false, {}},
    {"short", [](const std::string& b) { return FirstLines(b, 7); }, nullptr, Found::Aside, false,
     {"config/MacroLibraryFile.mlf"}},
    {"empty", [](const std::string&) { return std::string(); }, nullptr, Found::Aside, false,
     {"config/config.ini", "config/default1.psf", "config/MacroLibraryFile.mlf"}},
    {"oversized", [](const std::string& b) { return b; },
     [](const fs::path& p) { ASSERT_EQ(::truncate(p.c_str(), 65 * 1024 * 1024), 0); }, Found::Aside, false,
     {"config/config.ini", "config/default1.psf", "config/MacroLibraryFile.mlf"}},
    {"directory", nullptr, [](const fs::path& p) { fs::create_directory(p); }, Found::LeftInPlace, false,
     {"config/config.ini", "config/default1.psf", "config/MacroLibraryFile.mlf"}},
    {"FIFO", nullptr, [](const fs::path& p) { ASSERT_EQ(::mkfifo(p.c_str(), 0600), 0); }, Found::LeftInPlace, false,
     {"config/config.ini", "config/default1.psf", "config/MacroLibraryFile.mlf"}},
};

std::vector<fs::path> KeptCopies(const fs::path& file) {
  std::vector<fs::path> copies;
  for (const auto& e : fs::directory_iterator(file.parent_path())) {
    if (e.path().filename().string().rfind(file.filename().string() + ".damaged-", 0) == 0) copies.push_back(e.path());
  }
  return copies;
}

bool IsRegular(const fs::path& p) { return fs::is_regular_file(fs::symlink_status(p)); }

TEST(DamagedFiles, AreKeptAsideToldAndReadAsFarAsTheyGo) {
  for (const FileKind& kind : kKinds) {
    for (const Damage& damage : kDamages) {
      SCOPED_TRACE(std::string(kind.file) + ", " + damage.what);
      TempDataFolder folder;
      PutUserData(folder);
      const fs::path file = folder.Path(kind.file);
      const std::string sound = folder.Bytes(kind.file);
      std::string damaged;
      if (damage.bytes) {
        damaged = damage.bytes(sound);
        folder.PutBytes(kind.file, damaged);
      } else {
        fs::remove(file);
      }
      if (damage.place) damage.place(file);
      // The other files, which no damage of this one may reset.
      auto others = folder.Snapshot();
      others.erase(std::remove_if(others.begin(), others.end(), [&](const auto& f) { return f.first == kind.file; }),
                   others.end());

      const auto ctx = Load(folder);
      // Told once, naming the file.
      ASSERT_EQ(ctx->FileNotices.size(), 1u);
      EXPECT_EQ(ctx->FileNotices[0].rfind(std::string(kind.file) + ": ", 0), 0u) << ctx->FileNotices[0];
      // Kept: aside with its bytes, or left where it is.
      const auto copies = KeptCopies(file);
      if (damage.found == Found::Aside) {
        ASSERT_EQ(copies.size(), 1u);
        if (damage.place) {
          EXPECT_EQ(fs::file_size(copies[0]), 65u * 1024 * 1024);
        } else {
          EXPECT_EQ(folder.Bytes(fs::relative(copies[0], folder.Root()).string()), damaged);
        }
        EXPECT_NE(ctx->FileNotices[0].find(copies[0].filename().string()), std::string::npos);
      } else {
        EXPECT_TRUE(copies.empty());
        EXPECT_FALSE(IsRegular(file));
      }
      // What could be read was read; the other files' data is untouched.
      const bool lostEarly = std::find(damage.earlyPartLostFor.begin(), damage.earlyPartLostFor.end(),
                                       std::string(kind.file)) != damage.earlyPartLostFor.end();
      EXPECT_EQ(kind.kept(*ctx), !lostEarly);
      if (damage.everythingRecovered) {
        EXPECT_TRUE(kind.whole(*ctx));
      }
      for (const FileKind& other : kKinds) {
        if (&other != &kind) {
          EXPECT_TRUE(other.kept(*ctx)) << other.file;
        }
      }
      auto after = folder.Snapshot();
      for (const auto& f : others) {
        const auto it = std::find_if(after.begin(), after.end(), [&](const auto& a) { return a.first == f.first; });
        ASSERT_NE(it, after.end()) << f.first;
        // config.ini is rewritten with the same text when a profile file was damaged.
        EXPECT_EQ(it->second, f.second) << f.first;
      }

      // A save afterwards never writes over a directory or FIFO; the kept copy stays.
      const bool libraryKind = std::string(kind.file).find(".mlf") != std::string::npos;
      const bool saved = libraryKind ? SaveMacroLibraryFile(ctx->DataFolder, ctx->Macros)
                                     : SaveProfilesThenConfig(*ctx);
      EXPECT_EQ(saved, damage.found == Found::Aside);
      EXPECT_EQ(KeptCopies(file).size(), copies.size());
      if (damage.found == Found::LeftInPlace) {
        EXPECT_FALSE(IsRegular(file));
      }

      // Told once: the next start finds sound files and says nothing.
      if (damage.found == Found::Aside) {
        const auto next = Load(folder);
        EXPECT_TRUE(next->FileNotices.empty()) << next->FileNotices.front();
        EXPECT_EQ(kind.kept(*next), !lostEarly);
      }
    }
  }
}

TEST(DamagedFiles, CarriageReturnsAloneLoseNothing) {
  // An editor's CRLF save of config.ini: every one of the seventeen settings survives,
  // including a renamed key's value the defaults do not know.
  TempDataFolder folder;
  PutUserData(folder);
  std::u16string text = Utf16Text(folder.Bytes("config/config.ini"));
  std::u16string crlf;
  for (char16_t c : text) {
    if (c == u'\n') crlf.push_back(u'\r');
    crlf.push_back(c);
  }
  folder.PutText("config/config.ini", crlf);
  const auto ctx = Load(folder);
  ASSERT_EQ(ctx->FileNotices.size(), 1u);
  EXPECT_NE(ctx->FileNotices[0].find("carriage-return"), std::string::npos) << ctx->FileNotices[0];
  EXPECT_NE(ctx->FileNotices[0].find("17 of 17"), std::string::npos) << ctx->FileNotices[0];
  EXPECT_EQ(folder.Bytes("config/config.ini"), testing::Utf16File(text));
}

TEST(DamagedFiles, AFirstStartAndAbsentFilesAreNoDamage) {
  TempDataFolder folder;
  auto first = Load(folder);
  EXPECT_TRUE(first->FileNotices.empty());
  // config.ini gone, profile files there: they are read, not reset.
  PutUserData(folder);
  fs::remove(folder.Path("config/config.ini"));
  const std::string profile = folder.Bytes("config/default1.psf");
  const auto ctx = Load(folder);
  EXPECT_TRUE(ctx->FileNotices.empty());
  EXPECT_EQ(ctx->Profiles[1].ProfileName(), u"Kept 1");
  EXPECT_EQ(folder.Bytes("config/default1.psf"), profile);
  EXPECT_TRUE(KeptCopies(folder.Path("config/config.ini")).empty());
}

}  // namespace
}  // namespace corvane
