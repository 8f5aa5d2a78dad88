// The on-screen display: its place, the offsets of its lines and the countdown of timer 50.
#include <gtest/gtest.h>

#include "app/COSDDialog.h"
#include "session/AppContext.h"
#include "settings/ConfigTable.h"
#include "support/SkinTestSupport.h"

namespace corvane::testing {
namespace {

TEST(OsdTest, SitsInTheBottomRightCornerOfTheWorkArea) {
  EXPECT_EQ(OsdGeometry(QRect(0, 0, 1920, 1040), 2.0f), QRect(1560, 760, 360, 280));
  EXPECT_EQ(OsdGeometry(QRect(0, 0, 1920, 1040), 1.5f), QRect(1650, 830, 270, 210));
  EXPECT_EQ(OsdGeometry(QRect(100, 50, 800, 600), 1.0f), QRect(720, 510, 180, 140));
}

TEST(OsdTest, LongerNumbersStartFurtherLeftByFace) {
  struct Case {
    const char16_t* face;
    std::size_t length;
    int x;
  };
  const Case cases[] = {{u"宋体", 5, 34}, {u"宋体", 4, 44}, {u"宋体", 3, 50},
                        {u"Tahoma", 5, 16}, {u"Tahoma", 4, 34}, {u"Tahoma", 3, 50}};
  for (const auto& c : cases) EXPECT_EQ(COSDDialog::Line2X(c.face, c.length), c.x) << c.length;
  EXPECT_EQ(COSDDialog::Line3X(6), 50);
  EXPECT_EQ(COSDDialog::Line3X(5), 57);
}

TEST(OsdTest, LinesComeFromTheCurrentProfile) {
  auto ctx = std::make_unique<AppContext>();
  ctx->Config.ConfigDefaults();
  ctx->Config.SetCurrentProfile(2);
  BuildDpiStepTables(ctx->Dpi);
  ProfileRecord& p = ctx->Profiles[2];
  p.XYSettingX[0] = 1;
  p.XYSettingX[3] = 5;
  p.PollingRateValue[0] = 3;
  p.CurrentDPILevel = 3;
  auto lines = BuildOsdLines(*ctx);
  EXPECT_EQ(lines[0], u"DPI-4");
  EXPECT_EQ(lines[1], QString::number(DpiOfStep(ctx->Dpi, 5)).toStdU16String());
  EXPECT_EQ(lines[2], u"1000Hz");
  p.CurrentDPILevel = 9;  // above 7: the resolution of level 0, the level as stored
  p.PollingRateValue[0] = 9;
  lines = BuildOsdLines(*ctx);
  EXPECT_EQ(lines[0], u"DPI-10");
  EXPECT_EQ(lines[1], QString::number(DpiOfStep(ctx->Dpi, 1)).toStdU16String());
  EXPECT_EQ(lines[2], u"8000Hz");
}

TEST(OsdTest, UpdatesKeepOneWindowAndTheSixthTickRemovesIt) {
  LanguageTable language;
  auto gui = MakeGuiState(language);
  TestDialog owner(*gui);
  COSDController osd(*gui, owner);
  osd.ShowOsd(u"DPI-1", u"800", u"1000Hz");
  COSDDialog* first = osd.Display();
  ASSERT_NE(first, nullptr);
  EXPECT_TRUE(owner.TimerActive(COSDController::kTimerId));
  osd.OnTimer50();
  osd.OnTimer50();
  osd.ShowOsd(u"DPI-2", u"1600", u"1000Hz");
  EXPECT_EQ(osd.Display(), first);
  EXPECT_EQ(first->Lines()[1], u"1600");
  for (int tick = 0; tick < 5; ++tick) {
    osd.OnTimer50();
    EXPECT_NE(osd.Display(), nullptr) << tick;
  }
  osd.OnTimer50();
  EXPECT_EQ(osd.Display(), nullptr);
  EXPECT_FALSE(owner.TimerActive(COSDController::kTimerId));
}

}  // namespace
}  // namespace corvane::testing
