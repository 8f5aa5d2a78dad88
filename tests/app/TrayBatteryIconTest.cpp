// The tray's battery: the picture follows the level and the charging state (a fill that
// rises with the level, red at the warning level, a bolt while charging, nothing coloured
// without a mouse), the tool tip says connection, profile and battery, and the low-battery
// warning comes once per discharge.
#include <gtest/gtest.h>

#include <QColor>
#include <QImage>

#include "app/TrayBatteryIcon.h"
#include "MainWindowFixture.h"
#include "session/StatusDecoder.h"
#include "lang/LanguageEntries.h"
#include "lang/LanguageFiles.h"
#include "support/InstalledLanguage.h"
#include "support/TempDataFolder.h"

namespace corvane::testing {
namespace {

bool IsFill(QRgb c, const QColor& of) {
  const QColor q(c);
  return std::abs(q.red() - of.red()) < 24 && std::abs(q.green() - of.green()) < 24 &&
         std::abs(q.blue() - of.blue()) < 24 && qAlpha(c) == 255;
}

// Rows of the centre column whose pixel is a strong colour (not grey): the battery's fill.
int FilledRows(const QImage& img) {
  int rows = 0;
  for (int y = 0; y < img.height(); ++y) {
    const QColor c(img.pixel(img.width() / 2 - 4, y));
    if (qAlpha(img.pixel(img.width() / 2 - 4, y)) == 255 && c.saturation() > 120) ++rows;
  }
  return rows;
}

int CountPixels(const QImage& img, const QColor& colour) {
  int n = 0;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x) n += IsFill(img.pixel(x, y), colour) ? 1 : 0;
  return n;
}

const QColor kRed(0xE0, 0x40, 0x40), kGreen(0x50, 0xC8, 0x60), kBolt(0xFF, 0xE0, 0x40);

TEST(TrayBatteryIconTest, FillFollowsLevelAndColourWarns) {
  const TrayStatus base{TrayConnection::Receiver, QStringLiteral("P"), 0, 0};
  int previous = -1;
  for (const int level : {0, 15, 50, 100}) {
    TrayStatus s = base;
    s.Level = level;
    const QImage img = DrawTrayBatteryIcon(s, 64);
    ASSERT_EQ(img.size(), QSize(64, 64));
    const int rows = FilledRows(img);
    if (level == 0) {
      EXPECT_EQ(rows, 0);
    }
    EXPECT_GT(rows, previous) << level;
    previous = rows;
    EXPECT_EQ(CountPixels(img, kRed) > 0, level == 15) << level;
    EXPECT_EQ(CountPixels(img, kGreen) > 0, level >= 50) << level;
    EXPECT_EQ(CountPixels(img, kBolt), 0) << level;
  }
  // A full battery fills (nearly) the whole inside: about 40 of 64 rows.
  EXPECT_GT(previous, 36);
}

TEST(TrayBatteryIconTest, BoltWhileChargingAndNothingWithoutMouse) {
  struct Case {
    TrayStatus status;
    bool bolt;
    bool fill;
  };
  const Case cases[] = {
      {{TrayConnection::Cable, {}, 50, 1}, true, true},
      {{TrayConnection::Cable, {}, 100, 2}, true, true},
      {{TrayConnection::Cable, {}, 50, 0}, false, true},
      {{TrayConnection::None, {}, 80, 1}, false, false},
  };
  for (const auto& c : cases) {
    const QImage img = DrawTrayBatteryIcon(c.status, 48);
    EXPECT_EQ(CountPixels(img, kBolt) > 20, c.bolt) << c.status.Level << "/" << c.status.ChargeState;
    EXPECT_EQ(FilledRows(img) > 0, c.fill) << c.status.Level << "/" << c.status.ChargeState;
  }
}

TEST(TrayBatteryIconTest, ToolTipNamesConnectionProfileAndBattery) {
  TempDataFolder data;
  InstallLanguageFiles(data.Root());
  const LanguageTable language = InstalledLanguage(data.Root());  // Chinese by default
  const auto t = [&](int n) { return QString::fromStdU16String(language.Text(n)); };
  ASSERT_FALSE(t(kTextTrayCable).isEmpty());
  struct Case {
    TrayStatus status;
    QString expected;
  };
  const Case cases[] = {
      {{TrayConnection::Cable, QStringLiteral("Game"), 50, 1},
       "Corvane\n" + t(kTextTrayCable) + "\n" + t(kTextTrayProfile) + "Game\n" + t(kTextTrayBattery) + "50 % (" +
           t(kTextTrayCharging) + ")"},
      {{TrayConnection::Bluetooth, QStringLiteral("Office"), 100, 2},
       "Corvane\n" + t(kTextTrayBluetooth) + "\n" + t(kTextTrayProfile) + "Office\n" + t(kTextTrayBattery) + "100 % (" +
           t(kTextTrayCharged) + ")"},
      {{TrayConnection::Receiver, QStringLiteral("P"), 7, 0},
       "Corvane\n" + t(kTextTrayReceiver) + "\n" + t(kTextTrayProfile) + "P\n" + t(kTextTrayBattery) + "7 %"},
      {{TrayConnection::None, QStringLiteral("P"), 7, 0}, "Corvane\n" + t(kTextTrayNoMouse)},
  };
  for (const auto& c : cases) EXPECT_EQ(TrayToolTip(language, c.status), c.expected);
}

TEST(TrayBatteryIconTest, LowBatteryWarnsOncePerDischarge) {
  struct Step {
    int level, charge;
    bool warns;
  };
  const Step steps[] = {
      {50, 0, false}, {15, 0, false},  // at the limit: not yet
      {14, 0, true},  {13, 0, false},  // once
      {15, 0, false}, {14, 0, false},  // a wobbling estimate does not warn again
      {12, 1, false},                  // charging: no warning, and the next discharge warns again
      {10, 0, true},  {9, 2, false},   {40, 0, false}, {3, 0, true},
  };
  BatteryLowWarning warning;
  int i = 0;
  for (const auto& s : steps) EXPECT_EQ(warning.Update(s.level, s.charge), s.warns) << "step " << i++;
}

// The window's tray status follows the connection, the current profile's name and the
// battery values the status reports left.
TEST(TrayBatteryIconTest, WindowReportsConnectionProfileAndBattery) {
  struct Case {
    const char* roles;
    TrayConnection connection;
  };
  const Case cases[] = {{"wired", TrayConnection::Cable},
                        {"bluetooth", TrayConnection::Bluetooth},
                        {"", TrayConnection::None}};
  for (const auto& c : cases) {
    TempDataFolder data;
    auto dlg = OpenMainWindow(data, c.roles);
    TrayStatus s = dlg->CurrentTrayStatus();
    EXPECT_EQ(s.Connection, c.connection) << c.roles;
    EXPECT_EQ(s.ProfileName, QString::fromStdU16String(dlg->App().Profiles[0].ProfileName())) << c.roles;
    if (StatusDecoder* decoder = dlg->Decoder()) {
      decoder->Values().BatteryLevel = 12;
      decoder->Values().ChargeState = 1;
      s = dlg->CurrentTrayStatus();
      EXPECT_EQ(s.Level, 12);
      EXPECT_EQ(s.ChargeState, 1);
      decoder->Values().BatteryLevel = 180;  // no level at all, shown as 0 like the window's display
      EXPECT_EQ(dlg->CurrentTrayStatus().Level, 0);
    }
    dlg->Shutdown();
  }
}

}  // namespace
}  // namespace corvane::testing
