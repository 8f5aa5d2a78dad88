#pragma once
// The "Simulated mouse" window of simulate mode (--simulate): a developer's stand-in for
// the hands on the hardware. Its controls press the mouse's buttons, set battery,
// charging and sensor model, switch the receiver's link and plug the simulated
// connections in and out, each through the simulator's own operations, so the program
// sees exactly what the device sends. A clock keeps the devices' virtual time moving
// (see SimulatedMouseClock), and the state panel shows what the devices hold after each
// action, each tick and each exchange of the program with them.
//
// A plain Qt window, not a skinned dialog: it is not part of the product's look.
#include <array>
#include <memory>

#include <QWidget>

#include "app/SimulatedMouseClock.h"
#include "app/SimulatedMouseStatus.h"
#include "device/sim/SimBackend.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QSlider;
class QSpinBox;

namespace corvane {

class DeviceSession;

class SimulatedMouseWindow : public QWidget {
  Q_OBJECT

 public:
  // Control names (QObject::objectName), for tests and for finding them in a debugger.
  static constexpr const char* kDpiButton = "dpiButton";
  static constexpr const char* kLightingButton = "lightingButton";
  static constexpr const char* kButtonChoice = "buttonChoice";    // the program's button 0..6
  static constexpr const char* kPressButton = "pressButton";      // as its function is assigned
  static constexpr const char* kQuickLaunchButton = "quickLaunchButton";
  static constexpr const char* kBattery = "battery";
  static constexpr const char* kCharge = "charge";                // index = charge state 0..2
  static constexpr const char* kSensor = "sensor";                // item data = sensor letter
  static constexpr const char* kLinked = "linked";
  static constexpr const char* kPlugPrefix = "plug.";             // + role name ("plug.wired")
  static constexpr const char* kStatePrefix = "state.";           // + connected, battery, dpi, link, sensor, clock

  // The clock is created stopped; Show... starts it. wall: see SimulatedMouseClock.
  explicit SimulatedMouseWindow(SimBackend& sim, SimulatedMouseClock::WallClock wall = {},
                                QWidget* parent = nullptr);

  SimulatedMouseClock& Clock() { return *clock_; }
  const SimulatedMouseStatus& Shown() const { return shown_; }

  // Reads the devices again and brings the controls and the state panel into line.
  void Refresh();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QWidget* BuildButtons();
  QWidget* BuildPower();
  QWidget* BuildConnections();
  QWidget* BuildState();
  // Runs a user action on the simulator, then shows its effect.
  template <typename Action>
  void Act(Action action);

  SimBackend& sim_;
  std::unique_ptr<SimulatedMouseClock> clock_;
  SimulatedMouseStatus shown_;

  QSpinBox* buttonChoice_ = nullptr;
  QSlider* battery_ = nullptr;
  QLabel* batteryValue_ = nullptr;
  QComboBox* charge_ = nullptr;
  QComboBox* sensor_ = nullptr;
  QCheckBox* linked_ = nullptr;
  std::array<QCheckBox*, kRoleCount> plugs_{};
  QLabel* stateConnected_ = nullptr;
  QLabel* stateBattery_ = nullptr;
  QLabel* stateDpi_ = nullptr;
  QLabel* stateLink_ = nullptr;
  QLabel* stateSensor_ = nullptr;
  QLabel* stateClock_ = nullptr;
};

// The window for a simulated session, shown, with its clock running; nullptr when the
// session talks to real hardware. The caller keeps it for as long as the session lives
// (it holds the session's simulator by reference); closing it only hides it, and the
// clock keeps running while it is hidden.
std::unique_ptr<SimulatedMouseWindow> ShowSimulatedMouseWindow(DeviceSession& session);

}  // namespace corvane
