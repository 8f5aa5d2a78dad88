// The frames an upload sends for each kind of change, byte for byte, and what it does
// when the mouse cannot be reached or does not take a frame.
#include <gtest/gtest.h>

#include <functional>

#include "lang/LanguageEntries.h"
#include "support/UploadFixture.h"

namespace corvane {
namespace {

using testing::Bytes;
using testing::FakeOp;

class UploadFrames : public testing::UploadFixture {};

struct FrameCase {
  FrameCase(const char* w, std::function<void(ProfileRecord&)> c, DeviceDirtyFlags d, std::vector<std::string> f)
      : what(w), change(std::move(c)), dirty(d), frames(std::move(f)) {}
  const char* what;
  std::function<void(ProfileRecord&)> change;
  DeviceDirtyFlags dirty;
  std::vector<std::string> frames;
};

DeviceDirtyFlags Flags(int buttons, int performance, int power, int motion, int sensor, int pointer) {
  DeviceDirtyFlags f;
  f.ButtonsDirty = buttons;
  f.PerformanceDirty = performance;
  f.PowerDirty = power;
  f.MotionWakeupDirty = motion;
  f.SensorOptionsDirty = sensor;
  f.PointerSettingsDirty = pointer;
  return f;
}

const DeviceDirtyFlags kDirtyButtons = Flags(1, 0, 0, 0, 0, 0);
const DeviceDirtyFlags kDirtyPerformance = Flags(0, 1, 0, 0, 0, 0);
const DeviceDirtyFlags kDirtyPower = Flags(0, 0, 1, 0, 0, 0);
const DeviceDirtyFlags kDirtyMotion = Flags(0, 0, 0, 1, 0, 0);
const DeviceDirtyFlags kDirtySensor = Flags(0, 0, 0, 0, 1, 0);
const DeviceDirtyFlags kDirtyPointer = Flags(0, 0, 0, 0, 0, 1);

// Defaults for sensor 0x3212: buttons 10 01 00, 10 02 00, 10 04 00, 10 10 00, 10 08 00,
// 40 01 00, 60 04 00; DPI level 2 of mask 0x3F with steps 2, 6, 10, 18, 26, 30; polling
// index 3; lift-off 2; debounce 2; lighting mode 1 (brightness 3, speed 1, direction 1,
// mode-6 colour FF0000); power 1, 1, 0; sensor options 0, 1, 0.
TEST_F(UploadFrames, EachChangeSendsExactlyItsFrames) {
  const FrameCase cases[] = {
      {"one DPI value: both DPI packets, then the colours",
       [](ProfileRecord& p) { p.XYSettingX[2] = 14; },
       kDirtyPerformance,
       {"09 02 01 02 AF 02 3F 02 00 06 00 0E 00 12 00 1A 00 1E",
        "09 02 02 12 BC 02 3F 02 00 06 00 0A 00 12 00 1A 00 1E",
        "09 03 03 01 A7 FF 00 00 00 FF 00 00 00 FF FF A5 00 FF 00 FF FF FF 00 FF FF FF FF FF FF"}},
      {"one DPI colour: only the colours",
       [](ProfileRecord& p) { p.DPILevelIndication[3] = 0x563412; },
       kDirtyPerformance,
       {"09 03 01 01 9D FF 00 00 00 FF 00 00 00 FF 12 34 56 FF 00 FF FF FF 00 FF FF FF FF FF FF"}},
      {"a level past the six the device has changes nothing",
       [](ProfileRecord& p) { p.XYSettingX[7] = 3; },
       kDirtyPerformance,
       {}},
      {"polling index 7 is sent as the fastest code",
       [](ProfileRecord& p) { p.PollingRateValue[0] = 7; },
       kDirtyPerformance,
       {"09 04 01 01 23 14"}},
      {"polling 125 Hz", [](ProfileRecord& p) { p.PollingRateValue[0] = 0; }, kDirtyPerformance, {"09 04 01 01 17 08"}},
      {"lift-off 1", [](ProfileRecord& p) { p.SetLiftDetectionHeight(1); }, kDirtyPerformance, {"09 05 01 01 11 01"}},
      {"debounce sends the low byte", [](ProfileRecord& p) { p.SetKeyDebounce(300); }, kDirtyPerformance,
       {"09 09 01 01 40 2C"}},
      {"lighting speed of the current mode",
       [](ProfileRecord& p) { p.Lighting1Speed[1] = 2; },
       kDirtyPerformance,
       {"09 06 01 01 54 FF 01 43 01 FF"}},
      {"lighting always carries the colour of mode 6",
       [](ProfileRecord& p) { p.Lighting1FixedColor[6][0] = 0x563412; },
       kDirtyPerformance,
       {"09 06 01 01 F0 FF 01 42 01 12 34 56"}},
      {"speed of another mode sends nothing",
       [](ProfileRecord& p) { p.Lighting1Speed[4] = 2; },
       kDirtyPerformance,
       {}},
      {"a mode past the per-mode tables reads them as zero",
       [](ProfileRecord& p) { p.Lighting1ModeValue[0] = 12; },
       kDirtyPerformance,
       {"09 06 01 01 2D FF 0C 11 01 FF"}},
      {"power-down time", [](ProfileRecord& p) { p.SetPowerDownTime(5); }, kDirtyPower, {"09 07 01 01 18 05 01"}},
      {"angle snap", [](ProfileRecord& p) { p.SetAngleSnap(1); }, kDirtySensor, {"09 08 01 01 15 01 01"}},
      {"button 4 lands at device position 3",
       [](ProfileRecord& p) { p.Buttons[4].Value = {0x30, 0x32, 0x03}; },
       kDirtyButtons,
       {"09 01 01 01 67 10 01 00 10 02 00 10 04 00 30 32 03 10 10 00 40 01 00 60 04 00 FF FF FF FF FF FF"}},
      {"motion wake-up is never sent", [](ProfileRecord& p) { p.SetMotionWakeup(0); }, kDirtyMotion, {}},
      {"pointer settings are never sent", [](ProfileRecord& p) { p.SetPointerSpeed(9); }, kDirtyPointer, {}},
      {"unchanged profile", [](ProfileRecord&) {}, Flags(1, 1, 1, 1, 1, 1), {}},
  };
  for (const auto& c : cases) {
    SetUp();
    c.change(Profile());
    state.Dirty = c.dirty;
    const ApplyResult r = Apply();
    EXPECT_EQ(Frames(), c.frames) << c.what;
    EXPECT_EQ(r.Outcome, UploadOutcome::Done) << c.what;
    EXPECT_TRUE(r.Report.Clean()) << c.what;
    // The progress dialog only when something was written; the save always.
    EXPECT_EQ(r.ShowProgress, !c.frames.empty()) << c.what;
    EXPECT_EQ(r.ProgressText, c.frames.empty() ? 0 : int{kTextProgressTitle}) << c.what;
    EXPECT_TRUE(r.ScheduleSave) << c.what;
    EXPECT_EQ(state.ConfigSavePending, 1) << c.what;
    EXPECT_FALSE(state.Dirty.Any()) << c.what;
    // Each frame waits 60 ms for its acknowledgement.
    EXPECT_EQ(pause.Pauses(), std::vector<std::uint32_t>(c.frames.size(), 60)) << c.what;
    // A second upload finds the shadow in line and sends nothing.
    Forget();
    state.Dirty = Flags(1, 1, 1, 1, 1, 1);
    Apply();
    EXPECT_TRUE(Frames().empty()) << c.what;
  }
}

TEST_F(UploadFrames, ChangeWaitsUntilItsGroupIsDirty) {
  Profile().SetPowerDownTime(5);
  state.Dirty = kDirtySensor;
  Apply();
  EXPECT_TRUE(Frames().empty());
  state.Dirty = kDirtyPower;
  Apply();
  EXPECT_EQ(Frames(), std::vector<std::string>{"09 07 01 01 18 05 01"});
}

TEST_F(UploadFrames, CommandsGoOutInUploadOrder) {
  ProfileRecord& p = Profile();
  p.Buttons[0].Value = {0x10, 0x02, 0x00};
  p.Buttons[1].Value = {0x10, 0x01, 0x00};
  p.XYSettingY[0] = 4;
  p.DPILevelIndication[0] = 1;
  p.PollingRateValue[0] = 1;
  p.SetLiftDetectionHeight(1);
  p.SetKeyDebounce(4);
  p.Lighting1Brightness[1] = 0;
  p.SetRgbOffTime(9);
  p.SetRippleControl(1);
  state.Dirty = Flags(1, 1, 1, 1, 1, 1);
  Apply();
  std::vector<int> commands;
  for (const FakeOp& op : backend.OpsOf(FakeOp::Set)) commands.push_back(op.bytes[1]);
  EXPECT_EQ(commands, (std::vector<int>{0x01, 0x02, 0x02, 0x03, 0x04, 0x05, 0x09, 0x06, 0x07, 0x08}));
  // Sequence numbers follow the frames.
  for (std::size_t i = 0; i < backend.OpsOf(FakeOp::Set).size(); ++i)
    EXPECT_EQ(backend.OpsOf(FakeOp::Set)[i].bytes[2], i + 1);
}

TEST_F(UploadFrames, RebuildInDualColourModeSendsLightingAgain) {
  // A rebuild records mode 8 and 9 in a form the upload never builds, so the next
  // upload sends the lighting even though the profile did not change.
  for (const std::uint8_t mode : {std::uint8_t{8}, std::uint8_t{9}}) {
    SetUp();
    Profile().Lighting1ModeValue[0] = mode;
    RebuildDeviceShadow(ctx, state);
    Forget();
    state.Dirty = kDirtyPerformance;
    Apply();
    ASSERT_EQ(Frames().size(), 1u) << +mode;
    EXPECT_EQ(backend.ops[0].bytes[1], 0x06) << +mode;
    EXPECT_EQ(backend.ops[0].bytes[6], mode) << +mode;
  }
  // In mode 0..7 the rebuilt block is the one the upload builds.
  SetUp();
  Profile().Lighting1ModeValue[0] = 5;
  RebuildDeviceShadow(ctx, state);
  Forget();
  state.Dirty = kDirtyPerformance;
  Apply();
  EXPECT_TRUE(Frames().empty());
}

TEST_F(UploadFrames, UnreachableMouseGetsNothingAndKeepsTheRequest) {
  // Only the receiver is present and its mouse sleeps.
  testing::FakeHidBackend receiverOnly;
  receiverOnly.AddRole(DeviceRole::Receiver);
  receiverOnly.Command(DeviceRole::Receiver).linkFlag = 0;
  DeviceLink sleeping(receiverOnly, pause);
  sleeping.ScanDevices();
  receiverOnly.ops.clear();
  Profile().SetKeyDebounce(9);
  state.Dirty = kDirtyPerformance;
  const ApplyResult r = ApplyToDevice(ctx, sleeping, state);
  EXPECT_EQ(r.Outcome, UploadOutcome::DeviceNotConnected);
  EXPECT_EQ(r.AttentionText, int{kTextDeviceNotConnected});
  EXPECT_TRUE(receiverOnly.OpsOf(FakeOp::Set).empty());
  // Kept for the mouse's arrival and saved meanwhile, so an exit does not lose it.
  EXPECT_TRUE(r.ScheduleSave);
  EXPECT_EQ(state.ConfigSavePending, 1);
  EXPECT_EQ(state.Dirty.PerformanceDirty, 1);

  // Not yet activated: dropped silently, flags kept.
  state.Activated = 0;
  const ApplyResult dropped = Apply();
  EXPECT_EQ(dropped.Outcome, UploadOutcome::NotActivated);
  EXPECT_EQ(dropped.AttentionText, 0);
  EXPECT_TRUE(Frames().empty());
  EXPECT_EQ(state.Dirty.PerformanceDirty, 1);

  // Once the window may talk to a reachable mouse, the pending change goes out.
  state.Activated = 1;
  Apply();
  EXPECT_EQ(Frames(), std::vector<std::string>{"09 09 01 01 1D 09"});
}

TEST_F(UploadFrames, FrameTheMouseDidNotTakeIsSentAgainNextTime) {
  backend.Command(DeviceRole::Wired).acknowledges = false;
  Profile().SetKeyDebounce(9);
  Profile().PollingRateValue[0] = 0;
  state.Dirty = kDirtyPerformance;
  const ApplyResult r = Apply();
  // Four attempts each, with new sequence numbers.
  ASSERT_EQ(Frames().size(), 8u);
  EXPECT_EQ(Frames()[3], "09 04 04 01 1A 08");
  EXPECT_FALSE(r.Report.Clean());
  ASSERT_EQ(r.Report.Problems.size(), 2u);
  EXPECT_EQ(r.Report.Problems[0].Kind, UploadProblemKind::NotAcknowledged);
  EXPECT_EQ(r.Report.Problems[0].Command, FeatureCommand::CmdPollingRate);
  EXPECT_EQ(DescribeProblem(r.Report.Problems[1]), "the mouse did not acknowledge CmdKeyDebounce (packet 0x01)");
  // The shadow keeps what the device last took, and the group stays requested.
  EXPECT_EQ(state.Shadow.Debounce, 2);
  EXPECT_EQ(state.Dirty.PerformanceDirty, 1);

  backend.Command(DeviceRole::Wired).acknowledges = true;
  Forget();
  const ApplyResult again = Apply();
  EXPECT_TRUE(again.Complete());
  EXPECT_EQ(Frames(), (std::vector<std::string>{"09 04 09 01 1F 08", "09 09 0A 01 26 09"}));
  EXPECT_EQ(state.Shadow.Debounce, 9);
  EXPECT_FALSE(state.Dirty.Any());
}

TEST_F(UploadFrames, MouseUnpluggedDuringTheUploadStopsIt) {
  Profile().XYSettingX[0] = 3;
  Profile().SetKeyDebounce(7);
  state.Dirty = kDirtyPerformance;
  // The cable is pulled as the first DPI packet goes out.
  backend.afterOp = [](testing::FakeHidBackend& b, const FakeOp& op) {
    if (op.kind == FakeOp::Set) b.Unplug(DeviceRole::Wired);
  };
  const ApplyResult r = Apply();
  EXPECT_TRUE(r.Report.DeviceGone);
  EXPECT_EQ(backend.OpsOf(FakeOp::Set).size(), 1u);
  EXPECT_FALSE(r.Complete());
  EXPECT_EQ(state.Shadow.Debounce, 2);
  EXPECT_EQ(state.Dirty.PerformanceDirty, 1);
}

}  // namespace
}  // namespace corvane
