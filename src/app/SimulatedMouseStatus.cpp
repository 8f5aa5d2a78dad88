#include "app/SimulatedMouseStatus.h"

#include <QStringList>

#include "device/sim/SimBackend.h"
#include "device/sim/SimSettings.h"

namespace corvane {

SimulatedMouseStatus ReadSimulatedMouseStatus(const SimBackend& sim) {
  SimulatedMouseStatus s;
  sim.Inspect([&s](const SimDevice& d) {
    for (const auto& r : kDeviceRoles) s.present[static_cast<std::size_t>(r.role)] = d.Present(r.role);
    const SimState& st = d.State();
    s.battery = st.mouse.battery;
    s.charge = st.mouse.charge;
    s.dpiLevel = st.mouse.settings.dpiLevel;
    s.lightingMode = st.mouse.settings.lighting[SimLighting::kMode];
    s.sensorLetter = st.mouse.sensorLetter;
    s.linked = st.receiver.linked;
    s.pairing = st.receiver.pairing;
    s.pairingLeftMs = st.receiver.pairingLeftMs;
    s.now = d.Now();
  });
  return s;
}

QString RoleText(DeviceRole role) {
  switch (role) {
    case DeviceRole::Wired:
      return QStringLiteral("cable");
    case DeviceRole::Receiver:
      return QStringLiteral("receiver");
    case DeviceRole::Bluetooth:
      return QStringLiteral("Bluetooth");
  }
  return {};
}

QString ChargeText(std::uint8_t charge) {
  switch (charge) {
    case 1:
      return QStringLiteral("charging");
    case 2:
      return QStringLiteral("full");
    default:
      return QStringLiteral("not charging");
  }
}

QString ConnectedRolesText(const SimulatedMouseStatus& s) {
  QStringList roles;
  for (const auto& r : kDeviceRoles) {
    if (s.present[static_cast<std::size_t>(r.role)]) roles << RoleText(r.role);
  }
  return roles.isEmpty() ? QStringLiteral("none") : roles.join(QStringLiteral(", "));
}

QString BatteryText(const SimulatedMouseStatus& s) {
  return QStringLiteral("%1 %, %2").arg(int{s.battery}).arg(ChargeText(s.charge));
}

QString DpiLevelText(const SimulatedMouseStatus& s) {
  return QStringLiteral("DPI-%1 (level %2)").arg(s.dpiLevel + 1).arg(int{s.dpiLevel});
}

QString LinkText(const SimulatedMouseStatus& s) {
  if (s.pairing) return QStringLiteral("pairing (%1 s left)").arg(s.pairingLeftMs / 1000.0, 0, 'f', 1);
  return s.linked ? QStringLiteral("linked") : QStringLiteral("not linked");
}

QString SensorText(std::uint8_t letter) {
  const QString shown = letter >= 0x20 && letter < 0x7F ? QString(QChar(char16_t{letter})) : QStringLiteral("?");
  const auto model = SimSensorOfLetter(letter);
  if (!model) return QStringLiteral("%1 (unknown)").arg(shown);
  return QStringLiteral("%1 (0x%2)").arg(shown).arg(int{model->sensorId}, 4, 16, QLatin1Char('0'));
}

QString ClockText(const SimulatedMouseStatus& s) {
  return QStringLiteral("%1 s").arg(static_cast<double>(s.now) / 1000.0, 0, 'f', 2);
}

}  // namespace corvane
