// Sliders, the scroll bar, the battery and the macro tree list.
#include <gtest/gtest.h>

#include "macros/MacroLibrary.h"
#include "macros/MacroTreeRows.h"
#include "skin/CBattery.h"
#include "skin/CSliderControl.h"
#include "skin/CVScrollBar.h"
#include "skin/CVerticalSliderControl.h"
#include "support/SkinTestSupport.h"
#include "widgets/CEditShowList.h"

namespace corvane::testing {
namespace {

class ValueControlsTest : public ShownDialogTest {};

TEST(SliderStopsTest, PositionsAndHalfWayRounding) {
  // Five stops over a usable width of 100 past a left margin of 8.
  const auto stops = SliderStopPositions(10, 126, 5, 8, 8);
  EXPECT_EQ(stops, (std::vector<int>{18, 43, 68, 93, 118}));
  struct Case {
    int x, stop;
  };
  // Exactly half-way between two stops belongs to the upper one.
  const Case cases[] = {{0, 0}, {29, 0}, {30, 1}, {54, 1}, {55, 2}, {104, 3}, {105, 4}, {500, 4}};
  for (const auto& c : cases) EXPECT_EQ(NearestSliderStop(stops, c.x), c.stop) << c.x;
  EXPECT_EQ(SliderStopPositions(0, 50, 1, 4, 4), (std::vector<int>{4}));
  EXPECT_EQ(NearestSliderStop({}, 30), 0);
}

TEST_F(ValueControlsTest, SliderDragSendsCodeThreeOnEveryMoveAndOneClick) {
  auto* s = dlg->AddControl(0, std::make_unique<CSliderControl>(dlg.get(), 3400, CRect{10, 10, 126, 26}, u"", 5, 8, 8));
  Move(dlg.get(), {18, 18});
  Press(dlg.get(), {18, 18});
  ASSERT_TRUE(s->Dragging());
  for (int x : {40, 41, 42, 70}) Move(dlg.get(), {x, 18}, Qt::LeftButton);
  Release(dlg.get(), {70, 18});
  std::vector<Message> drags, clicks;
  for (const auto& m : dlg->For(3400)) {
    if (m.lParam == kNotifyDrag) drags.push_back(m);
    if (m.lParam == kNotifyClick) clicks.push_back(m);
  }
  ASSERT_EQ(drags.size(), 4u);
  EXPECT_EQ(drags[0].wParam, 1u);
  EXPECT_EQ(drags[2].wParam, 1u) << "code 3 goes out even when the stop did not change";
  EXPECT_EQ(drags[3].wParam, 2u);
  EXPECT_EQ(clicks.size(), 1u);
  EXPECT_EQ(s->CurrentStop(), 2);
  EXPECT_EQ(s->ThumbRect(), (CRect{60, 10, 76, 26}));
}

TEST(VerticalSliderTest, BottomRowIsZeroAndTopRowIsCountMinusOne) {
  struct Case {
    int y, value;
  };
  // A bar from 10 to 130 (120 rows) with 16 steps.
  const Case cases[] = {{129, 0}, {130, 0}, {500, 0}, {10, 15}, {-5, 15}, {70, 7}, {122, 0}, {121, 1}};
  for (const auto& c : cases) EXPECT_EQ(VerticalSliderValue(10, 130, 16, c.y), c.value) << c.y;
}

TEST_F(ValueControlsTest, VerticalSliderFollowsTheDrag) {
  auto* v = dlg->AddControl(0, std::make_unique<CVerticalSliderControl>(dlg.get(), 3410, CRect{10, 10, 24, 130}, u"",
                                                                        16, 0, 0));
  Move(dlg.get(), {15, 129});
  Press(dlg.get(), {15, 129});
  EXPECT_EQ(v->Value(), 0);
  Move(dlg.get(), {15, 10}, Qt::LeftButton);
  EXPECT_EQ(v->Value(), 15);
  Release(dlg.get(), {15, 10});
  EXPECT_EQ(dlg->For(3410).back(), (Message{3410, 0, kNotifyClick}));
}

TEST_F(ValueControlsTest, ScrollBarPartsAndThumbGeometry) {
  auto* bar = dlg->AddControl(0, std::make_unique<CVScrollBar>(dlg.get(), 3430, CRect{10, 10, 24, 150}, u""));
  // The arrow strips are 14 pixels high.
  EXPECT_EQ(bar->UpRect(), (CRect{10, 10, 24, 24}));
  EXPECT_EQ(bar->DownRect(), (CRect{10, 136, 24, 150}));
  bar->SetScrollState(50, 25, 100);
  // length 113: top = 24 + int(0.5 * 113 + 0.5) = 81; size int(0.25 * 113 + 0.5) = 28.
  EXPECT_EQ(bar->ThumbRect(), (CRect{10, 81, 24, 108}));
  struct Case {
    QPoint p;
    WPARAM part;
  };
  const Case cases[] = {{{15, 12}, 6}, {{15, 140}, 7}, {{15, 90}, 0}, {{15, 40}, 8}, {{15, 120}, 9}};
  for (const auto& c : cases) {
    dlg->messages.clear();
    Click(dlg.get(), c.p);
    ASSERT_FALSE(dlg->For(3430).empty());
    EXPECT_EQ(dlg->For(3430).front(), (Message{3430, c.part, kNotifyPress})) << c.p.y();
  }
  bar->SetScrollState(0, 0, 0);
  EXPECT_EQ(bar->ThumbRect(), (CRect{10, 24, 24, 136})) << "range 0: the thumb fills the track";
}

TEST_F(ValueControlsTest, BatteryShowsAtLeastOneFillRow) {
  auto* b = dlg->AddControl(0, std::make_unique<CBattery>(dlg.get(), 0, CRect{10, 0, 38, 64}, u""));
  EXPECT_EQ(b->Id(), kBatteryId);
  EXPECT_TRUE(b->Disabled());
  EXPECT_EQ(b->FillTop(100), 7);
  EXPECT_EQ(b->FillTop(50), 32);
  EXPECT_EQ(b->FillTop(1), 56);
  EXPECT_EQ(b->FillTop(0), 56);
}

TEST_F(ValueControlsTest, MacroTreeHidesClosedChildrenAndDoubleClickOpens) {
  MacroLibrary lib;
  MacroLocation sel = MacroLocation::None();
  ASSERT_EQ(lib.AddFolder(u"F", sel), MacroNodeChange::kDone);
  const MacroLocation folder = sel;
  ASSERT_EQ(lib.AddMacro(u"child", sel), MacroNodeChange::kDone);
  sel = MacroLocation::None();
  ASSERT_EQ(lib.AddMacro(u"top", sel), MacroNodeChange::kDone);
  lib.NodeAt(folder)->MacroItemFolderIsOpen = 0;

  auto* list = dlg->AddControl(0, std::make_unique<CEditShowList>(dlg.get(), lib, 1, CRect{10, 10, 200, 110}, u""));
  EXPECT_EQ(list->RowCount(), 2);
  // Double click on the folder's name (right of its picture): it opens, code 10.
  Move(dlg.get(), {150, 15});
  DoubleClick(dlg.get(), {150, 15});
  EXPECT_EQ(list->RowCount(), 3);
  EXPECT_EQ(dlg->For(kEditShowListId).back(), (Message{kEditShowListId, 0, kNotifyClick}));
  bool sawDouble = false;
  for (const auto& m : dlg->For(kEditShowListId)) sawDouble |= m.lParam == kNotifyDoubleClick;
  EXPECT_TRUE(sawDouble);
  // A press below the last row selects nothing.
  Click(dlg.get(), {150, 100});
  EXPECT_EQ(list->SelectedRow(), -1);
  EXPECT_EQ(lib.CurrentMacroLocation, MacroLocation::None());
  Click(dlg.get(), {150, 35});
  EXPECT_EQ(lib.CurrentMacroLocation, LocationOfRow(lib, 1));
}

}  // namespace
}  // namespace corvane::testing
