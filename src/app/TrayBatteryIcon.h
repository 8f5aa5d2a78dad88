#pragma once
// What the tray shows of the mouse: a battery drawn with its level and charging state
// (the tray has no room for the window's battery control), a tool tip with connection,
// profile and battery, and the one warning when the battery runs low.
#include <QImage>
#include <QString>

namespace corvane {

struct LanguageTable;

enum class TrayConnection { None, Cable, Receiver, Bluetooth };

struct TrayStatus {
  TrayConnection Connection = TrayConnection::None;
  QString ProfileName;
  int Level = 0;        // percent; clamped to 0..100 when drawn
  int ChargeState = 0;  // as the mouse reports it: 0 not charging, 1 charging, 2 full
};

// A size x size picture: the battery's outline with its level filled in (red up to the
// warning level, amber to 40 %, green above), a lightning bolt over it while charging or
// full; without a mouse an empty grey outline.
QImage DrawTrayBatteryIcon(const TrayStatus& status, int size);

// "Corvane", then the connection, "Profile: NAME" and "Battery: 50 % (charging)", one a
// line; without a mouse only the first two.
QString TrayToolTip(const LanguageTable& language, const TrayStatus& status);

// The low-battery warning is given once when the level falls below kBatteryLowLevel while
// the mouse is not charging, and again only after the mouse has been charging: a level
// estimate that wobbles around the limit warns once.
constexpr int kBatteryLowLevel = 15;

class BatteryLowWarning {
 public:
  // True exactly when the warning is to be shown now.
  bool Update(int level, int chargeState);

 private:
  bool warned_ = false;
};

}  // namespace corvane
