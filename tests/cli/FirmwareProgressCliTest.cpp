// How corvanectl firmware update shows its progress: on a terminal one line redrawn in
// place (bar, percent, phase), with --json one object per step whose percent only rises
// within a phase, the outcome last. (Plain lines into a file: FirmwareUpdateCliTest.cpp.)
#include <gtest/gtest.h>

#include <pty.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <regex>

#include "support/DeviceCliHelpers.h"

namespace corvane {
namespace {

using testing::LanguageText;
using testing::OutputLines;
using testing::RunCorvanectl;
using testing::TempDataFolder;
using testing::WriteSimState;

// An update of the simulated mouse's older firmware.
std::vector<std::string> UpdateArgs(const std::string& stateFile) {
  return {"--simulate", "--sim-state", stateFile, "--no-wait", "firmware", "update"};
}

TEST(FirmwareProgressCli, JsonStepsRiseWithinEachPhaseThenTheOutcome) {
  TempDataFolder folder;
  auto args = UpdateArgs(WriteSimState(folder, SimState{}));
  args.insert(args.begin(), "--json");
  const auto run = RunCorvanectl(folder.Root(), args);
  ASSERT_EQ(run.status, 0) << run.err;
  const auto lines = OutputLines(run.out);
  ASSERT_GE(lines.size(), 100u);
  EXPECT_EQ(lines.back().rfind("{\"result\":\"updated\",", 0), 0u) << lines.back();

  const std::regex step(R"re(\{"phase":"([^"]*)","percent":([0-9]+\.[0-9])\})re");
  std::vector<std::string> phases;
  std::string phase;
  double percent = -1;
  double highest = 0;
  for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
    std::smatch m;
    ASSERT_TRUE(std::regex_match(lines[i], m, step)) << lines[i];
    const double p = std::stod(m[2]);
    if (m[1] != phase) {
      phase = m[1];
      phases.push_back(phase);
    } else {
      EXPECT_GE(p, percent) << "line " << i << ": " << lines[i];
      EXPECT_NE(p, percent) << "line " << i << " repeats the step before it";
    }
    percent = p;
    highest = std::max(highest, p);
  }
  EXPECT_EQ(highest, 100.0);
  for (const int text : {299, 300, 303, 293})
    EXPECT_NE(std::find(phases.begin(), phases.end(), LanguageText(folder, text)), phases.end()) << text;
  // Whole percents while writing: about a hundred lines, not one per block.
  EXPECT_LT(lines.size(), 400u);
}

// Runs corvanectl on a pseudo-terminal and returns everything it wrote there.
std::string RunOnTerminal(const std::filesystem::path& dataDir, const std::vector<std::string>& args, int& status) {
  std::vector<std::string> argv{CORVANECTL_PATH, "--data-dir", dataDir.string()};
  argv.insert(argv.end(), args.begin(), args.end());
  std::vector<char*> cargv;
  for (auto& a : argv) cargv.push_back(a.data());
  cargv.push_back(nullptr);
  int master = -1;
  const pid_t pid = forkpty(&master, nullptr, nullptr, nullptr);
  if (pid == 0) {
    execv(cargv[0], cargv.data());
    _exit(127);
  }
  std::string out;
  if (pid < 0) return out;
  char buf[4096];
  for (;;) {
    const ssize_t n = read(master, buf, sizeof buf);
    if (n <= 0) break;  // EIO once the program has closed the terminal
    out.append(buf, static_cast<std::size_t>(n));
  }
  close(master);
  int raw = 0;
  waitpid(pid, &raw, 0);
  status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  return out;
}

TEST(FirmwareProgressCli, TerminalRedrawsOneLine) {
  TempDataFolder folder;
  int status = -1;
  const std::string out = RunOnTerminal(folder.Root(), UpdateArgs(WriteSimState(folder, SimState{})), status);
  ASSERT_EQ(status, 0) << out;
  // The terminal turns each line feed into CR LF; the redraws are lone CRs.
  const auto redraws = std::count(out.begin(), out.end(), '\r') - std::count(out.begin(), out.end(), '\n');
  EXPECT_GT(redraws, 100) << out.substr(0, 400);
  // Lines of their own: the carried and the device checksum (before and after), the end.
  EXPECT_LE(std::count(out.begin(), out.end(), '\n'), 5) << out;
  EXPECT_NE(out.find("\r[##############################] 100.0%  " + LanguageText(folder, 303)), std::string::npos);
  EXPECT_NE(out.find("\r[..............................]   0.0%  " + LanguageText(folder, 299)), std::string::npos);
  // The last redraw is the outcome, and the line is finished.
  const std::size_t last = out.rfind('\r', out.size() - 3);
  ASSERT_NE(last, std::string::npos);
  EXPECT_NE(out.substr(last).find(LanguageText(folder, 293) + "\x1b[K\r\n"), std::string::npos)
      << out.substr(last);
}

}  // namespace
}  // namespace corvane
