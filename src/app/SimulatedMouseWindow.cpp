#include "app/SimulatedMouseWindow.h"

#include <algorithm>
#include <string_view>

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>
#include <QVBoxLayout>

#include "device/sim/SimSettings.h"
#include "session/DeviceSession.h"

namespace corvane {
namespace {

QString ObjectName(const char* prefix, std::string_view suffix) {
  return QString::fromLatin1(prefix) + QString::fromLatin1(suffix.data(), static_cast<qsizetype>(suffix.size()));
}

QString PlugText(DeviceRole role) {
  switch (role) {
    case DeviceRole::Wired:
      return QStringLiteral("Cable plugged in");
    case DeviceRole::Receiver:
      return QStringLiteral("Receiver plugged in");
    case DeviceRole::Bluetooth:
      return QStringLiteral("Bluetooth connected");
  }
  return {};
}

bool Simulates(const SimBackend& sim, DeviceRole role) {
  const auto& roles = sim.Roles();
  return std::find(roles.begin(), roles.end(), role) != roles.end();
}

}  // namespace

SimulatedMouseWindow::SimulatedMouseWindow(SimBackend& sim, SimulatedMouseClock::WallClock wall, QWidget* parent)
    : QWidget(parent, Qt::Window), sim_(sim), clock_(std::make_unique<SimulatedMouseClock>(sim, std::move(wall))) {
  setWindowTitle(QStringLiteral("Simulated mouse"));

  auto* left = new QVBoxLayout;
  left->addWidget(BuildButtons());
  left->addWidget(BuildPower());
  left->addStretch(1);
  auto* right = new QVBoxLayout;
  right->addWidget(BuildConnections());
  right->addWidget(BuildState());
  right->addStretch(1);
  auto* columns = new QHBoxLayout(this);
  columns->addLayout(left, 1);
  columns->addLayout(right, 1);

  // A hidden window is brought up to date when it is shown again.
  const auto follow = [this] {
    if (isVisible()) Refresh();
  };
  connect(clock_.get(), &SimulatedMouseClock::Ticked, this, follow);
  connect(clock_.get(), &SimulatedMouseClock::DevicesChanged, this, follow);
  Refresh();
}

void SimulatedMouseWindow::showEvent(QShowEvent* event) {
  Refresh();
  QWidget::showEvent(event);
}

template <typename Action>
void SimulatedMouseWindow::Act(Action action) {
  action();
  Refresh();
}

QWidget* SimulatedMouseWindow::BuildButtons() {
  auto* box = new QGroupBox(QStringLiteral("Mouse buttons"));
  auto* column = new QVBoxLayout(box);

  auto* dpi = new QPushButton(QStringLiteral("DPI button"));
  dpi->setObjectName(kDpiButton);
  dpi->setToolTip(QStringLiteral("Steps to the next enabled DPI level, round and round"));
  connect(dpi, &QPushButton::clicked, this, [this] { Act([this] { sim_.PressDpiButton(); }); });
  auto* lighting = new QPushButton(QStringLiteral("Lighting button"));
  lighting->setObjectName(kLightingButton);
  lighting->setToolTip(QStringLiteral("Steps through the lighting effects and off"));
  connect(lighting, &QPushButton::clicked, this, [this] { Act([this] { sim_.PressLightingButton(); }); });
  auto* switches = new QHBoxLayout;
  switches->addWidget(dpi, 1);
  switches->addWidget(lighting, 1);
  column->addLayout(switches);

  buttonChoice_ = new QSpinBox;
  buttonChoice_->setObjectName(kButtonChoice);
  buttonChoice_->setRange(0, static_cast<int>(kSimButtonCount) - 1);
  buttonChoice_->setPrefix(QStringLiteral("Button "));
  auto* press = new QPushButton(QStringLiteral("Press"));
  press->setObjectName(kPressButton);
  press->setToolTip(QStringLiteral("Presses the button as the function assigned to it acts on the mouse"));
  connect(press, &QPushButton::clicked, this, [this] {
    Act([this] { sim_.PressButton(static_cast<std::size_t>(buttonChoice_->value())); });
  });
  auto* launch = new QPushButton(QStringLiteral("Quick launch"));
  launch->setObjectName(kQuickLaunchButton);
  launch->setToolTip(QStringLiteral("Asks the program to open the target of this button, then releases"));
  connect(launch, &QPushButton::clicked, this, [this] {
    Act([this] { sim_.PressQuickLaunch(static_cast<std::uint8_t>(buttonChoice_->value() + 1)); });
  });
  auto* button = new QHBoxLayout;
  button->addWidget(buttonChoice_, 1);
  button->addWidget(press, 1);
  button->addWidget(launch, 1);
  column->addLayout(button);
  return box;
}

QWidget* SimulatedMouseWindow::BuildPower() {
  auto* box = new QGroupBox(QStringLiteral("Battery and sensor"));
  auto* form = new QFormLayout(box);

  battery_ = new QSlider(Qt::Horizontal);
  battery_->setObjectName(kBattery);
  battery_->setRange(0, 100);
  battery_->setPageStep(10);
  // One report when the handle is let go, not one for every step of a drag.
  battery_->setTracking(false);
  batteryValue_ = new QLabel;
  batteryValue_->setMinimumWidth(batteryValue_->fontMetrics().horizontalAdvance(QStringLiteral("100 %")));
  batteryValue_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  connect(battery_, &QSlider::sliderMoved, this, [this](int v) { batteryValue_->setText(QStringLiteral("%1 %").arg(v)); });
  connect(battery_, &QSlider::valueChanged, this,
          [this](int v) { Act([this, v] { sim_.SetBattery(static_cast<std::uint8_t>(v)); }); });
  auto* batteryRow = new QHBoxLayout;
  batteryRow->addWidget(battery_, 1);
  batteryRow->addWidget(batteryValue_);
  form->addRow(QStringLiteral("Battery"), batteryRow);

  charge_ = new QComboBox;
  charge_->setObjectName(kCharge);
  for (std::uint8_t c = 0; c <= 2; ++c) {
    QString name = ChargeText(c);
    name[0] = name[0].toUpper();
    charge_->addItem(name);
  }
  connect(charge_, &QComboBox::currentIndexChanged, this, [this](int i) {
    if (i >= 0) Act([this, i] { sim_.SetCharging(static_cast<std::uint8_t>(i)); });
  });
  form->addRow(QStringLiteral("Charging"), charge_);

  sensor_ = new QComboBox;
  sensor_->setObjectName(kSensor);
  for (const auto& model : kSimSensorModels) sensor_->addItem(SensorText(model.letter), int{model.letter});
  connect(sensor_, &QComboBox::currentIndexChanged, this, [this](int i) {
    if (i < 0) return;
    const auto letter = static_cast<std::uint8_t>(sensor_->itemData(i).toInt());
    Act([this, letter] { sim_.SetSensorLetter(letter); });
  });
  form->addRow(QStringLiteral("Sensor model"), sensor_);
  return box;
}

QWidget* SimulatedMouseWindow::BuildConnections() {
  auto* box = new QGroupBox(QStringLiteral("Connections"));
  auto* column = new QVBoxLayout(box);
  for (const auto& r : kDeviceRoles) {
    if (!Simulates(sim_, r.role)) continue;
    auto* plug = new QCheckBox(PlugText(r.role));
    plug->setObjectName(ObjectName(kPlugPrefix, r.name));
    const DeviceRole role = r.role;
    connect(plug, &QCheckBox::toggled, this, [this, role](bool in) {
      Act([this, role, in] { in ? sim_.Plug(role) : sim_.Unplug(role); });
    });
    plugs_[static_cast<std::size_t>(role)] = plug;
    column->addWidget(plug);
  }
  if (sim_.Roles().empty()) column->addWidget(new QLabel(QStringLiteral("No connection is simulated.")));

  // The receiver's link is the receiver's own state: only a simulated receiver has one
  // the program can see.
  linked_ = new QCheckBox(QStringLiteral("Mouse linked to the receiver"));
  linked_->setObjectName(kLinked);
  linked_->setToolTip(QStringLiteral("The mouse switched on and in range of its receiver"));
  linked_->setEnabled(Simulates(sim_, DeviceRole::Receiver));
  connect(linked_, &QCheckBox::toggled, this, [this](bool on) { Act([this, on] { sim_.SetMouseLinked(on); }); });
  column->addWidget(linked_);
  return box;
}

QWidget* SimulatedMouseWindow::BuildState() {
  auto* box = new QGroupBox(QStringLiteral("State"));
  auto* form = new QFormLayout(box);
  const auto line = [&](const char* name, const QString& caption) {
    auto* value = new QLabel;
    value->setObjectName(ObjectName(kStatePrefix, name));
    value->setTextInteractionFlags(Qt::TextSelectableByMouse);
    form->addRow(caption, value);
    return value;
  };
  stateConnected_ = line("connected", QStringLiteral("Connected"));
  stateBattery_ = line("battery", QStringLiteral("Battery"));
  stateDpi_ = line("dpi", QStringLiteral("DPI level"));
  stateLink_ = line("link", QStringLiteral("Receiver link"));
  stateSensor_ = line("sensor", QStringLiteral("Sensor"));
  stateClock_ = line("clock", QStringLiteral("Clock"));
  return box;
}

void SimulatedMouseWindow::Refresh() {
  shown_ = ReadSimulatedMouseStatus(sim_);
  const SimulatedMouseStatus& s = shown_;

  // The controls follow the devices (a state file, a firmware restart, pairing), without
  // acting again.
  if (!battery_->isSliderDown()) {
    const QSignalBlocker block(battery_);
    battery_->setValue(s.battery);
    batteryValue_->setText(QStringLiteral("%1 %").arg(int{s.battery}));
  }
  {
    const QSignalBlocker block(charge_);
    charge_->setCurrentIndex(s.charge <= 2 ? s.charge : 0);
  }
  {
    const QSignalBlocker block(sensor_);
    sensor_->setCurrentIndex(sensor_->findData(int{s.sensorLetter}));
  }
  {
    const QSignalBlocker block(linked_);
    linked_->setChecked(s.linked);
  }
  for (std::size_t i = 0; i < kRoleCount; ++i) {
    if (plugs_[i] == nullptr) continue;
    const QSignalBlocker block(plugs_[i]);
    plugs_[i]->setChecked(s.present[i]);
  }

  stateConnected_->setText(ConnectedRolesText(s));
  stateBattery_->setText(BatteryText(s));
  stateDpi_->setText(DpiLevelText(s));
  stateLink_->setText(Simulates(sim_, DeviceRole::Receiver) ? LinkText(s) : QStringLiteral("no receiver"));
  stateSensor_->setText(SensorText(s.sensorLetter));
  stateClock_->setText(ClockText(s));
}

std::unique_ptr<SimulatedMouseWindow> ShowSimulatedMouseWindow(DeviceSession& session) {
  SimBackend* sim = session.Sim();
  if (sim == nullptr) return nullptr;
  auto window = std::make_unique<SimulatedMouseWindow>(*sim);
  // It opens beside the main window after its first frame: the main window keeps the focus
  // (and any popup the user has already opened there).
  window->setAttribute(Qt::WA_ShowWithoutActivating);
  window->show();
  window->Clock().Start();
  return window;
}

}  // namespace corvane
