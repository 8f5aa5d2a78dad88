// Popup layout, hot item, choices (golden values), hover reports and dismissal.
#include <gtest/gtest.h>

#include <QEvent>

#include "session/AppContext.h"
#include "support/SkinTestSupport.h"
#include "widgets/CComboActionInsertPopup.h"
#include "widgets/CComboLightingPopup.h"
#include "widgets/CComboPollingRatePopup.h"
#include "widgets/CComboPopup.h"
#include "widgets/CComboProfilePopup.h"
#include "widgets/CDPILockPopup.h"
#include "widgets/CDPIPopup.h"
#include "widgets/CMacroListPopup.h"
#include "widgets/CMultimediaPopup.h"
#include "widgets/COfficePopup.h"
#include "widgets/CProfilePopup.h"
#include "widgets/CProfileRKeyPopup.h"
#include "widgets/CWindowsManagePopup.h"

namespace corvane::testing {
namespace {

constexpr WPARAM kOwner = 2060;

class PopupTest : public ::testing::TestWithParam<float> {
 protected:
  void SetUp() override {
    ctx = std::make_unique<AppContext>();
    gui = MakeGuiState(ctx->Language, GetParam());
    dlg = std::make_unique<TestDialog>(*gui);
    dlg->EnsureInitialized();
  }
  template <class P, class... A>
  P* Open(A&&... args) {
    auto* p = new P(*gui, std::forward<A>(args)...);
    p->Create(dlg.get(), QRect(100, 100, 10, 10), kChoiceMessage, kOwner);
    return p;
  }
  // Hover and click the item at index i.
  void Choose(CWndPopup* p, int i) {
    const QPoint at = Inside(p->Items()[static_cast<std::size_t>(i)].rect);
    Move(p, at);
    Press(p, at);
    Release(p, at);
  }
  std::unique_ptr<AppContext> ctx;
  std::unique_ptr<GuiState> gui;
  std::unique_ptr<TestDialog> dlg;
};

TEST_P(PopupTest, LayoutSizesFollowTheScale) {
  const float s = GetParam();
  struct Case {
    CWndPopup* popup;
    int w, h, rows;
  };
  const Case cases[] = {
      {Open<CComboPopup>(), 162, 22, 17},
      {Open<CComboActionInsertPopup>(), 118, 22, 9},
      {Open<CComboLightingPopup>(), 189, 22, 8},
      {Open<CComboPollingRatePopup>(), 189, 22, 4},
      {Open<CComboProfilePopup>(std::array<std::u16string, 5>{u"a"}, 0), 230, 25, 7},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.popup->width(), static_cast<int>(c.w * s));
    double y = s;
    for (int i = 0; i < c.rows; ++i) y += c.h * s;
    EXPECT_EQ(c.popup->height(), static_cast<int>(y + s));
    const CRect second = c.popup->Items()[1].rect;
    EXPECT_EQ(second.top, static_cast<int>(s + c.h * s));
    EXPECT_EQ(second.bottom, static_cast<int>(s + 2 * c.h * s));
  }
}

TEST_P(PopupTest, ChoicesCarryTheirValues) {
  struct Case {
    CWndPopup* popup;
    int index;
    std::array<std::uint8_t, 3> value;
  };
  const Case cases[] = {
      {Open<CComboPopup>(), 0, {0x10, 0x01, 0x00}},
      {Open<CComboPopup>(), 3, {0x10, 0x10, 0x00}},
      {Open<CComboPopup>(), 7, {0x30, 0x32, 0x03}},
      {Open<CComboPopup>(), 13, {0x60, 0x04, 0x00}},
      {Open<CComboPopup>(), 16, {0x00, 0x00, 0x00}},
      {Open<CDPIPopup>(), 2, {0x40, 0x01, 0x00}},
      {Open<CMultimediaPopup>(), 0, {0x80, 0x83, 0x01}},
      {Open<CMultimediaPopup>(), 9, {0x80, 0x92, 0x01}},
      {Open<COfficePopup>(), 7, {0x70, 0x08, 0x08}},
      {Open<CWindowsManagePopup>(), 1, {0x70, 0x04, 0x3D}},
      {Open<CProfilePopup>(), 2, {18, 0, 0}},
      {Open<CProfileRKeyPopup>(), 3, {3, 0, 0}},
      {Open<CComboPollingRatePopup>(), 3, {3, 0, 0}},
      {Open<CComboLightingPopup>(), 6, {7, 0, 0}},
      {Open<CComboLightingPopup>(), 7, {0, 0, 0}},
      {Open<CComboActionInsertPopup>(), 8, {8, 0, 0}},
      {Open<CMacroListPopup>(0), 2, {3, 0, 0}},  // form 0: codes 1, 2, 4, 7, 8
      {Open<CMacroListPopup>(2), 4, {5, 0, 0}},  // form 2: codes 1, 2, 4, 5, 6, 7, 8
      {Open<CMacroListPopup>(1), 7, {7, 0, 0}},
      {Open<CDPILockPopup>(ctx->Dpi), 0, {0x50, DpiLockCode(ctx->Dpi, 1), 0x00}},
  };
  for (const auto& c : cases) {
    dlg->choices.clear();
    Choose(c.popup, c.index);
    ASSERT_EQ(dlg->choices.size(), 1u) << c.popup->metaObject()->className() << " " << c.index;
    EXPECT_EQ(dlg->choices[0].value, c.value) << c.index;
    EXPECT_EQ(dlg->For(kChoiceMessage).back().wParam, kOwner);
  }
  EXPECT_EQ(Open<CComboPollingRatePopup>()->Items()[0].text, u"125HZ");
}

TEST_P(PopupTest, HotItemAndReleaseOutsideIt) {
  CWndPopup* p = Open<CDPIPopup>();
  EXPECT_EQ(p->HotItem(), -1);
  const QPoint first = Inside(p->Items()[0].rect);
  Move(p, first);
  EXPECT_EQ(p->HotItem(), 0);
  Press(p, first);
  const QPoint second = Inside(p->Items()[1].rect);
  Release(p, second);
  EXPECT_EQ(p->HotItem(), -1) << "releasing outside the hot item clears it";
  EXPECT_TRUE(dlg->choices.empty());
}

TEST_P(PopupTest, ComboPopupReportsHoverAndOpensDialogs) {
  CWndPopup* p = Open<CComboPopup>();
  struct Case {
    int index;
    unsigned hover;
  };
  const Case cases[] = {{0, 1033}, {5, 1040}, {10, 1043}, {11, 1160}, {12, 1157}, {14, 1154}, {16, 1033}};
  for (const auto& c : cases) {
    dlg->messages.clear();
    Move(p, Inside(p->Items()[static_cast<std::size_t>(c.index)].rect));
    EXPECT_EQ(dlg->messages, (std::vector<Message>{{c.hover, kOwner, c.index + 1}}));
  }
  const struct {
    int index;
    unsigned msg;
  } dialogs[] = {{6, 1062}, {8, 1065}, {9, 1035}, {15, 1037}};
  for (const auto& d : dialogs) {
    dlg->messages.clear();
    Choose(p, d.index);
    EXPECT_EQ(dlg->For(d.msg), (std::vector<Message>{{d.msg, kOwner, 0}}));
    EXPECT_TRUE(dlg->For(kChoiceMessage).empty());
  }
  dlg->messages.clear();
  Choose(p, 5);  // a submenu item chooses nothing
  EXPECT_TRUE(dlg->For(kChoiceMessage).empty());
}

TEST_P(PopupTest, DismissalAndCloseMessages) {
  struct Case {
    CWndPopup* popup;
    unsigned msg;
    LPARAM lParam;
  };
  const Case cases[] = {{Open<CComboPopup>(), 1029, 0},        {Open<CProfilePopup>(), 1032, 1},
                        {Open<CDPIPopup>(), 1042, 2},          {Open<CComboProfilePopup>(std::array<std::u16string, 5>{}, 0), 1126, 7},
                        {Open<CComboPollingRatePopup>(), 1136, 8}, {Open<CMacroListPopup>(1), 1170, 15}};
  for (const auto& c : cases) {
    dlg->messages.clear();
    QEvent deactivate(QEvent::WindowDeactivate);
    QApplication::sendEvent(c.popup, &deactivate);
    EXPECT_EQ(dlg->messages, (std::vector<Message>{{c.msg, kOwner, c.lParam}}));
  }
  EXPECT_EQ(CWndPopup::DismissalMessage(4), 0u);
  EXPECT_EQ(CWndPopup::DismissalMessage(5), 0u);
  EXPECT_EQ(CWndPopup::DismissalMessage(6), 1057u);

  QPointer<CWndPopup> p = Open<CDPIPopup>();
  dlg->SetPopupSlot(2, p);
  dlg->messages.clear();
  dlg->ClosePopup(2);
  EXPECT_EQ(dlg->PopupSlot(2), nullptr);
  QApplication::sendPostedEvents();
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(dlg->messages, (std::vector<Message>{{kPopupClosedMessage, 0, 0}}));
  EXPECT_TRUE(p.isNull()) << "a closed popup deletes itself";
}

TEST_P(PopupTest, ProfileSelectorIgnoresHeaderAndEmptyRows) {
  ctx->Language.Texts[200] = u"Add profile";
  CWndPopup* p = Open<CComboProfilePopup>(std::array<std::u16string, 5>{u"One", u"Two", u"", u"", u""}, 0);
  Choose(p, 0);  // header
  Choose(p, 3);  // empty row
  EXPECT_TRUE(dlg->For(kChoiceMessage).empty());
  Choose(p, 2);
  Choose(p, 6);
  EXPECT_EQ(dlg->For(kChoiceMessage), (std::vector<Message>{{kChoiceMessage, 2, 3}, {kChoiceMessage, 2, 7}}));
  dlg->messages.clear();
  for (int i : {0, 3, 6, 1}) {
    const QPoint at = Inside(p->Items()[static_cast<std::size_t>(i)].rect);
    Move(p, at);
    Release(p, at, Qt::RightButton);
  }
  EXPECT_EQ(dlg->For(kChoiceMessage), (std::vector<Message>{{kChoiceMessage, 11, 2}}));
}

INSTANTIATE_TEST_SUITE_P(Scales, PopupTest, ::testing::Values(1.0f, 1.5f, 2.0f));

}  // namespace
}  // namespace corvane::testing
