// A save killed with SIGKILL at any moment leaves every file either as it was or as the
// save meant it, never cut short or empty; the next start loads the user's data (not
// defaults), finds nothing damaged and removes the temporary file the kill left.
//
// Each trial puts the old state on disk, forks a child that saves the new state once, and
// kills it after a random delay drawn across the time such a save takes (measured first),
// so the kills land before, during and after the writes, the flushes and the renames.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>
#include <random>
#include <thread>

#include "base/TextUtil.h"
#include "base/UnicodeTextFile.h"
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
using Clock = std::chrono::steady_clock;
using testing::TempDataFolder;

constexpr int kTrialsPerKind = 80;

std::unique_ptr<AppContext> Load(const fs::path& folder) {
  auto ctx = std::make_unique<AppContext>();
  ctx->DataFolder = folder;
  RunStartupLoad(*ctx);
  return ctx;
}

int TempFilesIn(const fs::path& folder) {
  int n = 0;
  for (const auto& e : fs::directory_iterator(folder)) n += IsLeftoverTempName(e.path().filename().string()) ? 1 : 0;
  return n;
}

// One kind of save: how the old and the new state are made, and what a load of each shows.
struct SaveKind {
  const char* name;
  std::vector<const char*> files;
  std::function<void(AppContext&)> toOld;
  std::function<void(AppContext&)> toNew;
  std::function<bool(AppContext&)> save;
  // "old", "new", or empty for a state that is neither (a failure).
  std::function<std::string(const AppContext&)> seen;
};

void NameProfile(AppContext& ctx, int p, std::u16string_view name, std::uint16_t x) {
  ctx.Profiles[p].SetProfileName(name);
  ctx.Profiles[p].XYSettingX[0] = x;
}

void FillLibrary(AppContext& ctx, int count) {
  ctx.Macros.ClearLibrary();
  for (int i = 0; i < count; ++i) {
    auto item = std::make_unique<MacroItem>(u"Macro " + FormatDecimal(i));
    item->MacroKeyIndex = static_cast<std::uint32_t>(i + 1);
    ctx.Macros.PlaceMacro(MacroLocation::Top(i), std::move(item));
  }
  ctx.Macros.NextKeyIndex = count + 1;
}

const SaveKind kKinds[] = {
    {"config.ini", {"config/config.ini"},
     [](AppContext& c) { c.CurrentProfileIndex = 1; },
     [](AppContext& c) { c.CurrentProfileIndex = 2; },
     [](AppContext& c) { return SaveCurrentProfileIndex(c); },
     [](const AppContext& c) {
       const int p = c.Config.GetCurrentProfile();
       return std::string(p == 1 ? "old" : p == 2 ? "new" : "");
     }},
    {"profile file", {"config/default1.psf"},
     [](AppContext& c) { NameProfile(c, 1, u"Alpha", 0x11); },
     [](AppContext& c) { NameProfile(c, 1, u"Bravo", 0x22); },
     [](AppContext& c) { return WriteProfileFile(c.Profiles[1], ProfileSlotPath(c, 1)); },
     [](const AppContext& c) {
       const ProfileRecord& r = c.Profiles[1];
       if (r.ProfileName() == u"Alpha" && r.XYSettingX[0] == 0x11) return std::string("old");
       if (r.ProfileName() == u"Bravo" && r.XYSettingX[0] == 0x22) return std::string("new");
       return std::string();
     }},
    {"macro library", {"config/MacroLibraryFile.mlf"},
     [](AppContext& c) { FillLibrary(c, 3); },
     [](AppContext& c) { FillLibrary(c, 40); },
     [](AppContext& c) { return SaveMacroLibraryFile(c.DataFolder, c.Macros); },
     [](const AppContext& c) {
       int n = 0;
       c.Macros.ForEachUsedNode([&](const MacroLocation&, const MacroNode&) { ++n; });
       return std::string(n == 3 ? "old" : n == 40 ? "new" : "");
     }},
    // A profile added: its file gets the name, config.ini lists it. A kill between the
    // two must never show the new entry under the hidden profile's old name.
    {"profile add (profile files, then config.ini)",
     {"config/config.ini", "config/default0.psf", "config/default1.psf", "config/default2.psf", "config/default3.psf",
      "config/default4.psf"},
     [](AppContext& c) {
       c.Config.SetProfileShowCount(3);
       NameProfile(c, 3, u"Hidden", 0x33);
     },
     [](AppContext& c) {
       NameProfile(c, 3, u"Added", 0x44);
       c.Config.ShowNextProfile();
     },
     [](AppContext& c) { return SaveProfilesThenConfig(c); },
     [](const AppContext& c) {
       const bool listed = c.Config.GetProfileShowCount() == 4;
       const std::u16string name = c.Profiles[3].ProfileName();
       if (!listed && (name == u"Hidden" || name == u"Added")) return std::string("old");
       if (listed && name == u"Added") return std::string("new");
       return std::string();
     }},
};

// Forks a child that runs the save once and ends; returns the child's pid.
pid_t StartSave(const SaveKind& kind, const fs::path& folder) {
  const pid_t pid = ::fork();
  if (pid == 0) {
    auto ctx = std::make_unique<AppContext>();
    ctx->DataFolder = folder;
    LoadConfig(*ctx, ctx->Language);
    LoadMacroLibraryFile(folder, ctx->Macros);
    ctx->CurrentProfileIndex = ctx->Config.CurrentProfileSlot();
    kind.toNew(*ctx);
    ::_exit(kind.save(*ctx) ? 0 : 3);
  }
  return pid;
}

TEST(KilledSave, LeavesTheOldOrTheNewFileAndTheNextStartLoadsIt) {
  std::mt19937 random(20261210);
  int trials = 0, killedBeforeTheEnd = 0, tempFilesRemoved = 0, filesChecked = 0;
  for (const SaveKind& kind : kKinds) {
    SCOPED_TRACE(kind.name);
    TempDataFolder folder;
    {
      auto ctx = Load(folder.Root());
      kind.toOld(*ctx);
      ASSERT_TRUE(kind.save(*ctx));
    }
    std::vector<std::string> oldBytes, newBytes;
    for (const char* f : kind.files) oldBytes.push_back(folder.Bytes(f));
    // How long a whole save takes here, child start and end included.
    Clock::duration longest{};
    for (int i = 0; i < 3; ++i) {
      for (std::size_t f = 0; f < oldBytes.size(); ++f) folder.PutBytes(kind.files[f], oldBytes[f]);
      const auto start = Clock::now();
      const pid_t pid = StartSave(kind, folder.Root());
      int status = 0;
      ASSERT_EQ(::waitpid(pid, &status, 0), pid);
      ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
      longest = std::max(longest, Clock::now() - start);
    }
    for (const char* f : kind.files) newBytes.push_back(folder.Bytes(f));
    for (std::size_t i = 0; i < oldBytes.size(); ++i) folder.PutBytes(kind.files[i], oldBytes[i]);

    const auto micros = std::chrono::duration_cast<std::chrono::microseconds>(longest).count();
    std::uniform_int_distribution<long> delay(0, micros + micros / 4);
    int sawOld = 0, sawNew = 0;
    for (int trial = 0; trial < kTrialsPerKind; ++trial) {
      const pid_t pid = StartSave(kind, folder.Root());
      std::this_thread::sleep_for(std::chrono::microseconds(delay(random)));
      ::kill(pid, SIGKILL);
      int status = 0;
      ASSERT_EQ(::waitpid(pid, &status, 0), pid);
      killedBeforeTheEnd += WIFSIGNALED(status) ? 1 : 0;
      ++trials;

      // Every file is whole: the old or the new version, byte for byte.
      for (std::size_t i = 0; i < kind.files.size(); ++i) {
        const std::string now = folder.Bytes(kind.files[i]);
        ++filesChecked;
        ASSERT_TRUE(now == oldBytes[i] || now == newBytes[i])
            << kind.files[i] << " after trial " << trial << ": " << now.size() << " bytes";
      }
      const int temps = TempFilesIn(folder.Path("config"));
      const auto next = Load(folder.Root());
      ASSERT_TRUE(next->FileNotices.empty()) << next->FileNotices.front();
      const std::string seen = kind.seen(*next);
      ASSERT_FALSE(seen.empty()) << "trial " << trial << " shows a state that is neither before nor after";
      (seen == "old" ? sawOld : sawNew) += 1;
      ASSERT_EQ(TempFilesIn(folder.Path("config")), 0);
      tempFilesRemoved += temps;
      for (std::size_t i = 0; i < oldBytes.size(); ++i) folder.PutBytes(kind.files[i], oldBytes[i]);
    }
    // The delays spread over the save: some kills came before it, some after.
    EXPECT_GT(sawOld, 0);
    EXPECT_GT(sawNew, 0);
    std::printf("[ figures  ] %s: %d trials, old %d, new %d\n", kind.name, kTrialsPerKind, sawOld, sawNew);
  }
  std::printf("[ figures  ] %d trials, %d killed before finishing, %d file states checked, %d temporary files "
              "removed at the next start, nothing lost\n",
              trials, killedBeforeTheEnd, filesChecked, tempFilesRemoved);
}

}  // namespace
}  // namespace corvane
