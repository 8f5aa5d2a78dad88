// The fault matrix of an upload with macros through corvanectl: a macro given to a button
// against a simulated mouse that is unplugged at each frame, drops each frame, starts
// answering with noise, or stops answering at all. Every run must end in bounded time with
// a non-zero exit and a message that says what happened, and write the data folder exactly
// as a clean run does, and the next corvanectl run that uploads must send what the mouse
// missed. (The window's own upload state, which lives on in memory between uploads, is
// checked in tests/session/UploadFaultMatrixTest.cpp.)
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "device/FeatureTransport.h"
#include "support/ApplyCliHelpers.h"

namespace corvane {
namespace {

using testing::CliRun;
using testing::RunCorvanectl;
using testing::RunOnSimulatedMouse;
using testing::TempDataFolder;
using testing::UploadRun;
using testing::WriteSimState;

// No run of a command against the simulated mouse (virtual time) may take longer.
constexpr auto kRunLimit = std::chrono::seconds(20);
constexpr std::size_t kAttempts = 4;  // per command: the transport's attempts

std::vector<std::pair<std::string, std::string>> ConfigFiles(const TempDataFolder& folder) {
  std::vector<std::pair<std::string, std::string>> files;
  for (auto& f : folder.Snapshot())
    if (f.first.rfind("config/", 0) == 0) files.push_back(std::move(f));
  return files;
}

SimState ReadSimState(const TempDataFolder& folder) {
  SimState s;
  EXPECT_EQ(LoadSimState(folder.Path("sim-state.txt"), s), SimStateLoad::Loaded);
  return s;
}

// Restores the config files of a snapshot (the data folder holds nothing else that the
// commands change).
void PutConfigFiles(const TempDataFolder& folder, const std::vector<std::pair<std::string, std::string>>& files) {
  for (const auto& [path, bytes] : files) folder.PutBytes(path, bytes);
}

// The data folder every case starts from: two macros, one of them on button 4, the other
// (long enough for several packets) about to be given to button 5, which sends the button
// map, clears the macro store and writes both macros.
class FaultMatrix : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    folder_ = new TempDataFolder;
    const std::vector<std::vector<std::string>> setup = {
        {"macro", "add", "Short"},
        {"macro", "steps", "Short", "+A", "20ms", "-A"},
        {"macro", "add", "Long"},
        {"macro", "steps", "Long", "+B", "10ms", "-B", "+C", "10ms", "-C", "+D", "10ms", "-D", "+E", "10ms", "-E",
         "+F", "10ms", "-F", "+G", "10ms", "-G", "wheel:2", "mx:5", "my:-3"},
    };
    for (const auto& args : setup) ASSERT_EQ(RunCorvanectl(folder_->Root(), args).status, 0);
    ASSERT_EQ(RunOnSimulatedMouse(*folder_, {"button", "4", "macro:Short"}).run.status, 0);
    before_ = new std::vector<std::pair<std::string, std::string>>(ConfigFiles(*folder_));
    startMouse_ = new SimState(ReadSimState(*folder_));

    // The clean run: its frames, and the files it leaves.
    const UploadRun clean = RunOnSimulatedMouse(*folder_, kCommand);
    ASSERT_EQ(clean.run.status, 0) << clean.run.err;
    frames_ = clean.frames.size();
    cleanMouse_ = new SimMouseState(ReadSimState(*folder_).mouse);
    // What a plain `apply` sends after the clean run: the measure of "nothing owed".
    const UploadRun settled = RunOnSimulatedMouse(*folder_, {"apply"});
    ASSERT_EQ(settled.run.status, 0) << settled.run.err;
    settledApply_ = new std::vector<std::string>(settled.frames);
    after_ = new std::vector<std::pair<std::string, std::string>>(ConfigFiles(*folder_));
  }
  static void TearDownTestSuite() {
    delete folder_;
    delete startMouse_;
    delete cleanMouse_;
    delete settledApply_;
    delete before_;
    delete after_;
  }

  struct Outcome {
    UploadRun run;
    std::vector<std::string> gets;  // the feature reads of the trace
  };

  // The command from the starting folder and mouse, with the fault; checked as every
  // faulty run must be.
  static Outcome RunWithFault(const std::function<void(SimFaults&)>& fault, const std::string& what) {
    PutConfigFiles(*folder_, *before_);
    std::filesystem::remove(MarkerPath());
    SimState state = *startMouse_;
    fault(state.faults);
    WriteSimState(*folder_, state);
    const auto start = std::chrono::steady_clock::now();
    Outcome o{RunOnSimulatedMouse(*folder_, kCommand), {}};
    EXPECT_LT(std::chrono::steady_clock::now() - start, kRunLimit) << what;
    o.gets = testing::TraceOf(testing::TraceLines(folder_->Path("trace.txt")), "get");
    EXPECT_EQ(o.run.run.status, 1) << what;
    EXPECT_EQ(o.run.run.err.rfind("corvanectl: ", 0), 0u) << what << ": " << o.run.run.err;
    // The user's change is kept, written exactly as a clean run writes it: no file is
    // left half-written, reset or dropped because the mouse failed.
    EXPECT_EQ(ConfigFiles(*folder_), *after_) << what << ": the data folder differs from a clean run's";
    EXPECT_TRUE(std::filesystem::exists(MarkerPath())) << what << ": the next run would not know what is owed";
    return o;
  }

  static std::filesystem::path MarkerPath() { return folder_->Root() / "upload-incomplete"; }

  static inline const std::vector<std::string> kCommand{"button", "5", "macro:Long"};
  static TempDataFolder* folder_;
  static std::size_t frames_;
  static SimState* startMouse_;
  static SimMouseState* cleanMouse_;  // the mouse after the clean run
  static std::vector<std::string>* settledApply_;
  static std::vector<std::pair<std::string, std::string>>* before_;
  static std::vector<std::pair<std::string, std::string>>* after_;
};

TempDataFolder* FaultMatrix::folder_ = nullptr;
std::size_t FaultMatrix::frames_ = 0;
SimState* FaultMatrix::startMouse_ = nullptr;
SimMouseState* FaultMatrix::cleanMouse_ = nullptr;
std::vector<std::string>* FaultMatrix::settledApply_ = nullptr;
std::vector<std::pair<std::string, std::string>>* FaultMatrix::before_ = nullptr;
std::vector<std::pair<std::string, std::string>>* FaultMatrix::after_ = nullptr;

const std::string kGone =
    "corvanectl: the mouse was disconnected during the upload; what it did not take is sent at the next upload\n";
const std::string kSilent =
    "corvanectl: the mouse stopped answering during the upload; what it did not take is sent at the next upload\n";

TEST_F(FaultMatrix, TheCleanRunSendsMacrosInSeveralPackets) {
  RecordProperty("frames", static_cast<int>(frames_));
  // The matrix below is only as good as the upload it spoils.
  EXPECT_GE(frames_, 5u);
  EXPECT_NE(*before_, *after_);
}

TEST_F(FaultMatrix, UnpluggedAtEveryFrame) {
  for (std::uint32_t k = 1; k <= frames_; ++k) {
    const Outcome o = RunWithFault([k](SimFaults& f) { f.unplugAtFrame = k; }, "unplugged at frame " + std::to_string(k));
    EXPECT_EQ(o.run.run.err, kGone) << "frame " << k;
    EXPECT_EQ(o.run.frames.size(), k) << "nothing is sent after the mouse left";
  }
}

TEST_F(FaultMatrix, NoAcknowledgementAtEveryFrame) {
  for (std::uint32_t k = 1; k <= frames_; ++k) {
    const Outcome o = RunWithFault([k](SimFaults& f) { f.noAckAtFrame = k; }, "no acknowledgement at frame " + std::to_string(k));
    EXPECT_NE(o.run.run.err.find("did not acknowledge"), std::string::npos) << "frame " << k << ": " << o.run.run.err;
    // The dropped packet is tried four times; so is every later packet of a macro whose
    // start the mouse missed; the rest go through once.
    EXPECT_GE(o.run.frames.size(), frames_ + kAttempts - 1) << "frame " << k;
    EXPECT_LE(o.run.frames.size(), frames_ * kAttempts) << "frame " << k;
  }
}

TEST_F(FaultMatrix, GarbageRepliesFromEveryFrame) {
  for (std::uint32_t k = 1; k <= frames_; ++k) {
    const Outcome o = RunWithFault([k](SimFaults& f) { f.garbageRepliesFromFrame = k; },
                                     "garbage replies from frame " + std::to_string(k));
    // Noise is never taken for an acknowledgement, whatever its byte 1 says.
    EXPECT_NE(o.run.run.err.find("did not acknowledge"), std::string::npos) << "frame " << k << ": " << o.run.run.err;
    EXPECT_LE(o.run.frames.size(), (k - 1) + (frames_ - k + 1) * kAttempts) << "frame " << k;
  }
}

TEST_F(FaultMatrix, RepliesThatNeverComeFromEveryFrame) {
  for (std::uint32_t k = 1; k <= frames_; ++k) {
    const Outcome o = RunWithFault([k](SimFaults& f) { f.repliesLostFromFrame = k; },
                                     "replies lost from frame " + std::to_string(k));
    EXPECT_EQ(o.run.run.err, kSilent) << "frame " << k;
    // Each lost reply costs the HID layer's whole timeout: after one command that got no
    // reply at all, nothing more is sent.
    const auto failed = std::count(o.gets.begin(), o.gets.end(), "get wired fail");
    EXPECT_EQ(static_cast<std::size_t>(failed), kAttempts) << "frame " << k;
    EXPECT_LE(o.run.frames.size(), k - 1 + kAttempts) << "frame " << k;
  }
}

// corvanectl is a new process each time: after an upload that failed part-way, the next
// run that uploads (here `apply`, with the mouse well again) sends what the mouse missed,
// and the run after that finds nothing owed: it sends what `apply` sends after a clean run.
TEST_F(FaultMatrix, TheNextRunSendsWhatTheMouseMissed) {
  struct Case {
    std::string what;
    std::function<void(SimFaults&, std::uint32_t)> fault;
  };
  const std::vector<Case> cases = {
      {"unplugged", [](SimFaults& f, std::uint32_t k) { f.unplugAtFrame = k; }},
      {"no acknowledgement", [](SimFaults& f, std::uint32_t k) { f.noAckAtFrame = k; }},
      {"garbage replies", [](SimFaults& f, std::uint32_t k) { f.garbageRepliesFromFrame = k; }},
      {"replies lost", [](SimFaults& f, std::uint32_t k) { f.repliesLostFromFrame = k; }},
  };
  for (const Case& c : cases) {
    for (const std::uint32_t k : {std::uint32_t{1}, static_cast<std::uint32_t>(frames_ / 2 + 1),
                                  static_cast<std::uint32_t>(frames_)}) {
      const std::string what = c.what + " at frame " + std::to_string(k);
      RunWithFault([&](SimFaults& f) { c.fault(f, k); }, what);
      ASSERT_NE(ReadSimState(*folder_).mouse, *cleanMouse_) << what << ": the fault spoiled nothing";

      SimState healed = ReadSimState(*folder_);
      healed.faults = SimFaults{};
      WriteSimState(*folder_, healed);
      const UploadRun next = RunOnSimulatedMouse(*folder_, {"apply"});
      EXPECT_EQ(next.run.status, 0) << what << ": " << next.run.err;
      EXPECT_FALSE(next.frames.empty()) << what;
      EXPECT_EQ(ReadSimState(*folder_).mouse, *cleanMouse_) << what << ": the mouse still misses part of the upload";
      EXPECT_FALSE(std::filesystem::exists(MarkerPath())) << what;

      const UploadRun after = RunOnSimulatedMouse(*folder_, {"apply"});
      EXPECT_EQ(after.run.status, 0) << what << ": " << after.run.err;
      EXPECT_EQ(after.frames, *settledApply_) << what << ": more is sent again than after a clean run";
    }
  }
}

}  // namespace
}  // namespace corvane
