// A save that cannot be written (a full disk, a read-only data folder) fails with a
// message naming the file and the reason, leaves the old files whole and leaves no
// temporary file behind; the next start loads the user's data.
//
// The full disk is a real one: a small tmpfs mounted in a user and mount namespace of the
// test's own (no root needed). Where the system allows no such namespace, the disk limit
// is RLIMIT_FSIZE instead (the write then fails with "file too large"), and the read-only
// folder is a folder without write permission (skipped when running as root, which
// ignores it).
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sched.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <functional>
#include <memory>

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

constexpr int kNoNamespace = 77;

std::unique_ptr<AppContext> Load(const fs::path& folder) {
  auto ctx = std::make_unique<AppContext>();
  ctx->DataFolder = folder;
  RunStartupLoad(*ctx);
  return ctx;
}

bool WriteProc(const char* file, const std::string& text) {
  std::ofstream out(file);
  out << text;
  out.close();
  return !out.fail();
}

// In a forked child: a namespace of its own where dir holds a fresh tmpfs.
bool MountPrivateTmpfs(const fs::path& dir, const char* options) {
  const uid_t uid = ::getuid();
  const gid_t gid = ::getgid();
  if (::unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0) return false;
  WriteProc("/proc/self/setgroups", "deny");
  if (!WriteProc("/proc/self/uid_map", "0 " + std::to_string(uid) + " 1")) return false;
  if (!WriteProc("/proc/self/gid_map", "0 " + std::to_string(gid) + " 1")) return false;
  if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) return false;
  return ::mount("corvane-test", dir.c_str(), "tmpfs", 0, options) == 0;
}

// Runs f in a child process; its exit status, or 128 + the signal that ended it.
int InChild(const std::function<int()>& f) {
  std::fflush(nullptr);
  const pid_t pid = ::fork();
  if (pid == 0) ::_exit(f());
  int status = 0;
  ::waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

#define CHILD_CHECK(condition, code)                                          \
  do {                                                                        \
    if (!(condition)) {                                                       \
      std::fprintf(stderr, "check failed: %s (line %d)\n", #condition, __LINE__); \
      return code;                                                            \
    }                                                                         \
  } while (0)

void MakeOld(AppContext& ctx) {
  ctx.Profiles[1].SetProfileName(u"Alpha");
  ctx.CurrentProfileIndex = 1;
  for (int i = 0; i < 3; ++i) ctx.Macros.PlaceMacro(MacroLocation::Top(i), std::make_unique<MacroItem>(u"Old"));
}

void MakeNew(AppContext& ctx) {
  ctx.Profiles[1].SetProfileName(u"Bravo");
  ctx.CurrentProfileIndex = 2;
  for (int i = 0; i < 40; ++i)
    ctx.Macros.PlaceMacro(MacroLocation::Top(i), std::make_unique<MacroItem>(u"New " + FormatDecimal(i)));
}

const char* const kFiles[] = {"config/config.ini", "config/default1.psf", "config/MacroLibraryFile.mlf"};

struct Snapshot {
  std::vector<std::string> bytes;
  explicit Snapshot(const fs::path& data) {
    for (const char* f : kFiles) {
      std::string b;
      ReadFileBytes(data / f, b);
      bytes.push_back(b);
    }
  }
  bool operator==(const Snapshot&) const = default;
};

int TempFiles(const fs::path& data) {
  int n = 0;
  for (const auto& e : fs::directory_iterator(data / "config")) n += IsLeftoverTempName(e.path().filename().string());
  return n;
}

// The new state's saves all fail, each naming its file and the expected reason; the old
// files and the next start's load are untouched by them. A folder that cannot be written
// is told at the load already (folderNotice; empty: nothing to tell).
int SavesFailAndKeepTheOld(const fs::path& data, const std::string& reason, bool configToo,
                           const std::string& folderNotice = {}) {
  const Snapshot before(data);
  const std::vector<std::string> notices =
      folderNotice.empty() ? std::vector<std::string>{} : std::vector<std::string>{folderNotice};
  auto ctx = Load(data);
  CHILD_CHECK(ctx->FileNotices == notices, 10);
  MakeNew(*ctx);
  std::string why;
  CHILD_CHECK(!SaveProfilesThenConfig(*ctx, &why), 11);
  std::fprintf(stderr, "settings: %s\n", why.c_str());
  CHILD_CHECK(why.find(reason) != std::string::npos, 12);
  CHILD_CHECK(why.find(".psf: ") != std::string::npos || why.find("config.ini: ") != std::string::npos, 13);
  if (configToo) {
    CHILD_CHECK(!SaveCurrentProfileIndex(*ctx, &why), 14);
    CHILD_CHECK(why == "config/config.ini: " + reason, 15);
  }
  CHILD_CHECK(!SaveMacroLibraryFile(data, ctx->Macros, &why), 16);
  std::fprintf(stderr, "library: %s\n", why.c_str());
  CHILD_CHECK(why.find(reason) != std::string::npos, 17);
  CHILD_CHECK(Snapshot(data) == before, 18);
  CHILD_CHECK(TempFiles(data) == 0, 19);
  const auto next = Load(data);
  CHILD_CHECK(next->FileNotices == notices, 20);
  CHILD_CHECK(next->Profiles[1].ProfileName() == u"Alpha", 21);
  CHILD_CHECK(next->Macros.Level0(0).MacroItemName == u"Old", 22);
  CHILD_CHECK(next->Macros.Level0(3).MacroItemName.empty(), 23);
  return 0;
}

void PutOld(const fs::path& data) {
  auto ctx = Load(data);
  MakeOld(*ctx);
  SaveProfilesThenConfig(*ctx);
  SaveMacroLibraryFile(data, ctx->Macros);
}

TEST(FailedWrite, FullDiskKeepsTheOldFiles) {
  testing::TempDataFolder folder;
  fs::create_directories(folder.Path("mnt"));
  const fs::path data = folder.Path("mnt/data");
  const int rc = InChild([&] {
    if (!MountPrivateTmpfs(folder.Path("mnt"), "size=512k")) return kNoNamespace;
    PutOld(data);
    // Fill the disk to the last byte.
    const int fd = ::open((folder.Path("mnt") / "filler").c_str(), O_WRONLY | O_CREAT, 0600);
    const std::string chunk(16384, 'x');
    while (::write(fd, chunk.data(), chunk.size()) > 0) {
    }
    ::close(fd);
    if (const int r = SavesFailAndKeepTheOld(data, "no space left on device", true); r != 0) return r;
    // With room again, the same saves succeed.
    fs::remove(folder.Path("mnt") / "filler");
    auto ctx = Load(data);
    MakeNew(*ctx);
    CHILD_CHECK(SaveProfilesThenConfig(*ctx) && SaveMacroLibraryFile(data, ctx->Macros), 30);
    CHILD_CHECK(Load(data)->Profiles[1].ProfileName() == u"Bravo", 31);
    return 0;
  });
  if (rc != kNoNamespace) {
    std::printf("[ figures  ] full disk: a 512 KiB tmpfs in a private mount namespace\n");
    EXPECT_EQ(rc, 0);
    return;
  }
  // No namespaces here: the same failure through the file-size limit.
  PutOld(data);
  const int limited = InChild([&] {
    const rlimit limit{4096, 4096};
    ::setrlimit(RLIMIT_FSIZE, &limit);
    ::signal(SIGXFSZ, SIG_IGN);
    return SavesFailAndKeepTheOld(data, "file too large", false);
  });
  std::printf("[ figures  ] full disk: simulated with RLIMIT_FSIZE (no private tmpfs possible here)\n");
  EXPECT_EQ(limited, 0);
}

TEST(FailedWrite, ReadOnlyDataFolderKeepsTheOldFiles) {
  testing::TempDataFolder folder;
  fs::create_directories(folder.Path("mnt"));
  const fs::path data = folder.Path("mnt/data");
  const int rc = InChild([&] {
    if (!MountPrivateTmpfs(folder.Path("mnt"), "size=1m")) return kNoNamespace;
    PutOld(data);
    if (::mount("corvane-test", folder.Path("mnt").c_str(), "tmpfs", MS_REMOUNT | MS_RDONLY, "size=1m") != 0)
      return kNoNamespace;
    return SavesFailAndKeepTheOld(data, "read-only file system", true,
                                  data.string() + ": read-only file system" + std::string(kDataFolderUnusable));
  });
  if (rc != kNoNamespace) {
    std::printf("[ figures  ] read-only folder: a tmpfs remounted read-only in a private mount namespace\n");
    EXPECT_EQ(rc, 0);
    return;
  }
  if (::geteuid() == 0) GTEST_SKIP() << "no private mount namespace, and root ignores folder permissions";
  PutOld(data);
  fs::permissions(data / "config", fs::perms::owner_read | fs::perms::owner_exec);
  const int denied = InChild([&] {
    return SavesFailAndKeepTheOld(data, "permission denied", true,
                                  (data / "config").string() + ": permission denied" + std::string(kDataFolderUnusable));
  });
  fs::permissions(data / "config", fs::perms::owner_all);
  EXPECT_EQ(denied, 0);
}

}  // namespace
}  // namespace corvane
