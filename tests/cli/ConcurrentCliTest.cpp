// Two or three corvanectl at once on one data folder: each change either ends up on disk
// or its command says why it was not saved (exit 1); none is lost silently.
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <thread>

#include "base/TextUtil.h"
#include "support/CorvanectlRun.h"
#include "support/TempDataFolder.h"

namespace corvane {
namespace {

using testing::CliRun;
using testing::OutputLines;
using testing::RunCorvanectl;
using testing::TempDataFolder;

constexpr int kRounds = 12;

struct Outcome {
  int saved = 0;
  int refused = 0;
  std::string lastSaved;  // the value of the last command that exited 0
};

// Runs the commands one after another, as one user's script would.
Outcome RunSeries(const TempDataFolder& folder, const std::function<std::vector<std::string>(int)>& command,
                  const std::function<std::string(int)>& value) {
  Outcome outcome;
  for (int i = 0; i < kRounds; ++i) {
    const CliRun run = RunCorvanectl(folder.Root(), command(i));
    if (run.status == 0) {
      ++outcome.saved;
      outcome.lastSaved = value(i);
    } else {
      ++outcome.refused;
      // A refusal says what happened: the other program's save.
      EXPECT_EQ(run.status, 1) << run.err;
      EXPECT_TRUE(run.err.find("changed on disk") != std::string::npos ||
                  run.err.find("its lock is held") != std::string::npos)
          << run.err;
    }
  }
  return outcome;
}

std::string ShownName(const TempDataFolder& folder, int p) {
  for (const std::string& line : OutputLines(RunCorvanectl(folder.Root(), {"profile", "list"}).out)) {
    const std::string key = "profile." + std::to_string(p) + "=";
    if (line.rfind(key, 0) == 0) return line.substr(key.size());
  }
  return {};
}

TEST(ConcurrentCli, NoChangeIsLostWithoutSayingSo) {
  TempDataFolder folder;
  ASSERT_EQ(RunCorvanectl(folder.Root(), {"init"}).status, 0);
  Outcome renames1, renames2, macros;
  std::thread a([&] {
    renames1 = RunSeries(
        folder, [](int i) { return std::vector<std::string>{"profile", "rename", "1", "A" + std::to_string(i)}; },
        [](int i) { return "A" + std::to_string(i); });
  });
  std::thread b([&] {
    renames2 = RunSeries(
        folder, [](int i) { return std::vector<std::string>{"profile", "rename", "2", "B" + std::to_string(i)}; },
        [](int i) { return "B" + std::to_string(i); });
  });
  std::thread c([&] {
    macros = RunSeries(
        folder, [](int i) { return std::vector<std::string>{"macro", "add", "M" + std::to_string(i) + "_"}; },
        [](int i) { return "M" + std::to_string(i) + "_"; });
  });
  a.join();
  b.join();
  c.join();
  // The last saved change of each series is what the folder holds: nothing later wrote
  // over it without seeing it.
  if (renames1.saved > 0) {
    EXPECT_EQ(ShownName(folder, 1), renames1.lastSaved);
  }
  if (renames2.saved > 0) {
    EXPECT_EQ(ShownName(folder, 2), renames2.lastSaved);
  }
  // Every macro whose command succeeded is in the library.
  const std::string list = RunCorvanectl(folder.Root(), {"macro", "list"}).out;
  int inLibrary = 0;
  for (int i = 0; i < kRounds; ++i) inLibrary += list.find("M" + std::to_string(i) + "_") != std::string::npos ? 1 : 0;
  EXPECT_EQ(inLibrary, macros.saved) << list;
  EXPECT_GT(renames1.saved + renames2.saved + macros.saved, 0);
  std::printf("[ figures  ] %d commands at once: %d saved, %d refused with a message, none lost\n", 3 * kRounds,
              renames1.saved + renames2.saved + macros.saved, renames1.refused + renames2.refused + macros.refused);
}

}  // namespace
}  // namespace corvane
