// Two programs on one data folder: a save refuses to write over files the other program
// changed since this one read them, waits for the other's lock only so long, and minds
// only the files it writes.
#include <gtest/gtest.h>

#include <chrono>
#include <memory>

#include "base/DataFolderLock.h"
#include "macros/MacroLibraryFile.h"
#include "session/AppContext.h"
#include "session/ConfigSave.h"
#include "session/StartupLoad.h"
#include "session/StoredFilesGuard.h"
#include "support/TempDataFolder.h"

namespace corvane {
namespace {

using namespace std::chrono_literals;
using testing::TempDataFolder;

struct Program {
  std::unique_ptr<AppContext> ctx = std::make_unique<AppContext>();
  StoredFilesStamp seen;
  explicit Program(const TempDataFolder& folder) {
    ctx->DataFolder = folder.Root();
    RunStartupLoad(*ctx);
    seen = TakeStoredFilesStamp(*ctx);
  }
  GuardedSave SaveSettings(std::string* why = nullptr) {
    return RunGuardedSave(*ctx, seen, StoredFiles::Settings, 50ms,
                          [&](std::string* r) { return SaveProfilesThenConfig(*ctx, r); }, why);
  }
  GuardedSave SaveLibrary() {
    return RunGuardedSave(*ctx, seen, StoredFiles::Library, 50ms,
                          [&](std::string* r) { return SaveMacroLibraryFile(ctx->DataFolder, ctx->Macros, r); },
                          nullptr);
  }
};

TEST(StoredFilesGuard, ASaveOverAnotherProgramsChangeIsRefused) {
  TempDataFolder folder;
  Program window(folder), cli(folder);
  cli.ctx->Profiles[1].SetProfileName(u"From the other");
  ASSERT_EQ(cli.SaveSettings(), GuardedSave::Saved);
  // The window read the files before that save: its own save would undo it.
  window.ctx->Profiles[2].SetProfileName(u"Mine");
  std::string why;
  EXPECT_EQ(window.SaveSettings(&why), GuardedSave::ChangedBehind);
  EXPECT_EQ(why, "config/config.ini, config/default0.psf, config/default1.psf, config/default2.psf, "
                 "config/default3.psf, config/default4.psf changed on disk (another program saved) since this "
                 "program read it");
  EXPECT_EQ(Program(folder).ctx->Profiles[1].ProfileName(), u"From the other");
  // A library save does not write the settings and is not refused for them.
  EXPECT_EQ(window.SaveLibrary(), GuardedSave::Saved);
  // Once the window has read the files again, its saves go through; the other program's
  // next save is refused in turn.
  ReloadStoredFiles(*window.ctx, window.seen);
  EXPECT_EQ(window.ctx->Profiles[1].ProfileName(), u"From the other");
  EXPECT_EQ(window.SaveSettings(), GuardedSave::Saved);
  EXPECT_EQ(cli.SaveSettings(), GuardedSave::ChangedBehind);
  EXPECT_EQ(cli.SaveLibrary(), GuardedSave::ChangedBehind);
}

TEST(StoredFilesGuard, WaitsForTheLockOnlySoLong) {
  TempDataFolder folder;
  Program program(folder);
  const DataFolderLock other(folder.Root(), 0ms);
  ASSERT_TRUE(other.Held());
  const auto start = std::chrono::steady_clock::now();
  std::string why;
  EXPECT_EQ(program.SaveSettings(&why), GuardedSave::Busy);
  EXPECT_LT(std::chrono::steady_clock::now() - start, 2s);
  EXPECT_NE(why.find("its lock is held"), std::string::npos) << why;
}

}  // namespace
}  // namespace corvane
