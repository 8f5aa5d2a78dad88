// The DPI value dialogs: typed values snap to the first step not below them, the arrow
// keys stay within the ladder, the sliders follow a drag (also outside them), "XY Sync"
// ties Y to X, and only OK writes the owner's steps.
#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>
#include <array>
#include <vector>

#include "dialogs/CDPIValueSettingDlg.h"
#include "dialogs/CDPIValueSyncSettingDlg.h"
#include "lang/LanguageTable.h"
#include "skin/CSliderControl.h"
#include "support/SkinTestSupport.h"

namespace corvane::testing {
namespace {

// 100, 200 ... 1200, 1250, 1300 DPI.
std::vector<std::int32_t> Ladder() {
  std::vector<std::int32_t> steps;
  for (int d = 2; d <= 24; d += 2) steps.push_back(d);
  steps.push_back(25);
  steps.push_back(26);
  return steps;
}

void Key(QWidget* w, int key) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
  QApplication::sendEvent(w, &press);
}

class DpiValueDlgTest : public ::testing::Test {
 protected:
  void SetUp() override { gui = MakeGuiState(language); }
  template <class Dlg>
  std::unique_ptr<Dlg> Open(DpiLevelSteps& level) {
    auto dlg = std::make_unique<Dlg>(*gui, nullptr, std::span<const std::int32_t>(ladder),
                                     static_cast<int>(ladder.size()), level);
    dlg->EnsureInitialized();
    dlg->show();
    return dlg;
  }
  // The point of a slider's stop on its middle line.
  static QPoint StopPoint(CSliderControl* s, int stop) {
    const CRect r = s->GetRect();
    return {s->Stops()[static_cast<std::size_t>(stop)], (r.top + r.bottom) / 2};
  }
  // Presses the slider's thumb and drags with the button held to the given point.
  static void Drag(QWidget* w, CSliderControl* s, QPoint to) {
    const QPoint grab = Inside(s->ThumbRect());
    Move(w, grab);
    Press(w, grab);
    Move(w, to, Qt::LeftButton);
  }

  LanguageTable language;
  std::unique_ptr<GuiState> gui;
  std::vector<std::int32_t> ladder = Ladder();
};

TEST_F(DpiValueDlgTest, TypedValuesSnapToTheFirstStepNotBelowThem) {
  struct Case {
    const char* typed;
    int step;
    const char16_t* shown;
  };
  const Case cases[] = {
      {"1220", 12, u"1250"},   // between 1200 and 1250
      {"1200", 11, u"1200"},   // exactly a step
      {"50", 0, u"100"},       // below the ladder
      {"99999", 13, u"1300"},  // above it: the last step
      {"abc", 0, u"100"},      // not a number
  };
  for (const Case& c : cases) {
    DpiLevelSteps level{5, 5};
    auto dlg = Open<CDPIValueSettingDlg>(level);
    dlg->AxisEdit(0)->setText(c.typed);
    Key(dlg->AxisEdit(0), Qt::Key_Return);
    EXPECT_EQ(dlg->Index(0), c.step) << c.typed;
    EXPECT_EQ(dlg->AxisEdit(0)->text().toStdU16String(), c.shown) << c.typed;
    EXPECT_EQ(dlg->AxisSlider(0)->CurrentStop(), c.step) << c.typed;
    EXPECT_EQ(level.X, 5) << "nothing is written before OK";
    dlg->RunOk();
    EXPECT_EQ(dlg->Result(), IDOK);
    EXPECT_EQ(level.X, c.step);
    EXPECT_EQ(level.Y, c.step);
  }
}

TEST_F(DpiValueDlgTest, ArrowsStayWithinTheLadder) {
  const int last = static_cast<int>(ladder.size()) - 1;
  struct Case {
    int start;
    int key;
    int after;
  };
  const Case cases[] = {
      {0, Qt::Key_Left, 0}, {0, Qt::Key_Right, 1}, {last, Qt::Key_Right, last}, {last, Qt::Key_Left, last - 1}};
  for (const Case& c : cases) {
    DpiLevelSteps level{c.start, c.start};
    auto dlg = Open<CDPIValueSettingDlg>(level);
    Key(dlg->AxisEdit(0), c.key);
    EXPECT_EQ(dlg->Index(0), c.after);
    EXPECT_EQ(dlg->AxisSlider(0)->CurrentStop(), c.after);
  }
}

TEST_F(DpiValueDlgTest, TheSliderFollowsADragEvenOutsideIt) {
  DpiLevelSteps level{2, 2};
  auto dlg = Open<CDPIValueSettingDlg>(level);
  CSliderControl* slider = dlg->AxisSlider(0);
  Drag(dlg.get(), slider, StopPoint(slider, 6));
  EXPECT_EQ(dlg->Index(0), 6);
  EXPECT_EQ(dlg->AxisEdit(0)->text(), "700");
  // Far right of the slider and below it: the last step.
  Move(dlg.get(), {slider->GetRect().right + 40, slider->GetRect().bottom + 30}, Qt::LeftButton);
  EXPECT_EQ(dlg->Index(0), static_cast<int>(ladder.size()) - 1);
  Release(dlg.get(), {slider->GetRect().right + 40, slider->GetRect().bottom + 30});
}

TEST_F(DpiValueDlgTest, ClosingAndEscapeWriteNothing) {
  DpiLevelSteps level{3, 4};
  auto dlg = Open<CDPIValueSyncSettingDlg>(level);
  Key(dlg->AxisEdit(0), Qt::Key_Right);
  Key(dlg->AxisEdit(0), Qt::Key_Escape);
  EXPECT_TRUE(dlg->isVisible());
  Click(dlg.get(), Inside(dlg->FindControl(kIdClose)->GetRect()));
  EXPECT_EQ(dlg->Result(), IDCANCEL);
  EXPECT_EQ(level.X, 3);
  EXPECT_EQ(level.Y, 4);
}

TEST_F(DpiValueDlgTest, XySyncTiesYToX) {
  DpiLevelSteps level{2, 5};
  auto dlg = Open<CDPIValueSyncSettingDlg>(level);
  const QPoint sync = Inside(dlg->FindControl(CDPIValueSyncSettingDlg::kIdSync)->GetRect());
  CSliderControl* x = dlg->AxisSlider(0);
  CSliderControl* y = dlg->AxisSlider(1);

  // Checking it copies X into Y.
  Click(dlg.get(), sync);
  ASSERT_TRUE(dlg->Synced());
  EXPECT_EQ(dlg->Index(1), 2);
  EXPECT_EQ(y->CurrentStop(), 2);

  // Dragging X moves Y along.
  Drag(dlg.get(), x, StopPoint(x, 8));
  Release(dlg.get(), StopPoint(x, 8));
  EXPECT_EQ(dlg->Index(0), 8);
  EXPECT_EQ(dlg->Index(1), 8);
  EXPECT_EQ(dlg->AxisEdit(1)->text(), "900");

  // Unchecked, dragging Y leaves X alone.
  Click(dlg.get(), sync);
  ASSERT_FALSE(dlg->Synced());
  Drag(dlg.get(), y, StopPoint(y, 3));
  Release(dlg.get(), StopPoint(y, 3));
  EXPECT_EQ(dlg->Index(1), 3);
  EXPECT_EQ(dlg->Index(0), 8);

  // Checked again: Y takes X; the arrows then move both.
  Click(dlg.get(), sync);
  EXPECT_EQ(dlg->Index(1), 8);
  dlg->AxisEdit(1)->setFocus();
  QTest::qWait(10);
  Key(dlg->AxisEdit(1), Qt::Key_Left);
  EXPECT_EQ(dlg->Index(1), 7);
  EXPECT_EQ(dlg->Index(0), 7);

  dlg->RunOk();
  EXPECT_EQ(level.X, 7);
  EXPECT_EQ(level.Y, 7);
}

}  // namespace
}  // namespace corvane::testing
