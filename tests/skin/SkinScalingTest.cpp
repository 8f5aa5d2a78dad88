// The skin scale, scaled rectangles and window sizes, and the generated skin files.
#include <gtest/gtest.h>

#include <array>

#include "dialogs/CAddProfileDlg.h"
#include "dialogs/CAttentionDlg.h"
#include "dialogs/CFirmwareResetDlg.h"
#include "dialogs/CProgressBarDlg.h"
#include "session/AppContext.h"
#include "skin/CControlBase.h"
#include "skin/SkinFiles.h"
#include "skin/SkinScaling.h"
#include <QLineEdit>

#include "support/SkinTestSupport.h"

namespace corvane::testing {
namespace {

TEST(SkinScaleTest, ChosenFromTheWorkArea) {
  struct Case {
    int cx, cy;
    float scale;
  };
  const Case cases[] = {{1920, 1040, 1.0f}, {1920, 1300, 1.5f}, {1680, 1050, 1.0f},
                        {2560, 1600, 1.5f}, {2560, 1601, 2.0f}, {3840, 2100, 2.0f}, {2401, 1601, 2.0f}};
  for (const auto& c : cases) EXPECT_EQ(ChooseSkinScale(c.cx, c.cy), c.scale) << c.cx << "x" << c.cy;
}

TEST(SkinScaleTest, ScaledRectTruncatesEachEdge) {
  EXPECT_EQ(ScaledRect(1.5f, 0, 0, 405, 4, 420, 19), (CRect{607, 6, 630, 28}));
  EXPECT_EQ(ScaledRect(2.0f, 0, 0, 405, 4, 420, 19), (CRect{810, 8, 840, 38}));
  EXPECT_EQ(ScaledRect(1.5f, 3, 1, 10, 10, 11, 11), (CRect{19, 16, 21, 18}));
}

TEST(SkinScaleTest, DialogsAndTheirControlsScale) {
  for (float s : {1.0f, 1.5f, 2.0f}) {
    auto ctx = std::make_unique<AppContext>();
    auto gui = MakeGuiState(ctx->Language, s);
    CAttentionDlg attention(*gui, u"", u"m");
    attention.EnsureInitialized();
    EXPECT_EQ(attention.size(), QSize(static_cast<int>(319 * s), static_cast<int>(102 * s)));
    EXPECT_EQ(attention.FindControl(kIdClose)->GetRect(), ScaledRect(s, 0, 0, 300, 4, 315, 19));
    EXPECT_EQ(attention.FindControl(kIdOk)->GetRect(), ScaledRect(s, 0, 0, 240, 70, 309, 90));

    ProfileRecord record;
    CAddProfileDlg add(*ctx, *gui, record);
    add.EnsureInitialized();
    EXPECT_EQ(add.size(), QSize(static_cast<int>(429 * s), static_cast<int>(140 * s)));
    EXPECT_EQ(add.FindControl(kIdClose)->GetRect(), ScaledRect(s, 0, 0, 405, 4, 420, 19));
    EXPECT_EQ(CRect::FromQRect(add.Edit()->geometry()), ScaledRect(s, 0, 0, 15, 65, 415, 87));

    CProgressBarDlg progress(*gui, u"t", u"m");
    progress.EnsureInitialized();
    progress.KillTimer(CProgressBarDlg::kStepTimer);
    EXPECT_EQ(progress.FindControl(kIdTitle)->GetRect(), ScaledRect(s, 0, 0, 10, 3, 164, 23));
  }
}

TEST(SkinFilesTest, EveryNamedSkinFileIsGenerated) {
  LanguageTable language;
  auto gui = MakeGuiState(language);
  std::vector<std::u16string> names = {
      u"1000hz_dn.png", u"1000hz_nr.png", u"125hz_dn.png", u"125hz_nr.png", u"250hz_dn.png", u"250hz_nr.png",
      u"500hz_dn.png", u"500hz_nr.png", u"Frame_DPI.bmp", u"Frame_DPI_Sync.bmp", u"Frame_Lighting_Setting.bmp",
      u"Frame_Macro_Manager.bmp", u"Frame_common.bmp", u"Frame_launch.bmp", u"Frame_pairing.bmp",
      u"Frame_progress_nr.bmp", u"Frame_progress_ov.bmp", u"Frame_warning.bmp", u"Launch_nr.png", u"Launch_ov.png",
      u"Logo pic.png", u"Slider_Circle.png", u"Slider_bar.png", u"Slider_bar2.png", u"Status_BLE.png",
      u"Status_Wired.png", u"Status_Wireless.png", u"add_nr.png", u"add_ov.png", u"battery_charging.png",
      u"battery_empty.png", u"battery_full.png", u"battery_green.png", u"battery_lighting.png",
      u"battery_orange.png", u"battery_red.png", u"button1_nr.png", u"button1_ov.png", u"button2_nr.png",
      u"button2_ov.png", u"button4_nr.png", u"check_button_dpi_dn.png", u"check_button_dpi_nr.png",
      u"check_button_dpi_ov.png", u"check_dn.png", u"check_nr.png", u"check_ov.png", u"color_select_check.png",
      u"color_select_nr.png", u"combo2_nr.png", u"combo2_ov.png", u"combo3_nr.png", u"combo3_ov.png",
      u"device name.png", u"down_check.png", u"down_nr.png", u"down_ov.png", u"dpi_value.png", u"exit_nr.png",
      u"exit_ov.png", u"foldr_close.png", u"foldr_open.png", u"header2_nr.png", u"header2_ov.png",
      u"header_nr.png", u"header_ov.png", u"macro_down.png", u"macro_record_dn.png", u"macro_record_nr.png",
      u"macro_time.png", u"macro_up.png", u"menu_nr.png", u"menu_ov.png", u"menusub_nr.png", u"menusub_ov.png",
      u"min_nr.png", u"min_ov.png", u"mouse\\dpi_bar_1.png", u"mouse\\dpi_bar_2.png", u"mouse\\mouse_nr.png",
      u"profile_slot_nr.png", u"profile_slot_nr2.png", u"profile_slot_ov.png", u"profile_slot_ov2.png",
      u"progress_bar_nr.png", u"progress_bar_ov.png", u"radio_dn.png", u"radio_nr.png", u"radio_ov.png",
      u"up_check.png", u"up_nr.png", u"up_ov.png"};
  for (int n = 1; n <= 9; ++n) {
    names.push_back(u"mouse\\number" + std::u16string(1, static_cast<char16_t>(u'0' + n)) + u".png");
    names.push_back(u"mouse\\serial_number" + std::u16string(1, static_cast<char16_t>(u'0' + n)) + u".png");
  }
  for (const char16_t* m : {u"3", u"4", u"5", u"6", u"7", u"8", u"9", u"10"})
    names.push_back(u"power_manage_" + std::u16string(m) + u"min.png");
  ASSERT_EQ(names.size(), 118u);
  for (const auto& n : names) {
    QImage img;
    EXPECT_TRUE(img.load(QString::fromStdString(SkinFilePath(*gui, u"skins\\" + n).string())))
        << QString::fromStdU16String(n).toStdString();
  }
  QImage frame(QString::fromStdString(SkinFilePath(*gui, u"skins\\Frame_common.bmp").string()));
  EXPECT_EQ(frame.size(), QSize(429, 140));
  for (int id : {128, 364, 287, 187, 188}) EXPECT_FALSE(QImage(ResourceImagePath(id)).isNull()) << id;
  EXPECT_EQ(QImage(ResourceImagePath(364)).size(), QSize(1127, 740));
  EXPECT_EQ(QImage(ResourceImagePath(287)).size(), QSize(500, 291));
}

TEST(SkinFilesTest, MissingSkinsDrawNothingAndBreakNothing) {
  LanguageTable language;
  auto gui = MakeGuiState(language);
  gui->ExeFolder = "/nonexistent-corvane";
  CFirmwareResetDlg dlg(*gui);
  dlg.EnsureInitialized();
  const QImage shot = dlg.grab().toImage();
  EXPECT_FALSE(shot.isNull());
  auto* ok = dlg.FindControl(kIdOk);
  ASSERT_NE(ok, nullptr);
  dlg.show();
  Click(&dlg, Inside(ok->GetRect()));
  EXPECT_EQ(dlg.Result(), IDOK) << "a button whose pictures are missing still works";
}

}  // namespace
}  // namespace corvane::testing
