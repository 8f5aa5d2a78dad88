// The firmware update's fault matrix through corvanectl: the cable pulled at the first and
// the last frame of every phase of the update (each kind of frame: reads and writes of
// each flash area, erases, unlock, restart, the final query), the mouse falling silent at
// the first frame of every phase, and each phase's own failure.
// Every run ends in bounded time with exit 1 and a message, leaves the data folder as it
// was, and a second update without the fault brings the mouse to the carried firmware.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "device/FirmwareChannel.h"
#include "device/FirmwareReport.h"
#include "support/DeviceCliHelpers.h"

namespace corvane {
namespace {

using testing::CliRun;
using testing::OutputLines;
using testing::RunCorvanectl;
using testing::TempDataFolder;
using testing::TraceLines;
using testing::TraceOf;
using testing::WriteSimState;

constexpr auto kRunLimit = std::chrono::seconds(30);

std::vector<std::string> UpdateArgs(const TempDataFolder& folder, bool trace) {
  std::vector<std::string> a{"--simulate", "--sim-state", folder.Path("sim-state.txt").string(), "--no-wait"};
  if (trace) a.insert(a.end(), {"--trace", folder.Path("trace.txt").string()});
  a.insert(a.end(), {"firmware", "update"});
  return a;
}

unsigned Byte(const std::string& line, std::size_t i) {  // "set wired BF 00 ..." byte i of the report
  return static_cast<unsigned>(std::stoul(line.substr(10 + 3 * i, 2), nullptr, 16));
}

// What a report 0xBF frame does: its operation, for a memory access whether it writes or
// asks to read, and the flash area it addresses.
std::uint32_t AddressOf(const std::string& frame) { return Byte(frame, 5) << 16 | Byte(frame, 6) << 8 | Byte(frame, 7); }

std::string KindOf(const std::string& frame) {
  const unsigned op = Byte(frame, FirmwareReport::kOperationOffset);
  const std::uint32_t address = AddressOf(frame);
  std::string kind = "op" + std::to_string(op);
  if (op == 0) kind += Byte(frame, FirmwareReport::kWriteCountOffset) != 0 ? " write" : " read";
  if (address < FirmwareFlash::kLoaderEnd) {
    kind += " loader";
  } else if (address < FirmwareFlash::kApplicationStart) {
    kind += " header";
  } else if (address < FirmwareFlash::kInfoBlock) {
    kind += " application";
  } else {
    kind += " information";
  }
  return kind;
}

// The data folder's own files (the simulated state and the trace lie beside them).
std::vector<std::pair<std::string, std::string>> ConfigFiles(const TempDataFolder& folder) {
  std::vector<std::pair<std::string, std::string>> files;
  for (auto& f : folder.Snapshot())
    if (f.first.rfind("config/", 0) == 0) files.push_back(std::move(f));
  return files;
}

struct Phase {
  std::uint32_t first = 0;  // frame numbers, from 1, counted over every feature write
  std::uint32_t last = 0;
};

TEST(FirmwareFaultMatrix, EveryPhaseUnpluggedOrFailing) {
  TempDataFolder folder;
  ASSERT_EQ(RunCorvanectl(folder.Root(), {"init"}).status, 0);
  const auto files = ConfigFiles(folder);

  // The clean update, frame by frame.
  WriteSimState(folder, SimState{});
  const CliRun clean = RunCorvanectl(folder.Root(), UpdateArgs(folder, true));
  ASSERT_EQ(clean.status, 0) << clean.err;
  const std::vector<std::string> frames = TraceOf(TraceLines(folder.Path("trace.txt")), "set");
  std::map<std::string, Phase> phases;
  for (std::uint32_t i = 0; i < frames.size(); ++i) {
    Phase& p = phases[KindOf(frames[i])];
    if (p.first == 0) p.first = i + 1;
    p.last = i + 1;
  }
  ASSERT_GE(phases.size(), 6u);

  struct Case {
    std::string what;
    SimFaults faults;
    // How many reads may go unanswered before the update gives up (silent mouse only).
    std::optional<std::size_t> unansweredReads;
  };
  std::vector<Case> cases;
  for (const auto& [kind, p] : phases) {
    for (const std::uint32_t at : {p.first, p.last}) {
      SimFaults f;
      f.unplugAtFrame = at;
      cases.push_back({"unplugged at frame " + std::to_string(at) + " (" + kind + ")", f, std::nullopt});
    }
    // The mouse stays on the bus but stops answering from the phase's first frame on:
    // each unanswered read costs the HID layer's timeout, so the update must give up
    // after a few of them instead of reading through every block.
    SimFaults silent;
    silent.fwSilentFromFrame = p.first;
    cases.push_back({"silent from frame " + std::to_string(p.first) + ", " + kind, silent,
                     static_cast<std::size_t>(kFirmwareReadAttempts)});
  }
  // Each phase's own failure: the application area refusing its block writes (from the
  // first and from the last block), a read-back that differs, a restart that leaves the
  // old application.
  ASSERT_EQ(phases.count("op0 write application"), 1u);
  const std::uint32_t lastBlock = AddressOf(frames[phases["op0 write application"].last - 1]);
  for (const std::uint32_t from : {FirmwareFlash::kApplicationStart, lastBlock}) {
    SimFaults f;
    f.fwRejectWrites = -1;
    f.fwRejectFrom = from;
    cases.push_back({"block writes refused from " + std::to_string(from), f, std::nullopt});
  }
  SimFaults corrupt;
  corrupt.fwCorruptReadBack = true;
  cases.push_back({"read-back differs", corrupt, std::nullopt});
  SimFaults stuck;
  stuck.fwChecksumStuck = true;
  cases.push_back({"restart keeps the old application", stuck, std::nullopt});

  RecordProperty("phases", static_cast<int>(phases.size()));
  RecordProperty("cases", static_cast<int>(cases.size()));
  for (const Case& c : cases) {
    SimState state;
    state.faults = c.faults;
    WriteSimState(folder, state);
    const auto start = std::chrono::steady_clock::now();
    std::filesystem::remove(folder.Path("trace.txt"));
    const CliRun run = RunCorvanectl(folder.Root(), UpdateArgs(folder, c.unansweredReads.has_value()));
    if (c.unansweredReads) {
      const auto gets = TraceOf(TraceLines(folder.Path("trace.txt")), "get");
      const auto unanswered = static_cast<std::size_t>(std::count(gets.begin(), gets.end(), "get wired fail"));
      EXPECT_LE(unanswered, *c.unansweredReads) << c.what;
    }
    EXPECT_LT(std::chrono::steady_clock::now() - start, kRunLimit) << c.what;
    // The restart frame itself takes the mouse off the bus: pulling the cable there loses
    // nothing, and the update may still end well.
    const bool restartFrame = c.what.find("(op2 ") != std::string::npos;
    if (!restartFrame) {
      EXPECT_EQ(run.status, 1) << c.what;
      EXPECT_EQ(run.err.rfind("corvanectl: ", 0), 0u) << c.what << ": " << run.err;
      EXPECT_GT(run.err.size(), std::string("corvanectl: \n").size()) << c.what;
    }
    EXPECT_EQ(ConfigFiles(folder), files) << c.what;

    // The cable back in and no fault: the next update completes the mouse.
    SimState after;
    ASSERT_EQ(LoadSimState(folder.Path("sim-state.txt"), after), SimStateLoad::Loaded) << c.what;
    after.faults = SimFaults{};
    WriteSimState(folder, after);
    const CliRun again = RunCorvanectl(folder.Root(), UpdateArgs(folder, false));
    EXPECT_EQ(again.status, 0) << c.what << ": " << again.err;
    EXPECT_EQ(OutputLines(again.out).back(), OutputLines(clean.out).back()) << c.what;
  }
}

TEST(PairingFaults, ReceiverLeavesMidWait) {
  for (const bool mouseFound : {true, false}) {
    TempDataFolder folder;
    SimState state;
    state.faults.pairingFails = !mouseFound;
    state.faults.receiverLeavesPairingAfterMs = 1000;  // before the mouse is found (2 s)
    const auto start = std::chrono::steady_clock::now();
    const CliRun run = RunCorvanectl(folder.Root(), {"--simulate=receiver", "--sim-state", WriteSimState(folder, state),
                                                    "--no-wait", "pair"});
    EXPECT_LT(std::chrono::steady_clock::now() - start, kRunLimit);
    EXPECT_EQ(run.status, 1) << mouseFound;
    EXPECT_EQ(run.err, "corvanectl: pair: the receiver was disconnected while pairing\n") << mouseFound;
    // One tick after the receiver left, not the whole 25 seconds.
    EXPECT_LE(OutputLines(run.out).size(), 3u) << mouseFound;
  }
}

}  // namespace
}  // namespace corvane
