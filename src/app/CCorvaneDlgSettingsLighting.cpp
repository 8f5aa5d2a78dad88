// The lighting section: the effect drop-down, speed and brightness with their labels,
// the direction radios and the colour slots, whose double click opens the palette.
#include "app/CCorvaneDlg.h"
#include "app/MainWindowIds.h"
#include "app/MainWindowLayout.h"
#include "app/SettingsSliderReport.h"
#include "base/TextUtil.h"
#include "dialogs/CColorPaletteDlg.h"
#include "settings/SettingsCommands.h"
#include "skin/CRadioButton.h"
#include "skin/CWndPopup.h"
#include "widgets/CComboLightingPopup.h"

namespace corvane {

using namespace mainwnd;

namespace {

constexpr unsigned kLightingResult = 1145;
constexpr unsigned kLightingDismissed = 1146;
constexpr int kShownSlots = 8;

// Brightness positions 0..3 are 25 % to 100 %.
std::u16string BrightnessText(int position) { return FormatDecimal((position % 4 + 1) * 25) + u"%"; }

}  // namespace

bool CCorvaneDlg::OnLightingCommand(unsigned msg, WPARAM wParam, LPARAM lParam) {
  ProfileRecord& p = CurrentProfile();
  DeviceDirtyFlags& dirty = upload_.Dirty;
  if (msg >= kLightingSlotFirst && msg < kLightingSlotFirst + kShownSlots) {
    // A single click changes nothing; a double click opens the palette for the slot.
    if (lParam == kNotifyDoubleClick) OpenLightingColourDialog(static_cast<int>(msg - kLightingSlotFirst));
    return true;
  }
  switch (msg) {
    case kLightingModeMessage:
      if (lParam == kNotifyClick && wParam == kLightingMode)
        OpenComboPopup(new CComboLightingPopup(Gui()), kLightingMode, kLightingResult);
      return true;
    case kLightingResult: {
      CloseComboLook(kLightingMode);
      if (const auto* choice = reinterpret_cast<const PopupSelection*>(lParam))
        RunSettingsEffect(SetLightingMode(p, App().Language, choice->value[0], dirty));
      return true;
    }
    case kLightingDismissed:
      CloseComboLook(kLightingMode);
      return true;
    case kLightingSpeed:
    case kLightingBrightness: {
      const auto report = ReadSliderReport(FindControl(msg), wParam, lParam);
      if (!report) return true;
      const bool speed = msg == kLightingSpeed;
      if (CControlBase* label = FindControl(speed ? kLightingSpeedLabel : kLightingBrightnessLabel))
        label->SetText(speed ? FormatDecimal(report->Stop + 1) : BrightnessText(report->Stop));
      const CommandEffect effect = speed ? SetLightingSpeed(p, report->Stop, report->Commit, dirty)
                                         : SetLightingBrightness(p, report->Stop, report->Commit, dirty);
      CollectSettings();
      RunSettingsEffect(effect);
      return true;
    }
    case kLightingForward:
    case kLightingReverse: {
      if (lParam != kNotifyClick) return true;
      const auto forward = RadioBitOf(kLightingForward);
      const bool isForward = forward && ((Gui().RadioSelection >> forward->bit) & 1u) != 0;
      CollectSettings();
      RunSettingsEffect(SetLightingDirection(p, isForward ? 1 : 0, dirty));
      return true;
    }
    default:
      return false;
  }
}

void CCorvaneDlg::OpenLightingColourDialog(int slot) {
  ProfileRecord& p = CurrentProfile();
  CColorPaletteDlg dlg(Gui(), this, p, upload_.Dirty, CColorPaletteDlg::Target::LightingSlot, p.Lighting1ModeValue[0],
                       slot);
  if (dlg.DoModal() != IDOK) return;
  ShowCurrentProfile(*this, App(), Gui());
  ScheduleApply();
}

}  // namespace corvane
