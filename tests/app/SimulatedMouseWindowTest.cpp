// The "Simulated mouse" window: each control does to the simulated devices what the
// hand on the hardware would, the program sees it as the status reports the device sends
// (read here through the backend's input interface, as the program's readers do), and
// the controls and state panel follow the devices without acting again.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>

#include "app/SimulatedMouseWindow.h"
#include "session/DeviceSession.h"
#include "settings/ConfigTable.h"
#include "support/HexBytes.h"

namespace corvane {
namespace {

using testing::HexBytes;
using testing::HexText;

// The factory mouse's status report: linked, level 2, 1000 Hz, 100 %, not charging,
// effect 1, no launch, sensor 'P', move-lighting off, times 1 and 1, red, speed 2.
constexpr const char* kFactory = "07 01 02 01 64 00 01 00 00 50 00 01 01 FF 00 00 02";

std::string Report(const std::string& hex) { return HexText(HexBytes(hex, 32)); }

// Every report queued on the role's input interface since it was opened.
std::vector<std::string> Drain(HidHandle& input) {
  std::vector<std::string> out;
  std::vector<std::uint8_t> buf(32);
  std::size_t n = 0;
  while (input.Read(buf, 0, n) == HidReadResult::Ok) out.push_back(HexText(std::span(buf.data(), n)));
  return out;
}

// Sets the window's wall clock by hand.
struct ManualWall {
  std::int64_t ms = 0;
  SimulatedMouseClock::WallClock Source() {
    return [this] { return ms; };
  }
};

struct Fixture {
  explicit Fixture(std::vector<DeviceRole> roles) : sim(SimOptions{std::move(roles), {}}), window(sim, wall.Source()) {}

  template <typename W>
  W* Get(const QString& name) {
    auto* w = window.findChild<W*>(name);
    EXPECT_NE(w, nullptr) << name.toStdString();
    return w;
  }
  QString State(const char* line) { return Get<QLabel>(QString(SimulatedMouseWindow::kStatePrefix) + line)->text(); }
  QCheckBox* Plug(DeviceRole role) {
    return window.findChild<QCheckBox*>(QString(SimulatedMouseWindow::kPlugPrefix) + QString::fromLatin1(RoleInfo(role).name.data(), RoleInfo(role).name.size()));
  }
  std::unique_ptr<HidHandle> Input(DeviceRole role) { return sim.Open(SimBackend::InterfacePath(role, SimInterface::Input)); }

  ManualWall wall;
  SimBackend sim;
  SimulatedMouseWindow window;
};

TEST(SimulatedMouseWindowTest, EachControlMakesTheMouseReport) {
  using W = SimulatedMouseWindow;
  struct Case {
    const char* name;
    std::vector<DeviceRole> roles;
    std::function<void(Fixture&)> act;
    DeviceRole route;                  // where the reports come out
    std::vector<std::string> reports;  // hex, padded to 32 bytes
    const char* stateLine;             // a line of the state panel afterwards
    const char* stateText;
    std::function<void(Fixture&)> before = {};  // runs before the reports are counted
  };
  const auto click = [](const char* name) { return [name](Fixture& f) { f.Get<QPushButton>(name)->click(); }; };
  const auto pressButton = [](int button, const char* control) {
    return [=](Fixture& f) {
      f.Get<QSpinBox>(W::kButtonChoice)->setValue(button);
      f.Get<QPushButton>(control)->click();
    };
  };
  const std::vector<DeviceRole> wired{DeviceRole::Wired};
  const std::vector<DeviceRole> receiver{DeviceRole::Receiver};
  const std::vector<Case> cases{
      {"DpiButtonCyclesUp", wired, click(W::kDpiButton), DeviceRole::Wired,
       {"07 01 03 01 64 00 01 00 00 50 00 01 01 FF 00 00 02"}, "dpi", "DPI-4 (level 3)"},
      {"LightingButtonNextEffect", wired, click(W::kLightingButton), DeviceRole::Wired,
       {"07 01 02 01 64 00 02 00 00 50 00 01 01 FF 00 00 02"}, "dpi", "DPI-3 (level 2)"},
      // The factory gives button 5 the DPI cycle; button 0 is a click the mouse does not report.
      {"ButtonFiveAsAssigned", wired, pressButton(5, W::kPressButton), DeviceRole::Wired,
       {"07 01 03 01 64 00 01 00 00 50 00 01 01 FF 00 00 02"}, "dpi", "DPI-4 (level 3)"},
      {"ButtonZeroReportsNothing", wired, pressButton(0, W::kPressButton), DeviceRole::Wired, {}, "dpi",
       "DPI-3 (level 2)"},
      // Request n asks for the target of the program's button n-1; releasing clears it.
      {"QuickLaunchOfButtonThree", wired, pressButton(3, W::kQuickLaunchButton), DeviceRole::Wired,
       {"07 01 02 01 64 00 01 04 00 50 00 01 01 FF 00 00 02", kFactory}, "dpi", "DPI-3 (level 2)"},
      {"QuickLaunchOfButtonSix", wired, pressButton(6, W::kQuickLaunchButton), DeviceRole::Wired,
       {"07 01 02 01 64 00 01 07 00 50 00 01 01 FF 00 00 02", kFactory}, "dpi", "DPI-3 (level 2)"},
      {"BatterySlider", wired, [](Fixture& f) { f.Get<QSlider>(W::kBattery)->setValue(37); }, DeviceRole::Wired,
       {"07 01 02 01 25 00 01 00 00 50 00 01 01 FF 00 00 02"}, "battery", "37 %, not charging"},
      {"BatteryEmpty", wired, [](Fixture& f) { f.Get<QSlider>(W::kBattery)->setValue(0); }, DeviceRole::Wired,
       {"07 01 02 01 00 00 01 00 00 50 00 01 01 FF 00 00 02"}, "battery", "0 %, not charging"},
      // A drag reports once, where the handle is let go.
      {"BatteryDrag", wired,
       [](Fixture& f) {
         auto* slider = f.Get<QSlider>(W::kBattery);
         slider->setSliderDown(true);
         for (int v = 90; v >= 40; v -= 10) slider->setSliderPosition(v);
         slider->setSliderDown(false);
       },
       DeviceRole::Wired, {"07 01 02 01 28 00 01 00 00 50 00 01 01 FF 00 00 02"}, "battery", "40 %, not charging"},
      {"Charging", wired, [](Fixture& f) { f.Get<QComboBox>(W::kCharge)->setCurrentIndex(1); }, DeviceRole::Wired,
       {"07 01 02 01 64 01 01 00 00 50 00 01 01 FF 00 00 02"}, "battery", "100 %, charging"},
      {"Full", wired, [](Fixture& f) { f.Get<QComboBox>(W::kCharge)->setCurrentIndex(2); }, DeviceRole::Wired,
       {"07 01 02 01 64 02 01 00 00 50 00 01 01 FF 00 00 02"}, "battery", "100 %, full"},
      {"SensorQ", wired,
       [](Fixture& f) {
         auto* sensor = f.Get<QComboBox>(W::kSensor);
         sensor->setCurrentIndex(sensor->findData(0x51));
       },
       DeviceRole::Wired, {"07 01 02 01 64 00 01 00 00 51 00 01 01 FF 00 00 02"}, "sensor", "Q (0x3395)"},
      {"SensorZero", wired,
       [](Fixture& f) {
         auto* sensor = f.Get<QComboBox>(W::kSensor);
         sensor->setCurrentIndex(sensor->findData(0x30));
       },
       DeviceRole::Wired, {"07 01 02 01 64 00 01 00 00 30 00 01 01 FF 00 00 02"}, "sensor", "0 (0x3212)"},
      // Without a cable the mouse speaks through its receiver, whose link flag is byte 1.
      {"ReceiverCarriesTheReport", receiver, click(W::kDpiButton), DeviceRole::Receiver,
       {"07 01 03 01 64 00 01 00 00 50 00 01 01 FF 00 00 02"}, "link", "linked"},
      {"LinkDropped", receiver, [](Fixture& f) { f.Get<QCheckBox>(W::kLinked)->setChecked(false); },
       DeviceRole::Receiver, {"07"}, "link", "not linked"},
      {"LinkBack", receiver, [](Fixture& f) { f.Get<QCheckBox>(W::kLinked)->setChecked(true); },
       DeviceRole::Receiver, {kFactory}, "link", "linked",
       [](Fixture& f) {
         f.sim.SetMouseLinked(false);
         f.window.Refresh();
       }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Fixture f(c.roles);
    if (c.before) c.before(f);
    auto input = f.Input(c.route);
    ASSERT_TRUE(input);
    c.act(f);
    std::vector<std::string> expected;
    for (const auto& r : c.reports) expected.push_back(Report(r));
    EXPECT_EQ(Drain(*input), expected);
    EXPECT_EQ(f.State(c.stateLine), QString::fromUtf8(c.stateText));
  }
}

std::size_t ListedInterfaces(SimBackend& sim, DeviceRole role) {
  const std::string prefix = "sim:" + std::string(RoleInfo(role).name) + ":";
  std::size_t n = 0;
  for (const auto& info : sim.Enumerate()) n += info.path.starts_with(prefix) ? 1 : 0;
  return n;
}

TEST(SimulatedMouseWindowTest, UnplugAndReplugChangeWhatTheBackendLists) {
  struct Case {
    DeviceRole role;
    const char* connectedWhileOut;
  };
  const Case cases[] = {{DeviceRole::Wired, "receiver, Bluetooth"},
                        {DeviceRole::Receiver, "cable, Bluetooth"},
                        {DeviceRole::Bluetooth, "cable, receiver"}};
  Fixture f({DeviceRole::Wired, DeviceRole::Receiver, DeviceRole::Bluetooth});
  for (const auto& c : cases) {
    SCOPED_TRACE(RoleInfo(c.role).name);
    QCheckBox* plug = f.Plug(c.role);
    ASSERT_NE(plug, nullptr);
    EXPECT_TRUE(plug->isChecked());
    auto input = f.Input(c.role);
    ASSERT_TRUE(input);

    plug->setChecked(false);
    EXPECT_EQ(ListedInterfaces(f.sim, c.role), 0u);
    EXPECT_EQ(f.sim.Enumerate().size(), 2 * kSimInterfaceCount);
    EXPECT_EQ(f.State("connected"), QString::fromUtf8(c.connectedWhileOut));
    std::vector<std::uint8_t> buf(32);
    std::size_t n = 0;
    EXPECT_EQ(input->Read(buf, 0, n), HidReadResult::Gone);  // the program's reader ends

    plug->setChecked(true);
    EXPECT_EQ(ListedInterfaces(f.sim, c.role), kSimInterfaceCount);
    EXPECT_EQ(f.State("connected"), "cable, receiver, Bluetooth");
    EXPECT_TRUE(f.Input(c.role));
  }
}

TEST(SimulatedMouseWindowTest, OnlyTheSimulatedConnectionsHaveControls) {
  Fixture wired({DeviceRole::Wired});
  EXPECT_NE(wired.Plug(DeviceRole::Wired), nullptr);
  EXPECT_EQ(wired.Plug(DeviceRole::Receiver), nullptr);
  EXPECT_EQ(wired.Plug(DeviceRole::Bluetooth), nullptr);
  EXPECT_FALSE(wired.Get<QCheckBox>(SimulatedMouseWindow::kLinked)->isEnabled());
  EXPECT_EQ(wired.State("link"), "no receiver");

  Fixture none({});
  for (const auto& r : kDeviceRoles) EXPECT_EQ(none.Plug(r.role), nullptr);
  EXPECT_EQ(none.State("connected"), "none");

  Fixture receiver({DeviceRole::Receiver});
  EXPECT_TRUE(receiver.Get<QCheckBox>(SimulatedMouseWindow::kLinked)->isEnabled());
}

// What changes on the devices by other means (the program, a firmware restart, pairing,
// a state file) shows in the controls, and setting the controls to it sends nothing.
TEST(SimulatedMouseWindowTest, ControlsFollowTheDevicesWithoutActingAgain) {
  Fixture f({DeviceRole::Wired, DeviceRole::Receiver, DeviceRole::Bluetooth});
  auto cable = f.Input(DeviceRole::Wired);
  auto receiver = f.Input(DeviceRole::Receiver);
  f.sim.SetBattery(20);
  f.sim.SetCharging(2);
  f.sim.SetSensorLetter(0x4E);
  f.sim.SetMouseLinked(false);
  f.sim.Unplug(DeviceRole::Bluetooth);
  EXPECT_EQ(Drain(*cable).size(), 3u);
  EXPECT_EQ(Drain(*receiver), std::vector<std::string>{Report("07")});

  f.window.Refresh();
  EXPECT_TRUE(Drain(*cable).empty());
  EXPECT_TRUE(Drain(*receiver).empty());
  EXPECT_EQ(f.Get<QSlider>(SimulatedMouseWindow::kBattery)->value(), 20);
  EXPECT_EQ(f.Get<QComboBox>(SimulatedMouseWindow::kCharge)->currentIndex(), 2);
  EXPECT_EQ(f.Get<QComboBox>(SimulatedMouseWindow::kSensor)->currentData().toInt(), 0x4E);
  EXPECT_FALSE(f.Get<QCheckBox>(SimulatedMouseWindow::kLinked)->isChecked());
  EXPECT_FALSE(f.Plug(DeviceRole::Bluetooth)->isChecked());
  EXPECT_TRUE(f.Plug(DeviceRole::Receiver)->isChecked());
  EXPECT_EQ(f.State("battery"), "20 %, full");
  EXPECT_EQ(f.State("sensor"), "N (0x3335)");
  EXPECT_EQ(f.State("link"), "not linked");
  EXPECT_EQ(f.State("connected"), "cable, receiver");
}

// A letter the window does not list (from an older state file) selects nothing, and
// choosing a model from there still reaches the mouse.
TEST(SimulatedMouseWindowTest, UnknownSensorLetterSelectsNoModel) {
  Fixture f({DeviceRole::Wired});
  f.sim.SetSensorLetter(0x41);
  f.window.Refresh();
  auto* sensor = f.Get<QComboBox>(SimulatedMouseWindow::kSensor);
  EXPECT_EQ(sensor->currentIndex(), -1);
  EXPECT_EQ(f.State("sensor"), "A (unknown)");
  auto input = f.Input(DeviceRole::Wired);
  sensor->setCurrentIndex(sensor->findData(0x50));
  EXPECT_EQ(Drain(*input), std::vector<std::string>{Report(kFactory)});
}

// The device's own timing runs on the window's clock: a restarted cable mouse comes back
// after its absence, a receiver asked to pair finds its mouse, and the shown window
// follows on each tick.
TEST(SimulatedMouseWindowTest, TimedDeviceBehaviourProgressesOnTheClock) {
  Fixture f({DeviceRole::Wired, DeviceRole::Receiver});
  f.window.show();
  f.sim.SetMouseLinked(false);
  auto cable = f.sim.Open(SimBackend::InterfacePath(DeviceRole::Wired, SimInterface::Feature));
  auto receiver = f.sim.Open(SimBackend::InterfacePath(DeviceRole::Receiver, SimInterface::Feature));
  std::vector<std::uint8_t> restart(136, 0);
  restart[0] = 0xBF;
  restart[3] = 2;
  ASSERT_TRUE(cable->SetFeature(restart));
  ASSERT_TRUE(receiver->SetFeature(HexBytes("BC 03", 8)));

  const auto tick = [&f](std::int64_t ms) {
    f.wall.ms += ms;
    f.window.Clock().Tick();
  };
  tick(1000);
  EXPECT_FALSE(f.Plug(DeviceRole::Wired)->isChecked());
  EXPECT_EQ(f.State("link"), "pairing (1.0 s left)");
  EXPECT_EQ(f.State("connected"), "receiver");
  tick(1000);
  EXPECT_EQ(f.State("link"), "linked");
  EXPECT_TRUE(f.Get<QCheckBox>(SimulatedMouseWindow::kLinked)->isChecked());
  tick(999);
  EXPECT_FALSE(f.sim.Present(DeviceRole::Wired));
  tick(1);
  EXPECT_TRUE(f.sim.Present(DeviceRole::Wired));
  EXPECT_TRUE(f.Plug(DeviceRole::Wired)->isChecked());
  EXPECT_EQ(f.State("clock"), "3.00 s");
}

// The clock stands still while nothing is scheduled, so the panel follows what others do
// to the devices (the program's exchanges, a state file) as the simulator reports it; a
// hidden window catches up when it is shown again.
TEST(SimulatedMouseWindowTest, FollowsChangesMadeOutsideTheWindow) {
  Fixture f({DeviceRole::Wired});
  f.window.show();
  f.window.Clock().Start();
  ASSERT_FALSE(f.window.Clock().Ticking());
  const QString dpi = f.State("dpi");
  f.sim.PressDpiButton();
  QCoreApplication::sendPostedEvents();
  EXPECT_NE(f.State("dpi"), dpi);

  f.window.hide();
  f.sim.SetBattery(20);
  QCoreApplication::sendPostedEvents();
  f.window.show();
  EXPECT_EQ(f.State("battery"), "20 %, not charging");
  EXPECT_EQ(f.Get<QSlider>(SimulatedMouseWindow::kBattery)->value(), 20);
}

TEST(SimulatedMouseWindowTest, OpensOnlyForASimulatedSession) {
  ConfigTable config;
  config.ConfigDefaults();
  std::string error;
  DeviceSessionOptions simulated;
  simulated.simulate = std::vector<DeviceRole>{DeviceRole::Receiver};
  auto session = DeviceSession::Open(simulated, config, error);
  ASSERT_TRUE(session) << error;
  auto window = ShowSimulatedMouseWindow(*session);
  ASSERT_TRUE(window);
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(window->windowTitle(), "Simulated mouse");
  EXPECT_TRUE(window->Clock().Running());
  EXPECT_NE(window->findChild<QCheckBox*>("plug.receiver"), nullptr);

  DeviceSessionOptions hardware;
  hardware.noWait = true;
  auto real = DeviceSession::Open(hardware, config, error);
  ASSERT_TRUE(real) << error;
  EXPECT_EQ(ShowSimulatedMouseWindow(*real), nullptr);
}

}  // namespace
}  // namespace corvane
