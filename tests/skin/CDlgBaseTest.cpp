// Mouse routing of the skinned window, with real mouse events.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QByteArray>
#include <QTest>

#include "skin/CColorSelectCheckButton.h"
#include "skin/CImageButton.h"
#include "skin/CStaticText.h"
#include "skin/CTabControl.h"
#include "skin/DrawTextW.h"
#include "support/SkinTestSupport.h"
#include "support/TempDataFolder.h"

namespace corvane::testing {
namespace {

class DlgBaseTest : public ShownDialogTest {
 protected:
  CImageButton* AddButton(unsigned id, CRect r, int group = 0) {
    auto b = std::make_unique<CImageButton>(dlg.get(), id, r, u"OK", DT_CENTER);
    b->LoadNormalImage(u"skins\\button2_nr.png");
    b->LoadHoverImage(u"skins\\button2_ov.png");
    return dlg->AddControl(group, std::move(b));
  }
};

TEST_F(DlgBaseTest, ClickSendsPressThenClickWithItsId) {
  CImageButton* b = AddButton(2010, {10, 10, 80, 30});
  Click(dlg.get(), {20, 20});
  EXPECT_EQ(dlg->For(2010), (std::vector<Message>{{2010, 0, kNotifyPress}, {2010, 2010, kNotifyClick}}));
  EXPECT_EQ(b->State(), 1);
  EXPECT_EQ(dlg->HoverControl(), b);
  EXPECT_EQ(dlg->LastMousePosition(), QPoint(20, 20));
}

TEST_F(DlgBaseTest, PressDragOffAndReleaseOutsideIsNoClick) {
  CImageButton* b = AddButton(2010, {10, 10, 80, 30});
  Move(dlg.get(), {20, 20});
  Press(dlg.get(), {20, 20});
  EXPECT_EQ(b->State(), 2);
  Move(dlg.get(), {200, 200}, Qt::LeftButton);
  EXPECT_EQ(b->State(), 2) << "moving off a pressed control does not un-press it";
  EXPECT_EQ(dlg->HoverControl(), b) << "hover and press stay while the button is held";
  Release(dlg.get(), {200, 200});
  EXPECT_EQ(b->State(), 0);
  EXPECT_TRUE(dlg->For(2010) == (std::vector<Message>{{2010, 0, kNotifyPress}}));
  EXPECT_EQ(dlg->HoverControl(), nullptr);
  EXPECT_EQ(dlg->LastMousePosition(), QPoint(-1, -1));
  EXPECT_EQ(dlg->PressedRect(), kNoRect);
}

TEST_F(DlgBaseTest, DisabledControlKeepsStateZeroAndSendsNothing) {
  CImageButton* b = AddButton(2010, {10, 10, 80, 30});
  b->SetDisabled(true);
  Click(dlg.get(), {20, 20});
  EXPECT_EQ(b->State(), 0);
  EXPECT_TRUE(dlg->messages.empty());
}

TEST_F(DlgBaseTest, LaterOverlappingControlWinsHover) {
  AddButton(2010, {10, 10, 80, 30});
  CImageButton* later = AddButton(2011, {50, 10, 120, 30}, 3);
  Move(dlg.get(), {60, 20});
  EXPECT_EQ(dlg->HoverControl(), later);
}

TEST_F(DlgBaseTest, NonInteractiveOrHiddenControlsAreNeverHovered) {
  CImageButton* quiet = AddButton(2010, {10, 10, 80, 30});
  quiet->SetInteractive(false);
  CImageButton* hidden = AddButton(2011, {10, 40, 80, 60});
  hidden->SetShow(false);
  Click(dlg.get(), {20, 20});
  Click(dlg.get(), {20, 50});
  EXPECT_EQ(dlg->HoverControl(), nullptr);
  EXPECT_TRUE(dlg->messages.empty());
}

TEST_F(DlgBaseTest, PressOnBackgroundMovesTheWindowButOnAControlDoesNot) {
  AddButton(2010, {10, 10, 80, 30});
  const QPoint start = dlg->pos();
  Move(dlg.get(), {20, 20});
  Press(dlg.get(), {20, 20});
  Move(dlg.get(), {40, 40}, Qt::LeftButton);
  Release(dlg.get(), {40, 40});
  EXPECT_EQ(dlg->pos(), start);

  Move(dlg.get(), {200, 200});
  Press(dlg.get(), {200, 200});
  Move(dlg.get(), {230, 210}, Qt::LeftButton);
  Release(dlg.get(), {230, 210});
  EXPECT_EQ(dlg->pos(), start + QPoint(30, 10));
}

TEST_F(DlgBaseTest, RightClickOnProfileTabReportsItsIdAndKeepsTheTab) {
  gui->ProfileTabIndex = 4;
  dlg->AddControl(0, std::make_unique<CTabControl>(dlg.get(), 2050, CRect{10, 10, 100, 40}, u"P2", DT_CENTER));
  Click(dlg.get(), {20, 20}, Qt::RightButton);
  EXPECT_EQ(dlg->For(2050), (std::vector<Message>{{2050, 2050, kNotifyRightUp}}));
  EXPECT_EQ(gui->ProfileTabIndex, 4);
  Click(dlg.get(), {20, 20});
  EXPECT_EQ(gui->ProfileTabIndex, 1);
}

TEST_F(DlgBaseTest, DoubleClickReachesTheHoverControl) {
  dlg->AddControl(0, std::make_unique<CColorSelectCheckButton>(dlg.get(), 3300, CRect{10, 10, 40, 40}, u"", CRect{}));
  Move(dlg.get(), {20, 20});
  DoubleClick(dlg.get(), {20, 20});
  // Down, up, double click, up: the double click arrives between two ordinary clicks.
  EXPECT_EQ(dlg->For(3300), (std::vector<Message>{{3300, 0, kNotifyPress},
                                                  {3300, 0, kNotifyClick},
                                                  {3300, 0, kNotifyDoubleClick},
                                                  {3300, 0, kNotifyClick}}));
}

TEST_F(DlgBaseTest, FindControlWalksAllGroupsAndStaticsNeverReact) {
  AddButton(2010, {10, 10, 80, 30}, 0);
  CImageButton* paged = AddButton(2040, {10, 40, 80, 60}, 7);
  auto* text = dlg->AddControl(2, std::make_unique<CStaticText>(dlg.get(), 2012, CRect{100, 10, 200, 30}, u"T",
                                                                kTextGrey, DT_LEFT));
  EXPECT_EQ(dlg->FindControl(2040), paged);
  EXPECT_EQ(dlg->FindControl(2012), text);
  EXPECT_EQ(dlg->FindControl(9999), nullptr);
  Click(dlg.get(), {120, 20});
  EXPECT_TRUE(dlg->For(2012).empty());
}

TEST_F(DlgBaseTest, TimersFireByIdUntilKilled) {
  dlg->SetTimer(50, 5);
  QTRY_VERIFY_WITH_TIMEOUT(dlg->timers.size() >= 2, 2000);
  dlg->KillTimer(50);
  EXPECT_FALSE(dlg->TimerActive(50));
  EXPECT_EQ(dlg->timers.front(), 50);
}

TEST_F(DlgBaseTest, BackgroundColourIsTheBitmapAverage) {
  QImage img(4, 2, QImage::Format_RGB32);
  img.fill(QColor(10, 20, 30));
  for (int x = 0; x < 4; ++x) img.setPixelColor(x, 0, QColor(30, 40, 50));
  dlg->SetBackground(img);
  EXPECT_EQ(dlg->BackgroundColor(), RGB(20, 30, 40));
}

// A background file is decoded off the window's thread and taken in where it is first
// needed: its size at once, the colour and the picture when asked for.
TEST_F(DlgBaseTest, BackgroundFileIsTakenInWhereFirstNeeded) {
  QImage img(4, 2, QImage::Format_RGB32);
  img.fill(QColor(10, 20, 30));
  for (int x = 0; x < 4; ++x) img.setPixelColor(x, 0, QColor(30, 40, 50));
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  img.save(&buffer, "PNG");
  std::string damaged = png.toStdString();
  for (std::size_t i = damaged.find("IDAT") + 4; i < damaged.size() - 16; ++i) damaged[i] = static_cast<char>(~damaged[i]);
  struct Case {
    const char* name;
    std::string bytes;
    bool holdsPicture;
    COLORREF color;
    QSize size;
  };
  const Case cases[] = {
      {"picture.png", png.toStdString(), true, RGB(20, 30, 40), QSize(4, 2)},
      {"garbage.png", "not a picture", false, CDlgBase::kDefaultBackgroundColor, QSize(100, 100)},
      {"damaged.png", damaged, true, CDlgBase::kDefaultBackgroundColor, QSize(100, 100)},
  };
  TempDataFolder folder;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TestDialog fresh(*gui);
    folder.PutBytes(c.name, c.bytes);
    EXPECT_EQ(fresh.LoadBackground(folder.Path(c.name)), c.holdsPicture);
    if (c.holdsPicture) {
      EXPECT_EQ(fresh.BackgroundSize(), QSize(4, 2));
    }
    EXPECT_EQ(fresh.BackgroundColor(), c.color);
    EXPECT_EQ(fresh.BackgroundSize(), c.size);
  }
  // What the window sets after the load wins, as it did when the load was immediate.
  TestDialog later(*gui);
  ASSERT_TRUE(later.LoadBackground(folder.Path("picture.png")));
  later.SetBackgroundColor(RGB(1, 2, 3));
  later.grab();
  EXPECT_EQ(later.BackgroundColor(), RGB(1, 2, 3));
}

}  // namespace
}  // namespace corvane::testing
