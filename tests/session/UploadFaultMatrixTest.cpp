// The fault matrix of a whole upload (every group, both macros) as the window runs it: the
// upload state lives on between uploads, so what the mouse did not take must go out with
// the next upload. For every frame: the mouse is unplugged there (and comes back), drops
// that packet, starts answering with noise, or stops answering. The faulty upload must
// report itself incomplete within bounded (virtual) time; the next one, without the fault,
// must leave the mouse exactly as a clean upload does.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "device/DeviceLink.h"
#include "device/PauseServices.h"
#include "device/sim/SimBackend.h"
#include "session/AppContext.h"
#include "session/ApplyToDevice.h"
#include "session/StartupLoad.h"
#include "support/ApplyCliHelpers.h"

namespace corvane {
namespace {

using testing::RunCorvanectl;
using testing::RunOnSimulatedMouse;
using testing::TempDataFolder;

// Virtual time one faulty upload may take: every command tried four times, plus one
// command's worth of lost replies.
constexpr std::uint64_t kUploadLimitMs = 120000;

// The program after start-up on the data folder, with a factory-fresh cable mouse that
// holds none of it: the first upload sends every group and the macro store.
struct Program {
  AppContext ctx;
  SimBackend sim{{{DeviceRole::Wired}, {}}};
  RecordingPause recorded;
  SimClockPause pause{sim, &recorded};
  DeviceLink link{sim, pause};
  DeviceUploadState state;

  explicit Program(const std::filesystem::path& folder) {
    ctx.DataFolder = folder;
    RunStartupLoad(ctx);
    link.RegisterForDeviceNotifications();
    link.ScanDevices();
    RebuildDeviceShadow(ctx, state);
    state.Shadow = DeviceShadow{};
    state.Dirty.ButtonsDirty = state.Dirty.PerformanceDirty = state.Dirty.PowerDirty = state.Dirty.SensorOptionsDirty = 1;
  }
  ApplyResult Apply() { return ApplyToDevice(ctx, link, state); }
  std::size_t FramesSent() {
    std::size_t n = 0;
    sim.Access([&](SimDevice& d) {
      for (const auto& e : d.Exchanges()) n += e.kind == SimExchange::Kind::Set ? 1 : 0;
    });
    return n;
  }
};

class UploadFaultMatrix : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    folder_ = new TempDataFolder;
    for (const auto& args : std::vector<std::vector<std::string>>{
             {"macro", "add", "Short"},
             {"macro", "steps", "Short", "+A", "20ms", "-A"},
             {"macro", "add", "Long"},
             {"macro", "steps", "Long", "+B", "10ms", "-B", "+C", "10ms", "-C", "+D", "10ms", "-D", "+E", "10ms", "-E",
              "+F", "10ms", "-F", "wheel:2", "mx:5", "my:-3"}}) {
      ASSERT_EQ(RunCorvanectl(folder_->Root(), args).status, 0);
    }
    for (const auto& args : std::vector<std::vector<std::string>>{
             {"button", "4", "macro:Short"}, {"button", "5", "macro:Long"}, {"set", "dpi.0=400", "polling=500"}}) {
      ASSERT_EQ(RunOnSimulatedMouse(*folder_, args).run.status, 0);
    }
    Program clean(folder_->Root());
    ASSERT_TRUE(clean.Apply().Complete());
    frames_ = clean.FramesSent();
    cleanMouse_ = new SimMouseState(clean.sim.State().mouse);
  }
  static void TearDownTestSuite() {
    delete folder_;
    delete cleanMouse_;
  }

  // One upload with the fault, then one without it (the mouse plugged in again first).
  static void Check(const std::function<void(SimFaults&)>& fault, const std::string& what,
                    const std::function<void(const ApplyResult&)>& also = nullptr) {
    Program p(folder_->Root());
    SimFaults faults;
    fault(faults);
    p.sim.SetFaults(faults);
    const std::uint64_t start = p.sim.Now();
    const ApplyResult faulty = p.Apply();
    EXPECT_FALSE(faulty.Complete()) << what;
    EXPECT_LE(p.sim.Now() - start, kUploadLimitMs) << what;
    if (also) also(faulty);

    // The user pulls the mouse out and plugs it in again (which also ends a fault that
    // had begun); the program sees both as the window does.
    p.sim.SetFaults(SimFaults{});
    p.sim.Unplug(DeviceRole::Wired);
    p.link.OnDeviceChange(HotplugEvent::Removal);
    p.sim.Plug(DeviceRole::Wired);
    p.link.OnDeviceChange(HotplugEvent::Arrival);
    const ApplyResult next = p.Apply();
    EXPECT_TRUE(next.Complete()) << what;
    EXPECT_EQ(p.sim.State().mouse, *cleanMouse_) << what << ": the next upload did not complete the mouse";
  }

  static TempDataFolder* folder_;
  static std::size_t frames_;
  static SimMouseState* cleanMouse_;
};

TempDataFolder* UploadFaultMatrix::folder_ = nullptr;
std::size_t UploadFaultMatrix::frames_ = 0;
SimMouseState* UploadFaultMatrix::cleanMouse_ = nullptr;

TEST_F(UploadFaultMatrix, TheCleanUploadSendsEveryGroupAndBothMacros) {
  RecordProperty("frames", static_cast<int>(frames_));
  EXPECT_GE(frames_, 12u);
  EXPECT_FALSE(cleanMouse_->macros == SimMouseState{}.macros);
}

TEST_F(UploadFaultMatrix, UnpluggedAtEveryFrame) {
  for (std::uint32_t k = 1; k <= frames_; ++k) {
    Check([k](SimFaults& f) { f.unplugAtFrame = k; }, "unplugged at frame " + std::to_string(k),
          [](const ApplyResult& r) { EXPECT_TRUE(r.Report.DeviceGone); });
  }
}

TEST_F(UploadFaultMatrix, NoAcknowledgementAtEveryFrame) {
  for (std::uint32_t k = 1; k <= frames_; ++k) {
    Check([k](SimFaults& f) { f.noAckAtFrame = k; }, "no acknowledgement at frame " + std::to_string(k),
          [](const ApplyResult& r) { EXPECT_FALSE(r.Report.Problems.empty()); });
  }
}

TEST_F(UploadFaultMatrix, GarbageRepliesFromEveryFrame) {
  for (std::uint32_t k = 1; k <= frames_; ++k) {
    Check([k](SimFaults& f) { f.garbageRepliesFromFrame = k; }, "garbage replies from frame " + std::to_string(k),
          [](const ApplyResult& r) { EXPECT_FALSE(r.Report.Problems.empty()); });
  }
}

TEST_F(UploadFaultMatrix, RepliesThatNeverComeFromEveryFrame) {
  for (std::uint32_t k = 1; k <= frames_; ++k) {
    Check([k](SimFaults& f) { f.repliesLostFromFrame = k; }, "replies lost from frame " + std::to_string(k),
          [](const ApplyResult& r) { EXPECT_TRUE(r.Report.Unresponsive); });
  }
}

}  // namespace
}  // namespace corvane
