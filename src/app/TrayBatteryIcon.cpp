#include "app/TrayBatteryIcon.h"

#include <algorithm>

#include <QPainter>
#include <QPainterPath>
#include <QStringList>

#include "lang/LanguageEntries.h"
#include "lang/LanguageTable.h"

namespace corvane {
namespace {

// The accent and status colours of the skins (COLORREF 0x00DEA035 is #35A0DE).
const QColor kOutline(0xE6, 0xE6, 0xE6);
const QColor kNoMouse(0x80, 0x80, 0x80);
const QColor kLow(0xE0, 0x40, 0x40);
const QColor kMiddle(0xF0, 0xB0, 0x30);
const QColor kGood(0x50, 0xC8, 0x60);
const QColor kBolt(0xFF, 0xE0, 0x40);

QColor LevelColour(int level) {
  if (level <= kBatteryLowLevel) return kLow;
  if (level <= 40) return kMiddle;
  return kGood;
}

QString Text(const LanguageTable& language, int n) { return QString::fromStdU16String(language.Text(n)); }

}  // namespace

QImage DrawTrayBatteryIcon(const TrayStatus& status, int size) {
  QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
  img.fill(Qt::transparent);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(size / 32.0, size / 32.0);  // drawn on a 32-unit grid

  const bool connected = status.Connection != TrayConnection::None;
  const int level = std::clamp(status.Level, 0, 100);
  // Body upright, so the fill rises with the level; the cap on top.
  const QRectF body(8, 5, 16, 25);
  p.setPen(Qt::NoPen);
  p.setBrush(connected ? kOutline : kNoMouse);
  p.drawRoundedRect(QRectF(12.5, 2, 7, 3.5), 1, 1);
  p.setPen(QPen(connected ? kOutline : kNoMouse, 2));
  p.setBrush(QColor(0x20, 0x20, 0x24));
  p.drawRoundedRect(body, 3, 3);
  if (connected) {
    const QRectF inner = body.adjusted(2.5, 2.5, -2.5, -2.5);
    // Never quite empty when there is anything left, so 1 % still shows a sliver.
    const double h = level == 0 ? 0 : std::max(1.5, inner.height() * level / 100.0);
    p.setPen(Qt::NoPen);
    p.setBrush(LevelColour(level));
    p.drawRect(QRectF(inner.left(), inner.bottom() - h, inner.width(), h));
  }
  if (connected && status.ChargeState != 0) {
    QPainterPath bolt;
    bolt.moveTo(18.5, 7);
    bolt.lineTo(10.5, 19);
    bolt.lineTo(15.5, 19);
    bolt.lineTo(13.5, 28);
    bolt.lineTo(21.5, 15.5);
    bolt.lineTo(16.5, 15.5);
    bolt.closeSubpath();
    p.setPen(QPen(QColor(0x20, 0x20, 0x24), 1.2));
    p.setBrush(kBolt);
    p.drawPath(bolt);
  }
  return img;
}

QString TrayToolTip(const LanguageTable& language, const TrayStatus& status) {
  QStringList lines{QStringLiteral("Corvane")};
  switch (status.Connection) {
    case TrayConnection::None:
      lines << Text(language, kTextTrayNoMouse);
      return lines.join(QLatin1Char('\n'));
    case TrayConnection::Cable:
      lines << Text(language, kTextTrayCable);
      break;
    case TrayConnection::Receiver:
      lines << Text(language, kTextTrayReceiver);
      break;
    case TrayConnection::Bluetooth:
      lines << Text(language, kTextTrayBluetooth);
      break;
  }
  lines << Text(language, kTextTrayProfile) + status.ProfileName;
  QString battery = Text(language, kTextTrayBattery) + QStringLiteral("%1 %").arg(std::clamp(status.Level, 0, 100));
  if (status.ChargeState == 1) battery += QStringLiteral(" (%1)").arg(Text(language, kTextTrayCharging));
  if (status.ChargeState == 2) battery += QStringLiteral(" (%1)").arg(Text(language, kTextTrayCharged));
  lines << battery;
  return lines.join(QLatin1Char('\n'));
}

bool BatteryLowWarning::Update(int level, int chargeState) {
  if (chargeState != 0) {
    warned_ = false;
    return false;
  }
  if (warned_ || level >= kBatteryLowLevel) return false;
  warned_ = true;
  return true;
}

}  // namespace corvane
