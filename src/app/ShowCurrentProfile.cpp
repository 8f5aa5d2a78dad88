// Every control of the main window set from the configuration and the current profile.
#include <algorithm>
#include <string>

#include <QString>

#include "app/MainWindowIds.h"
#include "app/MainWindowLayout.h"
#include "dialogs/CColorPaletteDlg.h"
#include "lang/LanguageEntries.h"
#include "session/AppContext.h"
#include "settings/PollingRateTable.h"
#include "skin/CCheckButton.h"
#include "skin/CColorSelectButton.h"
#include "skin/CColorSelectCheckButton.h"
#include "skin/CComboButton.h"
#include "skin/CDPIRadioButton.h"
#include "skin/CDlgBase.h"
#include "skin/CPowerManageButton.h"
#include "skin/CRadioButton.h"
#include "skin/CSliderControl.h"
#include "skin/CTabControl.h"
#include "skin/CVerticalSliderControl.h"
#include "skin/GuiState.h"
#include "skin/SkinScaling.h"

namespace corvane {

using namespace mainwnd;

namespace {

// Where the tab of show-list position i sits: the first tab's rectangle, one row down
// per position.
constexpr int kTabTop = 96;
constexpr int kTabPitch = 36;
constexpr int kTabLeft = 16, kTabRight = 196, kTabHeight = 30;
// The profile buttons below the tabs: two rows of two.
constexpr int kButtonGap = 6, kButtonPitch = 30, kButtonHeight = 24;

std::u16string Number(long n) { return QString::number(n).toStdU16String(); }

template <class T>
T* Find(CDlgBase& dlg, unsigned id) {
  return dynamic_cast<T*>(dlg.FindControl(id));
}

void SetText(CDlgBase& dlg, unsigned id, const std::u16string& text) {
  if (CControlBase* c = dlg.FindControl(id)) c->SetText(text);
}

void SetChecked(CDlgBase& dlg, unsigned id, bool on) {
  if (auto* c = Find<CCheckButton>(dlg, id)) c->SetChecked(on);
}

void SetSlider(CDlgBase& dlg, unsigned id, long stop) {
  if (auto* c = Find<CSliderControl>(dlg, id)) c->SetCurrentStop(static_cast<int>(stop));
}

void ShowTabs(CDlgBase& dlg, const AppContext& app, GuiState& gui, int current) {
  for (int slot = 0; slot < kProfileCount; ++slot)
    if (CControlBase* tab = dlg.FindControl(kProfileTabFirst + static_cast<unsigned>(slot))) tab->SetVisible(false);
  const int shown = app.Config.ShownPositions();
  for (int pos = 0; pos < shown; ++pos) {
    const int slot = app.Config.GetProfileShowList(pos);
    if (slot < 0 || slot >= kProfileCount) continue;
    CControlBase* tab = dlg.FindControl(kProfileTabFirst + static_cast<unsigned>(slot));
    if (!tab) continue;
    const int top = kTabTop + pos * kTabPitch;
    const CRect r = ScaledRect(gui.SkinScale, 0, 0, kTabLeft, top, kTabRight, top + kTabHeight);
    tab->SetRect(r.left, r.top, r.right, r.bottom);
    tab->SetText(app.Profiles[slot].ProfileName());
    tab->SetVisible(true);
  }
  // The profile buttons follow the last tab, so fewer profiles leave no hole in the
  // column (with five they stand where the layout puts them).
  const struct {
    unsigned id;
    int row, left, right;
  } buttons[] = {{kProfileRename, 0, 16, 102}, {kProfileImport, 0, 110, 196},
                 {kProfileExport, 1, 16, 102}, {kProfileAdd, 1, 110, 196}};
  const int buttonsTop = kTabTop + shown * kTabPitch + kButtonGap;
  for (const auto& b : buttons) {
    CControlBase* c = dlg.FindControl(b.id);
    if (!c) continue;
    const int top = buttonsTop + b.row * kButtonPitch;
    const CRect r = ScaledRect(gui.SkinScale, 0, 0, b.left, top, b.right, top + kButtonHeight);
    c->SetRect(r.left, r.top, r.right, r.bottom);
  }
  gui.ProfileTabIndex = current;
}

void ShowButtons(CDlgBase& dlg, const ProfileRecord& p) {
  for (int i = 0; i < kButtonCount; ++i)
    if (auto* combo = Find<CComboButton>(dlg, kButtonComboFirst + static_cast<unsigned>(i))) {
      combo->SetValueText(p.Buttons[static_cast<std::size_t>(i)].Name);
      combo->SetPopupOpen(false);
    }
}

void ShowDpi(CDlgBase& dlg, const AppContext& app, GuiState& gui, const ProfileRecord& p) {
  for (int k = 0; k < kDpiLevelCount; ++k) {
    const auto uk = static_cast<unsigned>(k);
    const int step = p.XYSettingX[uk];
    const int dpi = DpiOfStep(app.Dpi, step);
    SetChecked(dlg, kDpiEnableFirst + uk, p.DpiLevelEnabled(k));
    if (auto* radio = Find<CDPIRadioButton>(dlg, kDpiRadioFirst + uk)) radio->SetDpiValue(dpi / kDpiPerDisplayUnit);
    if (auto* bar = Find<CVerticalSliderControl>(dlg, kDpiSliderFirst + uk)) {
      // The bars follow the sensor's ladder, which a sensor change replaces.
      bar->SetStopCount(app.Dpi.DpiStepCount);
      bar->SetValue(std::clamp(step, 0, std::max(0, app.Dpi.DpiStepCount - 1)));
    }
    SetText(dlg, kDpiValueFirst + uk, Number(dpi));
    if (auto* colour = Find<CColorSelectButton>(dlg, kDpiColourFirst + uk)) colour->SetColor(p.DPILevelIndication[uk]);
  }
  // The level shown as current: levels 0 to it show selected. A stored level beyond the
  // eight counts as level 0, as everywhere a level is looked up.
  const int level = p.CurrentDPILevel < kDpiLevelCount ? p.CurrentDPILevel : 0;
  gui.DpiRadioSelection = SelectDpiLevels(gui.DpiRadioSelection, level);
}

void ShowLighting(CDlgBase& dlg, const AppContext& app, GuiState& gui, const ProfileRecord& p) {
  const std::size_t m = std::min<std::size_t>(p.Lighting1ModeValue[0], kLightingModeCount - 1);
  if (auto* mode = Find<CComboButton>(dlg, kLightingMode)) {
    const int entry = p.Lighting1ModeValue[0] >= 1 && p.Lighting1ModeValue[0] <= 7
                          ? kTextLightingFirst - 1 + p.Lighting1ModeValue[0]
                          : kTextLightingOff;
    mode->SetValueText(p.Lighting1Name.empty() ? app.Language.Text(entry) : p.Lighting1Name);
  }
  SetSlider(dlg, kLightingSpeed, p.Lighting1Speed[m]);
  SetText(dlg, kLightingSpeedLabel, Number(p.Lighting1Speed[m] + 1));
  SetSlider(dlg, kLightingBrightness, p.Lighting1Brightness[m]);
  SetText(dlg, kLightingBrightnessLabel, Number((p.Lighting1Brightness[m] % 4 + 1) * 25) + u"%");
  gui.RadioSelection = SelectRadio(gui.RadioSelection, p.Lighting1Direction[m] == 1 ? kLightingForward : kLightingReverse);
  // The colour slots are shown in the effects whose colours the palette sets, so that a
  // picked colour is what the slot shows afterwards; the other effects have no colours
  // the user can choose.
  const bool slotsShown = std::find(kPaletteLightingEffects.begin(), kPaletteLightingEffects.end(),
                                    static_cast<int>(p.Lighting1ModeValue[0])) != kPaletteLightingEffects.end();
  CControlBase* caption = dlg.FindControl(kLightingSlotsCaption);
  const bool rowChanged = caption && caption->Shown() != slotsShown;
  if (caption) caption->SetShow(slotsShown);
  for (int j = 0; j < 8; ++j)
    if (auto* slot = Find<CColorSelectCheckButton>(dlg, kLightingSlotFirst + static_cast<unsigned>(j))) {
      slot->SetColor(p.Lighting1FixedColor[m][static_cast<std::size_t>(j)]);
      slot->SetChecked(p.Lighting1ColorSelected[m][static_cast<std::size_t>(j)] ? 1 : 0);
      slot->SetShow(slotsShown);
    }
  // The sections below move up or down with the colour row.
  if (rowChanged) ApplySectionStates(dlg, SectionOpenStates(dlg));
}

void ShowPolling(CDlgBase& dlg, GuiState& gui, const ProfileRecord& p) {
  const PollingRateEntry& rate = PollingRateOf(p.PollingRateValue[0]);
  gui.RadioSelection = (gui.RadioSelection & ~(kPollingRadioMask4 | kPollingRadioMask7)) | rate.RadioBit7 | rate.RadioBit4;
  if (auto* combo = Find<CComboButton>(dlg, kPollingCombo)) combo->SetValueText(p.PollingRateName);
}

void ShowSensorAndPower(CDlgBase& dlg, const AppContext& app, GuiState& gui, const ProfileRecord& p) {
  gui.RadioSelection = SelectRadio(gui.RadioSelection, p.SettingNumber(kSettingLiftDetectionHeight) == 1 ? kLiftLow : kLiftHigh);
  const long debounce = p.SettingNumber(kSettingKeyDebounce);
  SetSlider(dlg, kDebounceSlider, debounce);
  SetText(dlg, kDebounceLabel, Number(debounce) + u"ms");
  SetChecked(dlg, kAngleSnap, p.SettingNumber(kSettingAngleSnap) == 1);
  SetChecked(dlg, kMotionSync, p.SettingNumber(kSettingMotionSync) == 1);
  SetChecked(dlg, kRippleControl, p.SettingNumber(kSettingRippleControl) == 1);

  // The dial's eight levels stand for 3 to 10 minutes.
  const int sleep = p.GetPowerDownTime();
  const int lightsOff = p.GetRgbOffTime();
  if (auto* dial = Find<CPowerManageButton>(dlg, kPowerDial)) dial->SetLevel(std::clamp(sleep - 2, 1, 8));
  SetSlider(dlg, kSleepSlider, sleep - 1);
  SetText(dlg, kSleepLabel, app.Language.Text(kTextSleepAfter) + Number(sleep) + app.Language.Text(kTextMinutes));
  SetSlider(dlg, kLightsOffSlider, lightsOff - 1);
  SetText(dlg, kLightsOffLabel,
          app.Language.Text(kTextLightsOffAfter) + Number(lightsOff) + app.Language.Text(kTextMinutes));
  SetChecked(dlg, kMoveLighting, p.GetMoveLightingOnOffMode() == 1);
  SetChecked(dlg, kMotionWakeup, p.SettingNumber(kSettingMotionWakeup) == 1);
}

void ShowPointer(CDlgBase& dlg, GuiState& gui, const ProfileRecord& p) {
  struct PointerSlider {
    unsigned slider, label;
    int setting;
  };
  constexpr PointerSlider kSliders[] = {
      {kScrollSpeed, kScrollSpeedLabel, kSettingScrollWheelSpeed},
      {kPointerSpeed, kPointerSpeedLabel, kSettingPointerSpeed},
      {kDoubleClickSpeed, kDoubleClickLabel, kSettingDoubleClickSpeed},
      {kTiltSpeed, kTiltSpeedLabel, kSettingTiltSpeed},
  };
  for (const auto& s : kSliders) {
    const long position = p.SettingNumber(s.setting);
    SetSlider(dlg, s.slider, position);
    SetText(dlg, s.label, Number(position + 1));
  }
  SetChecked(dlg, kAcceleration, p.SettingNumber(kSettingAccelerationEnable) == 1);
  const bool byPage = p.SettingNumber(kSettingScrollWheelPageEnable) == 1;
  gui.RadioSelection = SelectRadio(gui.RadioSelection, byPage ? kScrollPage : kScrollLines);
  if (CControlBase* scroll = dlg.FindControl(kScrollSpeed)) scroll->SetDisabled(byPage);
}

}  // namespace

void ShowCurrentProfile(CDlgBase& dlg, AppContext& app, GuiState& gui) {
  app.CurrentProfileIndex = app.Config.CurrentProfileSlot();
  const int current = app.CurrentProfileIndex;
  const ProfileRecord& p = app.Profiles[current];
  ShowTabs(dlg, app, gui, current);
  ShowButtons(dlg, p);
  ShowDpi(dlg, app, gui, p);
  ShowLighting(dlg, app, gui, p);
  ShowPolling(dlg, gui, p);
  ShowSensorAndPower(dlg, app, gui, p);
  ShowPointer(dlg, gui, p);
  dlg.update();
}

}  // namespace corvane
