// The main window's controls: every id is there with its class, and at each scale and in
// each language no two visible controls overlap, every one lies inside the window and
// every caption fits its control, with any combination of sections the header rules let
// the user open.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <queue>
#include <set>

#include <QFontMetrics>

#include "app/GalleryContext.h"
#include "app/MainWindowIds.h"
#include "app/MainWindowLayout.h"
#include "app/MainWindowPreview.h"
#include "skin/CCheckButton.h"
#include "skin/CComboButton.h"
#include "skin/CDPIRadioButton.h"
#include "skin/CImageButton.h"
#include "skin/CPowerManageButton.h"
#include "skin/CRadioButton.h"
#include "skin/CSliderControl.h"
#include "skin/CStaticText.h"
#include "skin/CTabControl.h"
#include "skin/CVerticalSliderControl.h"
#include "support/TempDataFolder.h"

namespace corvane::testing {
namespace {

using namespace mainwnd;

struct IdRange {
  unsigned first;
  int count;
};

// Every control the window's handlers reach by id.
constexpr IdRange kMainWindowIds[] = {
    {2001, 2}, {2009, 2}, {2013, 9}, {2030, 1}, {2041, 4}, {2047, 3}, {2050, 6}, {2062, 1},
    {2068, 4}, {3001, 4}, {3011, 5}, {3024, 1}, {3030, 11}, {3110, 1}, {3120, 1}, {3130, 4}, {3180, 8},
    {3200, 1}, {3210, 1}, {3220, 1}, {3230, 1}, {3240, 1}, {3250, 1}, {3260, 8}, {3270, 8}, {3280, 8},
    {3290, 8}, {3300, 8}, {3330, 1}, {3405, 3}, {3500, 5}, {3510, 2}, {3530, 1}, {3532, 2}, {3535, 1},
    {3537, 1}, {3540, 3},
};

// A slider's bar lies under the slider.
const std::map<unsigned, unsigned> kTrackOfSlider = {
    {3612, kLightingSpeed}, {3614, kLightingBrightness}, {3621, kPointerSpeed}, {3623, kDoubleClickSpeed},
    {3625, kScrollSpeed},   {3643, kDebounceSlider},     {3605, kSleepSlider},  {3606, kLightsOffSlider},
    {3647, kTiltSpeed},
};

bool MayOverlap(unsigned a, unsigned b) {
  auto it = kTrackOfSlider.find(a);
  if (it != kTrackOfSlider.end() && it->second == b) return true;
  it = kTrackOfSlider.find(b);
  return it != kTrackOfSlider.end() && it->second == a;
}

class MainWindowLayoutTest : public ::testing::Test {
 protected:
  MainWindowPreview& Open(const char* language, float scale) {
    ctx = MakeGalleryContext(data.Root(), language, scale);
    window = std::make_unique<MainWindowPreview>(ctx->App, ctx->Gui);
    window->EnsureInitialized();
    return *window;
  }

  TempDataFolder data;
  std::unique_ptr<GalleryContext> ctx;
  std::unique_ptr<MainWindowPreview> window;
};

// Every combination of open sections that clicks on headers reach from the start.
std::vector<SectionStates> ReachableSectionStates(SectionStates start) {
  std::set<SectionStates> seen{start};
  std::queue<SectionStates> todo;
  todo.push(start);
  while (!todo.empty()) {
    const SectionStates s = todo.front();
    todo.pop();
    for (int i = 0; i < kSectionCount; ++i) {
      SectionStates next = s;
      next[static_cast<std::size_t>(i)] = !next[static_cast<std::size_t>(i)];
      next = ApplySectionHeaderRule(next, kSectionHeaders[static_cast<std::size_t>(i)]);
      if (seen.insert(next).second) todo.push(next);
    }
  }
  return {seen.begin(), seen.end()};
}

// What is wrong with the visible controls, one line each; empty when the page is sound.
std::vector<std::string> LayoutFaults(CDlgBase& dlg) {
  std::vector<CControlBase*> shown;
  for (int g = 0; g < CDlgBase::kGroupCount; ++g)
    for (const auto& c : dlg.Group(g))
      if (c->Visible() && c->Shown()) shown.push_back(c.get());
  std::vector<std::string> faults;
  const CRect window{0, 0, dlg.width(), dlg.height()};
  for (std::size_t i = 0; i < shown.size(); ++i) {
    const CRect r = shown[i]->GetRect();
    const std::string name = std::to_string(shown[i]->Id());
    if (r.IsEmpty() || r.Intersected(window) != r) faults.push_back(name + " outside the window");
    for (std::size_t j = i + 1; j < shown.size(); ++j)
      if (!r.Intersected(shown[j]->GetRect()).IsEmpty() && !MayOverlap(shown[i]->Id(), shown[j]->Id()))
        faults.push_back(name + " overlaps " + std::to_string(shown[j]->Id()));
    // Captions drawn on one line must fit: static texts whole, buttons within their face.
    const QString text = QString::fromStdU16String(shown[i]->GetText());
    const bool captioned = dynamic_cast<CStaticText*>(shown[i]) || dynamic_cast<CImageButton*>(shown[i]) ||
                           dynamic_cast<CTabControl*>(shown[i]);
    if (captioned && !text.isEmpty() && QFontMetrics(shown[i]->Font()).horizontalAdvance(text) > r.Width())
      faults.push_back(name + " clips \"" + text.toStdString() + "\"");
  }
  return faults;
}

TEST_F(MainWindowLayoutTest, EveryControlExistsWithItsClass) {
  MainWindowPreview& w = Open("en", 1.0f);
  for (const auto& range : kMainWindowIds)
    for (int n = 0; n < range.count; ++n)
      EXPECT_NE(w.FindControl(range.first + static_cast<unsigned>(n)), nullptr) << range.first + n;
  struct ClassCase {
    unsigned id;
    bool ok;
  };
  const ClassCase classes[] = {
      {kButtonComboFirst, dynamic_cast<CComboButton*>(w.FindControl(kButtonComboFirst)) != nullptr},
      {kSpareComboFirst + 1, dynamic_cast<CComboButton*>(w.FindControl(kSpareComboFirst + 1)) != nullptr},
      {kProfileTabFirst + 4, dynamic_cast<CTabControl*>(w.FindControl(kProfileTabFirst + 4)) != nullptr},
      {kHeaderFirmware, dynamic_cast<CCheckButton*>(w.FindControl(kHeaderFirmware)) != nullptr},
      {kDpiRadioFirst + 7, dynamic_cast<CDPIRadioButton*>(w.FindControl(kDpiRadioFirst + 7)) != nullptr},
      {kDpiSliderFirst, dynamic_cast<CVerticalSliderControl*>(w.FindControl(kDpiSliderFirst)) != nullptr},
      {kPowerDial, dynamic_cast<CPowerManageButton*>(w.FindControl(kPowerDial)) != nullptr},
      {kProfileList, dynamic_cast<CImageButton*>(w.FindControl(kProfileList)) != nullptr},
      {kPollingRadioFirst + 6, dynamic_cast<CRadioButton*>(w.FindControl(kPollingRadioFirst + 6)) != nullptr},
      {kDebounceSlider, dynamic_cast<CSliderControl*>(w.FindControl(kDebounceSlider)) != nullptr},
  };
  for (const auto& c : classes) EXPECT_TRUE(c.ok) << c.id;
  // Each id once: the window finds a control by its first match.
  std::multiset<unsigned> ids;
  for (int g = 0; g < CDlgBase::kGroupCount; ++g)
    for (const auto& c : w.Group(g)) ids.insert(c->Id());
  for (unsigned id : ids) EXPECT_EQ(ids.count(id), 1u) << id;
}

TEST_F(MainWindowLayoutTest, EveryReachablePageFitsWithoutOverlapsOrClippedCaptions) {
  struct Case {
    const char* language;
    float scale;
  };
  for (const Case c : {Case{"en", 1.0f}, Case{"en", 1.5f}, Case{"en", 2.0f}, Case{"zh", 1.0f}, Case{"zh", 1.5f},
                       Case{"zh", 2.0f}}) {
    MainWindowPreview& w = Open(c.language, c.scale);
    // The warning shows while the receiver has lost the mouse: it must fit as well.
    w.FindControl(kLinkWarning)->SetShow(true);
    w.FindControl(kBatteryText)->SetShow(true);
    w.FindControl(kBatteryText)->SetText(u"100%");
    const auto states = ReachableSectionStates(SectionOpenStates(w));
    EXPECT_GT(states.size(), 9u);
    std::set<std::string> faults;
    for (const SectionStates& s : states) {
      ApplySectionStates(w, s);
      ShowCurrentProfile(w, ctx->App, ctx->Gui);
      for (const auto& fault : LayoutFaults(w)) faults.insert(fault);
    }
    for (const auto& fault : faults) ADD_FAILURE() << c.language << " " << c.scale << ": " << fault;
  }
}

TEST_F(MainWindowLayoutTest, ClosedSectionsHideTheirControlsAndTheRestMovesUp) {
  MainWindowPreview& w = Open("en", 1.0f);
  SectionStates open{};
  open[static_cast<std::size_t>(*SectionOfHeader(kHeaderPolling))] = true;
  ApplySectionStates(w, open);
  EXPECT_FALSE(w.FindControl(kDpiSliderFirst)->Visible());
  EXPECT_FALSE(w.FindControl(kLightingSpeed)->Visible());
  EXPECT_TRUE(w.FindControl(kPollingRadioFirst)->Visible());
  // Closed headers stack without gaps; the polling controls follow their header.
  const int pitch = w.FindControl(kHeaderLighting)->GetRect().top - w.FindControl(kHeaderDpi)->GetRect().top;
  EXPECT_EQ(w.FindControl(kHeaderPointer)->GetRect().top - w.FindControl(kHeaderLighting)->GetRect().top, pitch);
  EXPECT_GT(w.FindControl(kPollingRadioFirst)->GetRect().top, w.FindControl(kHeaderPolling)->GetRect().bottom);
  EXPECT_LT(w.FindControl(kPollingRadioFirst)->GetRect().bottom, w.FindControl(kHeaderLiftOff)->GetRect().top);

  // A click on a header runs the rules: opening lighting beside polling keeps both.
  auto* lighting = dynamic_cast<CCheckButton*>(w.FindControl(kHeaderLighting));
  lighting->SetChecked(true);
  EXPECT_TRUE(OnSectionHeader(w, ctx->App, ctx->Gui, kHeaderLighting));
  EXPECT_TRUE(w.FindControl(kLightingSpeed)->Visible());
  EXPECT_TRUE(w.FindControl(kPollingRadioFirst)->Visible());
  EXPECT_FALSE(OnSectionHeader(w, ctx->App, ctx->Gui, kApply));
}

TEST_F(MainWindowLayoutTest, AMovedSliderKeepsItsThumbOnItsStop) {
  MainWindowPreview& w = Open("en", 1.5f);
  auto* speed = dynamic_cast<CSliderControl*>(w.FindControl(kLightingSpeed));
  speed->SetCurrentStop(3);
  SectionStates open{};
  open[static_cast<std::size_t>(*SectionOfHeader(kHeaderLighting))] = true;
  ApplySectionStates(w, open);
  const CRect r = speed->GetRect();
  EXPECT_EQ(speed->CurrentStop(), 3);
  EXPECT_EQ(speed->ThumbRect().top, r.top);
  EXPECT_EQ(speed->Stops().front(), r.left + static_cast<int>(8 * 1.5f));
}

}  // namespace
}  // namespace corvane::testing
