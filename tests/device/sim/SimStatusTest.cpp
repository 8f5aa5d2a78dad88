// What the simulated devices send on their own (input report 7) and answer to the
// link-state read (feature report 8).
#include <gtest/gtest.h>

#include <functional>

#include "device/sim/SimDevice.h"
#include "device/sim/SimMouse.h"
#include "support/HexBytes.h"

namespace corvane {
namespace {

using testing::HexBytes;
using testing::HexText;

// The factory mouse as its status report shows it: linked, level 2, 1000 Hz, 100 %,
// not charging, effect 1, no launch, sensor 'P', move-lighting off, times 1 and 1,
// red, speed level 2.
constexpr const char* kFactoryStatus = "07 01 02 01 64 00 01 00 00 50 00 01 01 FF 00 00 02";

std::vector<std::string> Reports(SimDevice& d, DeviceRole role) {
  std::vector<std::string> out;
  for (const auto& e : d.TakeEvents()) {
    if (e.kind == SimEvent::Kind::InputReport && e.role == role) out.push_back(HexText(e.report));
  }
  return out;
}

std::string Status(const std::string& hex) { return HexText(HexBytes(hex, 32)); }

struct EventCase {
  const char* name;
  std::function<void(SimDevice&)> act;
  std::vector<std::string> reports;
};

TEST(SimStatusTest, ReportsPerDeviceEvent) {
  const std::vector<EventCase> cases{
      {"DpiButtonSteps", [](SimDevice& d) { d.PressDpiButton(); },
       {"07 01 03 01 64 00 01 00 00 50 00 01 01 FF 00 00 02"}},
      {"LightingButtonSteps", [](SimDevice& d) { d.PressLightingButton(); },
       {"07 01 02 01 64 00 02 00 00 50 00 01 01 FF 00 00 02"}},
      {"BatteryFalls", [](SimDevice& d) { d.SetBattery(37); },
       {"07 01 02 01 25 00 01 00 00 50 00 01 01 FF 00 00 02"}},
      {"BatteryAbove100IsCapped", [](SimDevice& d) { d.SetBattery(180); }, {kFactoryStatus}},
      {"Charging", [](SimDevice& d) { d.SetCharging(1); },
       {"07 01 02 01 64 01 01 00 00 50 00 01 01 FF 00 00 02"}},
      {"FullyCharged", [](SimDevice& d) { d.SetCharging(2); },
       {"07 01 02 01 64 02 01 00 00 50 00 01 01 FF 00 00 02"}},
      {"SensorModel", [](SimDevice& d) { d.SetSensorLetter(0x51); },
       {"07 01 02 01 64 00 01 00 00 51 00 01 01 FF 00 00 02"}},
      {"QuickLaunchRequestThenRelease", [](SimDevice& d) { d.PressQuickLaunch(7); },
       {"07 01 02 01 64 00 01 07 00 50 00 01 01 FF 00 00 02", kFactoryStatus}},
      // The program's buttons as the factory assigned them: 5 cycles DPI, 6 switches
      // profile (a computer-side function: nothing reported), 0 is a click.
      {"ButtonFiveCyclesDpi", [](SimDevice& d) { d.PressButton(5); },
       {"07 01 03 01 64 00 01 00 00 50 00 01 01 FF 00 00 02"}},
      {"ButtonSixReportsNothing", [](SimDevice& d) { d.PressButton(6); }, {}},
      {"ButtonZeroReportsNothing", [](SimDevice& d) { d.PressButton(0); }, {}},
      {"ButtonOutOfRange", [](SimDevice& d) { d.PressButton(7); }, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    SimDevice d(std::array{DeviceRole::Wired});
    c.act(d);
    std::vector<std::string> expected;
    for (const auto& r : c.reports) expected.push_back(Status(r));
    EXPECT_EQ(Reports(d, DeviceRole::Wired), expected);
  }
}

// A quick-launch button asks for the target of the program's button it is; the device
// keeps buttons 3 and 4 swapped, the request does not.
TEST(SimStatusTest, QuickLaunchButtonNamesTheProgramsButton) {
  for (std::size_t button : {3u, 4u, 6u}) {
    SCOPED_TRACE(button);
    SimDevice d(std::array{DeviceRole::Wired});
    auto& buttons = d.MutableState().mouse.settings.buttons;
    const std::size_t at = DevicePositionOfButton(button);
    buttons[at * 3] = 0x60;
    buttons[at * 3 + 1] = 0x05;
    d.PressButton(button);
    const auto reports = Reports(d, DeviceRole::Wired);
    ASSERT_EQ(reports.size(), 2u);
    EXPECT_EQ(HexBytes(reports[0])[7], button + 1);
    EXPECT_EQ(HexBytes(reports[1])[7], 0);
  }
}

TEST(SimStatusTest, DpiStepsFollowTheEnabledLevels) {
  struct Case {
    std::uint8_t mask;
    std::uint8_t from;
    std::uint8_t dpiFunction;  // 01 cycle, 02 up, 03 down
    int expected;              // -1: stays, nothing reported
  };
  const Case cases[] = {
      {0x3F, 5, 0x01, 0},   // the cycle wraps round
      {0x05, 2, 0x01, 0},   // skips disabled levels
      {0x24, 2, 0x01, 5},
      {0x04, 2, 0x01, -1},  // only one level enabled
      {0x3F, 5, 0x02, -1},  // up stops at the top
      {0x3F, 1, 0x02, 2},
      {0x3F, 0, 0x03, -1},  // down stops at the bottom
      {0x15, 4, 0x03, 2},
      {0xC0, 2, 0x01, -1},  // levels 6 and 7 have no sensor code
      {0x3F, 7, 0x01, 0},   // from a level without code the cycle starts at the bottom
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << "mask " << int(c.mask) << " from " << int(c.from) << " fn " << int(c.dpiFunction));
    SimDevice d(std::array{DeviceRole::Wired});
    auto& s = d.MutableState().mouse.settings;
    s.dpiMask = c.mask;
    s.dpiLevel = c.from;
    s.buttons[DevicePositionOfButton(5) * 3 + 1] = c.dpiFunction;
    d.PressButton(5);
    const auto reports = Reports(d, DeviceRole::Wired);
    if (c.expected < 0) {
      EXPECT_TRUE(reports.empty());
      EXPECT_EQ(d.State().mouse.settings.dpiLevel, c.from);
    } else {
      ASSERT_EQ(reports.size(), 1u);
      EXPECT_EQ(HexBytes(reports[0])[2], c.expected);
    }
  }
}

TEST(SimStatusTest, LightingButtonWalksTheNamedEffectsAndOff) {
  SimDevice d(std::array{DeviceRole::Wired});
  std::vector<int> modes;
  for (int i = 0; i < 9; ++i) {
    d.PressLightingButton();
    modes.push_back(d.State().mouse.settings.lighting[1]);
  }
  EXPECT_EQ(modes, (std::vector<int>{2, 3, 4, 5, 6, 7, 0, 1, 2}));
  d.MutableState().mouse.settings.lighting[1] = 9;  // a mode the program set
  d.PressLightingButton();
  EXPECT_EQ(d.State().mouse.settings.lighting[1], 1);
}

// The mouse reports through the cable when it has one, else Bluetooth, else a linked
// receiver; with the receiver's link down it reports nothing.
TEST(SimStatusTest, ReportsTakeTheMousesActiveConnection) {
  struct Case {
    std::vector<DeviceRole> roles;
    bool linked;
    std::optional<DeviceRole> route;
  };
  const Case cases[] = {
      {{DeviceRole::Receiver, DeviceRole::Wired}, true, DeviceRole::Wired},
      {{DeviceRole::Receiver, DeviceRole::Bluetooth}, true, DeviceRole::Bluetooth},
      {{DeviceRole::Receiver}, true, DeviceRole::Receiver},
      {{DeviceRole::Receiver}, false, std::nullopt},
  };
  for (const auto& c : cases) {
    SimState state;
    state.receiver.linked = c.linked;
    SimDevice d(c.roles, state);
    d.SetBattery(50);
    const auto events = d.TakeEvents();
    if (!c.route) {
      EXPECT_TRUE(events.empty());
      continue;
    }
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].role, *c.route);
  }
}

TEST(SimStatusTest, ReceiverReportsItsLinkChanges) {
  SimDevice d(std::array{DeviceRole::Receiver});
  d.SetMouseLinked(false);
  EXPECT_EQ(Reports(d, DeviceRole::Receiver), std::vector<std::string>{Status("07")});
  d.SetMouseLinked(false);  // no change, no report
  EXPECT_TRUE(Reports(d, DeviceRole::Receiver).empty());
  d.SetMouseLinked(true);
  EXPECT_EQ(Reports(d, DeviceRole::Receiver), std::vector<std::string>{Status(kFactoryStatus)});
}

std::string LinkState(SimDevice& d, DeviceRole role) {
  std::vector<std::uint8_t> buf(32, 0xFF);
  buf[0] = 8;
  if (!d.GetFeature(role, buf)) return "fail";
  return HexText(buf);
}

TEST(SimStatusTest, LinkStateReply) {
  SimDevice d(std::array{DeviceRole::Wired, DeviceRole::Receiver, DeviceRole::Bluetooth});
  const std::string up = Status("08 43 52 56 4E 01");
  const std::string down = Status("08 43 52 56 4E 00");
  EXPECT_EQ(LinkState(d, DeviceRole::Wired), up);
  EXPECT_EQ(LinkState(d, DeviceRole::Bluetooth), up);
  EXPECT_EQ(LinkState(d, DeviceRole::Receiver), up);
  d.SetMouseLinked(false);
  EXPECT_EQ(LinkState(d, DeviceRole::Receiver), down);
  EXPECT_EQ(LinkState(d, DeviceRole::Wired), up);
  d.Unplug(DeviceRole::Wired);
  EXPECT_EQ(LinkState(d, DeviceRole::Wired), "fail");

  // A shorter buffer gets the start of the reply.
  std::vector<std::uint8_t> shortBuf{8, 0, 0, 0, 0, 0};
  ASSERT_TRUE(d.GetFeature(DeviceRole::Receiver, shortBuf));
  EXPECT_EQ(HexText(shortBuf), "08 43 52 56 4E 00");
}

TEST(SimStatusTest, ReportsTheDeviceDoesNotHaveAreRefused) {
  SimDevice d(std::array{DeviceRole::Wired, DeviceRole::Receiver});
  for (std::uint8_t id : {0x07, 0x01, 0xBC, 0x00}) {
    std::vector<std::uint8_t> buf(32, 0);
    buf[0] = id;
    EXPECT_FALSE(d.GetFeature(DeviceRole::Wired, buf)) << int(id);
  }
  std::vector<std::uint8_t> fw(136, 0);
  fw[0] = 0xBF;
  fw[2] = 16;
  EXPECT_FALSE(d.SetFeature(DeviceRole::Receiver, fw));  // firmware only over the cable
  EXPECT_FALSE(d.SetFeature(DeviceRole::Wired, HexBytes("BC 03", 8)));  // pairing only on the receiver
  EXPECT_FALSE(d.SetFeature(DeviceRole::Wired, std::vector<std::uint8_t>{}));
}

}  // namespace
}  // namespace corvane
