// Decoding of status reports: each field applied as the mouse reports it, out-of-range
// fields ignored one by one, and no save or refresh for a report that changes nothing.
#include "session/StatusDecoder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "base/TextUtil.h"
#include "device/Launcher.h"
#include "device/StatusReport.h"
#include "lang/LanguageEntries.h"
#include "settings/ConfigTable.h"
#include "support/TempDataFolder.h"
#include "support/UploadFixture.h"

namespace corvane {
namespace {

using testing::Bytes;
using testing::FakeOp;

struct RecordingLauncher final : Launcher {
  std::vector<std::u16string> opened;
  void Open(const std::u16string& target) override { opened.push_back(target); }
};

class StatusDecoding : public testing::UploadFixture {
 protected:
  void SetUp() override {
    UploadFixture::SetUp();
    ctx.DataFolder = folder.Root();
    std::filesystem::create_directories(folder.Path("config"));
    for (int m = 0; m < 10; ++m) ctx.Language.Texts[static_cast<std::size_t>(100 + m)] = u"mode " + U16(std::to_string(m + 1));
    decoder = std::make_unique<StatusDecoder>(ctx, *link, state, &launcher);
  }

  // A report of what the default profile holds (sensor 0x3212 is letter '0').
  static Bytes InLine() {
    return testing::HexBytes("07 01 02 01 64 00 01 00 00 30 00 01 01 FF 00 00 02", kReportLength);
  }

  StatusEvents Decode(const Bytes& report, DeviceRole role = DeviceRole::Wired) {
    return decoder->Decode(role, report);
  }

  testing::TempDataFolder folder;
  RecordingLauncher launcher;
  std::unique_ptr<StatusDecoder> decoder;
};

TEST_F(StatusDecoding, ReportOfWhatTheProfileHoldsChangesNothing) {
  const auto snapshot = folder.Snapshot();
  const StatusEvents ev = Decode(InLine());
  EXPECT_TRUE(ev.Decoded);
  EXPECT_FALSE(ev.Changed);
  EXPECT_FALSE(ev.ShowOsd);
  EXPECT_FALSE(ev.RefreshView);
  EXPECT_FALSE(ev.SensorChanged);
  EXPECT_EQ(state.ConfigSavePending, 0);
  EXPECT_EQ(folder.Snapshot(), snapshot);
  // Battery and charging are display values only: no save, no refresh either.
  Bytes charging = InLine();
  charging[StatusReport::kBatteryOffset] = 37;
  charging[StatusReport::kChargeOffset] = 1;
  EXPECT_FALSE(Decode(charging).Changed);
  EXPECT_EQ(decoder->Values().BatteryLevel, 37);
  EXPECT_EQ(decoder->Values().ChargeState, 1);
  EXPECT_EQ(state.ConfigSavePending, 0);
}

TEST_F(StatusDecoding, EachFieldIsApplied) {
  struct Case {
    const char* what;
    std::size_t offset;
    std::uint8_t value;
    DeviceRole role;
    bool changed;
    std::function<void(const ProfileRecord&)> check;
  };
  const Case cases[] = {
      {"DPI level 3", 2, 3, DeviceRole::Wired, true,
       [](const ProfileRecord& p) { EXPECT_EQ(p.CurrentDPILevel, 3); }},
      {"DPI level past the eight levels is not taken", 2, 8, DeviceRole::Wired, false,
       [](const ProfileRecord& p) { EXPECT_EQ(p.CurrentDPILevel, 2); }},
      {"125 Hz", 3, 0x08, DeviceRole::Wired, true,
       [](const ProfileRecord& p) {
         EXPECT_EQ(p.PollingRateValue, (std::array<std::uint8_t, 3>{0, 0, 0}));
         EXPECT_EQ(p.PollingRateName, u"125Hz");
       }},
      {"code 0x11 over the cable is 1000 Hz", 3, 0x11, DeviceRole::Wired, false,
       [](const ProfileRecord& p) { EXPECT_EQ(p.PollingRateValue[0], 3); }},
      {"code 0x11 from the receiver is 2000 Hz", 3, 0x11, DeviceRole::Receiver, true,
       [](const ProfileRecord& p) {
         EXPECT_EQ(p.PollingRateValue[0], 4);
         EXPECT_EQ(p.PollingRateName, u"2000Hz");
       }},
      {"unknown code over Bluetooth is 8000 Hz", 3, 0x77, DeviceRole::Bluetooth, true,
       [](const ProfileRecord& p) { EXPECT_EQ(p.PollingRateValue[0], 6); }},
      {"lighting mode 4", 6, 4, DeviceRole::Wired, true,
       [](const ProfileRecord& p) {
         EXPECT_EQ(p.Lighting1ModeValue, (std::array<std::uint8_t, 3>{4, 0, 0}));
         EXPECT_EQ(p.Lighting1Name, u"mode 4");
       }},
      {"lighting mode 0 is named off", 6, 0, DeviceRole::Wired, true,
       [](const ProfileRecord& p) { EXPECT_EQ(p.Lighting1Name, u"mode 10"); }},
      {"lighting mode 9 is named off", 6, 9, DeviceRole::Wired, true,
       [](const ProfileRecord& p) {
         EXPECT_EQ(p.Lighting1Name, u"mode 10");
         EXPECT_EQ(p.Lighting1ModeValue[0], 9);
       }},
      {"lighting mode past the per-mode tables is not taken", 6, 10, DeviceRole::Wired, false,
       [](const ProfileRecord& p) { EXPECT_EQ(p.Lighting1ModeValue[0], 1); }},
      {"move-lighting on", 10, 5, DeviceRole::Wired, true,
       [](const ProfileRecord& p) { EXPECT_EQ(p.GetMoveLightingOnOffMode(), 1); }},
      {"power-down 30", 11, 30, DeviceRole::Wired, true,
       [](const ProfileRecord& p) { EXPECT_EQ(p.GetPowerDownTime(), 30); }},
      {"power-down 0 is ignored", 11, 0, DeviceRole::Wired, false,
       [](const ProfileRecord& p) { EXPECT_EQ(p.GetPowerDownTime(), 1); }},
      {"power-down 31 is ignored", 11, 31, DeviceRole::Wired, false,
       [](const ProfileRecord& p) { EXPECT_EQ(p.GetPowerDownTime(), 1); }},
      {"lighting-off 7", 12, 7, DeviceRole::Wired, true,
       [](const ProfileRecord& p) { EXPECT_EQ(p.GetRgbOffTime(), 7); }},
      {"lighting-off 31 is ignored", 12, 31, DeviceRole::Wired, false,
       [](const ProfileRecord& p) { EXPECT_EQ(p.GetRgbOffTime(), 1); }},
      {"colour goes to mode 6 and the first slot of mode 3", 14, 0x80, DeviceRole::Wired, true,
       [](const ProfileRecord& p) {
         EXPECT_EQ(p.Lighting1FixedColor[6][0], 0x0080FFu);
         EXPECT_EQ(p.Lighting1FixedColor[3][0], 0x0080FFu);
         EXPECT_EQ(p.Lighting1FixedColor[3][1], 0x00FF00u);
       }},
      {"speed 2 sets modes 0..7 and leaves 8 and 9", 16, 3, DeviceRole::Wired, true,
       [](const ProfileRecord& p) {
         for (int m = 0; m < 8; ++m) EXPECT_EQ(p.Lighting1Speed[static_cast<std::size_t>(m)], 2) << m;
         EXPECT_EQ(p.Lighting1Speed[8], 1);
         EXPECT_EQ(p.Lighting1Speed[9], 1);
       }},
      {"speed 0 is ignored", 16, 0, DeviceRole::Wired, false,
       [](const ProfileRecord& p) { EXPECT_EQ(p.Lighting1Speed[3], 1); }},
      {"speed 4 is ignored", 16, 4, DeviceRole::Wired, false,
       [](const ProfileRecord& p) { EXPECT_EQ(p.Lighting1Speed[3], 1); }},
      {"unknown sensor letter is ignored", 9, 0x99, DeviceRole::Wired, false,
       [](const ProfileRecord& p) { EXPECT_EQ(p.XYSettingX[0], 2); }},
  };
  for (const auto& c : cases) {
    SetUp();
    Bytes r = InLine();
    r[c.offset] = c.value;
    const StatusEvents ev = Decode(r, c.role);
    EXPECT_TRUE(ev.Decoded) << c.what;
    EXPECT_EQ(ev.Changed, c.changed) << c.what;
    EXPECT_EQ(ev.ShowOsd, c.changed) << c.what;
    EXPECT_EQ(ev.RefreshView, c.changed) << c.what;
    EXPECT_EQ(state.ConfigSavePending, c.changed ? 1 : 0) << c.what;
    c.check(Profile());
    // The mouse holds what it reported: the shadow follows, an upload sends nothing
    // (a rebuild in mode 9 records the lighting in a form that has it sent once more).
    state.Dirty.PerformanceDirty = 1;
    state.Dirty.PowerDirty = 1;
    Apply();
    const bool lightingAgain = c.offset == StatusReport::kLightingModeOffset && c.value == 9;
    EXPECT_EQ(Frames().size(), lightingAgain ? 1u : 0u) << c.what;
  }
}

TEST_F(StatusDecoding, OutOfRangeFieldsAreIgnoredOneByOne) {
  Bytes r = InLine();
  r[StatusReport::kDpiLevelOffset] = 4;
  r[StatusReport::kPowerDownOffset] = 0;
  r[StatusReport::kLightingOffOffset] = 12;
  r[StatusReport::kSpeedOffset] = 9;
  r[StatusReport::kSensorLetterOffset] = 0x99;
  EXPECT_TRUE(Decode(r).Changed);
  EXPECT_EQ(Profile().CurrentDPILevel, 4);
  EXPECT_EQ(Profile().GetPowerDownTime(), 1);
  EXPECT_EQ(Profile().GetRgbOffTime(), 12);
  EXPECT_EQ(Profile().Lighting1Speed[0], 1);
  EXPECT_EQ(ctx.Dpi.SensorId, kSensor);
  EXPECT_EQ(decoder->Values().SensorLetter, 0x99);
}

TEST_F(StatusDecoding, DpiLevelIsComparedWithTheLastReport) {
  // The last level starts at 2: a first report of 2 leaves a profile at level 5 alone.
  Profile().CurrentDPILevel = 5;
  EXPECT_FALSE(Decode(InLine()).Changed);
  EXPECT_EQ(Profile().CurrentDPILevel, 5);
  Bytes r = InLine();
  r[StatusReport::kDpiLevelOffset] = 3;
  EXPECT_TRUE(Decode(r).Changed);
  EXPECT_EQ(decoder->Values().LastDeviceDpiLevel, 3);
  // The same level again is no change, even after the profile moved on.
  Profile().CurrentDPILevel = 0;
  EXPECT_FALSE(Decode(r).Changed);
}

TEST_F(StatusDecoding, FullBatteryReadsHundred) {
  Bytes r = InLine();
  r[StatusReport::kBatteryOffset] = 37;
  r[StatusReport::kChargeOffset] = 2;
  Decode(r);
  EXPECT_EQ(decoder->Values().BatteryLevel, 100);
  EXPECT_EQ(decoder->Values().ChargeState, 2);
  r[StatusReport::kChargeOffset] = 9;
  Decode(r);
  EXPECT_EQ(decoder->Values().BatteryLevel, 37);
  EXPECT_EQ(decoder->Values().ChargeState, 0);
}

TEST_F(StatusDecoding, QuickLaunchOpensOncePerRequest) {
  Profile().Buttons[1].URL = u"/usr/bin/calc";
  Profile().Buttons[6].URL = u"https://example.org/";
  struct Step {
    std::uint8_t request;
    DeviceRole role;
    int launched;  // button, -1 none
  };
  const Step steps[] = {
      {2, DeviceRole::Wired, 1},     {2, DeviceRole::Wired, -1},   // held: once
      {2, DeviceRole::Receiver, 1},                                 // each reader keeps its own
      {0, DeviceRole::Wired, -1},    {2, DeviceRole::Wired, 1},    // 0 re-arms
      {7, DeviceRole::Wired, 6},     {8, DeviceRole::Wired, -1},   // no button 7
      {0xFF, DeviceRole::Wired, -1}, {3, DeviceRole::Wired, 2},    // button 2 has no target
  };
  std::vector<std::u16string> expected;
  for (const auto& s : steps) {
    Bytes r = InLine();
    r[StatusReport::kQuickLaunchOffset] = s.request;
    const StatusEvents ev = Decode(r, s.role);
    EXPECT_EQ(ev.LaunchedButton, s.launched) << +s.request;
    EXPECT_FALSE(ev.Changed);
    if (s.launched >= 0 && !Profile().Buttons[static_cast<std::size_t>(s.launched)].URL.empty())
      expected.push_back(Profile().Buttons[static_cast<std::size_t>(s.launched)].URL);
  }
  EXPECT_EQ(launcher.opened, expected);
  EXPECT_EQ(launcher.opened.size(), 4u);
}

TEST_F(StatusDecoding, ReceiverReportsTheLinkOfItsMouse) {
  testing::FakeHidBackend receiver;
  receiver.AddRole(DeviceRole::Receiver);
  DeviceLink receiverLink(receiver, pause);
  receiverLink.ScanDevices();
  ASSERT_EQ(receiverLink.LinkUp, 1);
  StatusDecoder d(ctx, receiverLink, state, &launcher);

  Bytes down = InLine();
  down[StatusReport::kLinkOffset] = 0;
  down[StatusReport::kDpiLevelOffset] = 5;
  StatusEvents ev = d.Decode(DeviceRole::Receiver, down);
  EXPECT_TRUE(ev.LinkDown);
  EXPECT_FALSE(ev.Decoded);
  EXPECT_TRUE(ev.StartConnectionTimer);  // the flag differs from LinkUp
  EXPECT_EQ(receiverLink.LinkUp, 0);
  EXPECT_EQ(d.Values().BatteryLevel, 0);
  EXPECT_EQ(d.Values().ChargeState, 0);
  EXPECT_EQ(Profile().CurrentDPILevel, 2);

  // Still down: the indicator is asked again until it shows the mouse away.
  EXPECT_TRUE(d.Decode(DeviceRole::Receiver, down).StartConnectionTimer);
  d.ConnIndicatorState = 2;
  EXPECT_FALSE(d.Decode(DeviceRole::Receiver, down).StartConnectionTimer);

  ev = d.Decode(DeviceRole::Receiver, InLine());
  EXPECT_TRUE(ev.StartConnectionTimer);
  EXPECT_TRUE(ev.Decoded);
  EXPECT_EQ(receiverLink.LinkUp, 1);
  EXPECT_EQ(d.Values().BatteryLevel, 100);
  EXPECT_FALSE(d.Decode(DeviceRole::Receiver, InLine()).StartConnectionTimer);

  // With the cable present too the receiver neither starts the timer nor clears the
  // battery display.
  receiver.AddRole(DeviceRole::Wired);
  receiverLink.ScanDevices();
  ev = d.Decode(DeviceRole::Receiver, down);
  EXPECT_TRUE(ev.LinkDown);
  EXPECT_FALSE(ev.StartConnectionTimer);
  EXPECT_EQ(d.Values().BatteryLevel, 100);
  // Other roles do not look at the link flag.
  EXPECT_TRUE(d.Decode(DeviceRole::Wired, down).Decoded);
}

TEST_F(StatusDecoding, NewSensorReDefaultsEveryProfile) {
  Bytes r = InLine();
  r[StatusReport::kSensorLetterOffset] = 0x30;  // the sensor in use: nothing
  EXPECT_FALSE(Decode(r).SensorChanged);
  EXPECT_FALSE(folder.Exists("config/config.ini"));

  r[StatusReport::kSensorLetterOffset] = 0x51;
  const StatusEvents ev = Decode(r);
  EXPECT_TRUE(ev.SensorChanged);
  EXPECT_TRUE(ev.RefreshView);
  EXPECT_FALSE(ev.Changed);
  EXPECT_EQ(ctx.Dpi.SensorId, 0x3395);
  EXPECT_EQ(ctx.Dpi.DpiStepCount, 520);
  EXPECT_EQ(ctx.Config.GetConfigText(kConfigSensor, 1), u"0x3395");
  EXPECT_EQ(ctx.Config.GetConfigText(kConfigPreST, 1), u"0xCC6A");
  for (int p = 0; p < kProfileCount; ++p) {
    EXPECT_EQ(ctx.Profiles[p].XYSettingX[0], 19) << p;
    EXPECT_EQ(ctx.Profiles[p].XYSettingY[5], 519) << p;
  }
  EXPECT_TRUE(folder.Exists("config/config.ini"));
  EXPECT_TRUE(folder.Exists("config/default4.psf"));
}

TEST_F(StatusDecoding, ForeignAndShortReportsAreIgnored) {
  Bytes other = InLine();
  other[0] = 8;
  other[StatusReport::kDpiLevelOffset] = 6;
  EXPECT_FALSE(Decode(other).Decoded);
  Bytes r = InLine();
  r[StatusReport::kDpiLevelOffset] = 6;
  EXPECT_FALSE(decoder->Decode(DeviceRole::Wired, std::span(r).first(StatusReport::kUsedLength - 1)).Decoded);
  EXPECT_TRUE(decoder->Decode(DeviceRole::Wired, std::span(r).first(StatusReport::kUsedLength)).Decoded);
  EXPECT_EQ(Profile().CurrentDPILevel, 6);
}

}  // namespace
}  // namespace corvane
