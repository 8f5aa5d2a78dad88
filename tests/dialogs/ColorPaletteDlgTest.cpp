// The colour palette: a click on the picture picks its colour unless it falls on the
// gap colour or outside the palette areas; OK stores the choice where the target says.
#include <gtest/gtest.h>

#include <QTest>

#include "dialogs/CColorPaletteDlg.h"
#include "lang/LanguageTable.h"
#include "settings/DeviceDirtyFlags.h"
#include "settings/ProfileTable.h"
#include "support/SkinTestSupport.h"

namespace corvane::testing {
namespace {

COLORREF PixelAt(QWidget& w, QPoint p) {
  const QRgb c = w.grab().toImage().pixel(p);
  return static_cast<COLORREF>(qRed(c)) | static_cast<COLORREF>(qGreen(c)) << 8 | static_cast<COLORREF>(qBlue(c)) << 16;
}

class ColorPaletteDlgTest : public ::testing::TestWithParam<float> {
 protected:
  void SetUp() override { gui = MakeGuiState(language, GetParam()); }
  std::unique_ptr<CColorPaletteDlg> Open(CColorPaletteDlg::Target target, int group, int slot) {
    auto dlg = std::make_unique<CColorPaletteDlg>(*gui, nullptr, record, dirty, target, group, slot);
    dlg->EnsureInitialized();
    dlg->show();
    return dlg;
  }
  QPoint At(int x, int y) const { return {static_cast<int>(x * GetParam()), static_cast<int>(y * GetParam())}; }

  LanguageTable language;
  std::unique_ptr<GuiState> gui;
  ProfileRecord record;
  DeviceDirtyFlags dirty;
};

TEST_P(ColorPaletteDlgTest, AClickPicksThePictureColourExceptOnGapsAndOutside) {
  record.Lighting1FixedColor[2][1] = 0x00123456;
  auto dlg = Open(CColorPaletteDlg::Target::LightingSlot, 2, 1);
  EXPECT_EQ(dlg->Colour(), 0x00123456u);

  // In the continuous field: the colour drawn there, its components in the three texts.
  const QPoint field = At(120, 80);
  const COLORREF drawn = PixelAt(*dlg, field);
  Click(dlg.get(), field);
  EXPECT_EQ(dlg->Colour(), drawn);
  EXPECT_EQ(dlg->FindControl(CColorPaletteDlg::kIdRed)->GetText(), QString::number(drawn & 0xFF).toStdU16String());
  EXPECT_EQ(dlg->FindControl(CColorPaletteDlg::kIdBlue)->GetText(),
            QString::number((drawn >> 16) & 0xFF).toStdU16String());

  // The gap between the ready colours keeps the choice; so does a click outside both areas.
  const QPoint gap = At(245, 27);
  ASSERT_EQ(PixelAt(*dlg, gap), CColorPaletteDlg::kGapColour);
  Click(dlg.get(), gap);
  EXPECT_EQ(dlg->Colour(), drawn);
  Click(dlg.get(), At(480, 250));
  EXPECT_EQ(dlg->Colour(), drawn);

  // A ready colour of the grid.
  const QPoint swatch = At(258, 40);
  const COLORREF white = PixelAt(*dlg, swatch);
  Click(dlg.get(), swatch);
  EXPECT_EQ(dlg->Colour(), white);
}

TEST_P(ColorPaletteDlgTest, OkStoresASlotColourIntoTheBreathingAndStaticEffectsOnly) {
  const auto before = record.Lighting1FixedColor;
  auto dlg = Open(CColorPaletteDlg::Target::LightingSlot, 0, 2);
  Click(dlg.get(), At(60, 60));
  const COLORREF picked = dlg->Colour();
  Click(dlg.get(), Inside(dlg->FindControl(kIdOk)->GetRect()));
  EXPECT_EQ(dlg->Result(), IDOK);
  for (int m = 0; m < kLightingModeCount; ++m)
    for (int s = 0; s < kLightingSlotCount; ++s) {
      const bool target = s == 2 && (m == 3 || m == 6);
      EXPECT_EQ(record.Lighting1FixedColor[m][s], target ? picked : before[m][s]) << m << "/" << s;
    }
  EXPECT_EQ(dirty.PerformanceDirty, 1);
}

TEST_P(ColorPaletteDlgTest, OkStoresALevelColourAndCloseStoresNothing) {
  {
    auto dlg = Open(CColorPaletteDlg::Target::DpiLevel, 9, 0);  // level 9 counts as 0
    Click(dlg.get(), At(150, 200));
    const COLORREF picked = dlg->Colour();
    dlg->RunOk();
    EXPECT_EQ(record.DPILevelIndication[0], picked);
  }
  const auto before = record.DPILevelIndication;
  auto dlg = Open(CColorPaletteDlg::Target::DpiLevel, 4, 0);
  Click(dlg.get(), At(150, 100));
  Click(dlg.get(), Inside(dlg->FindControl(kIdClose)->GetRect()));
  EXPECT_EQ(dlg->Result(), IDCANCEL);
  EXPECT_EQ(record.DPILevelIndication, before);
}

INSTANTIATE_TEST_SUITE_P(Scales, ColorPaletteDlgTest, ::testing::Values(1.0f, 1.5f, 2.0f));

}  // namespace
}  // namespace corvane::testing
