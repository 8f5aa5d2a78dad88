#include "app/MainWindowLayout.h"

#include <span>

#include "app/MainWindowControls.h"
#include "app/MainWindowIds.h"
#include "skin/CCheckButton.h"
#include "skin/CDlgBase.h"
#include "skin/DrawTextW.h"
#include "skin/GuiState.h"
#include "skin/SkinScaling.h"

namespace corvane {

using namespace mainwnd;

namespace {

// Design pixels of the page that holds the sections: headers down the right-hand column,
// each open section's controls right below its header.
constexpr int kPageLeft = 688;
constexpr int kPageRight = 1111;
constexpr int kPageTop = 60;
constexpr int kHeaderHeight = 26;
constexpr int kHeaderGap = 4;    // header to its controls
constexpr int kSectionGap = 4;   // below each header or open section
constexpr int kInitiallyOpen[] = {0, 1};  // DPI levels and lighting

// Controls of each section, with rectangles relative to the page's left edge and the top
// of the section's content.
constexpr ControlSpec kDpiSection[] = {
    {.id = kDpiEnableFirst, .kind = ControlKind::CheckBox, .rect = {20, 2, 36, 18}, .count = 8, .dx = 52},
    {.id = kDpiRadioFirst, .kind = ControlKind::DpiRadio, .rect = {4, 22, 52, 54}, .count = 8, .dx = 52},
    {.id = kDpiSliderFirst, .kind = ControlKind::VSlider, .rect = {21, 58, 35, 178}, .count = 8, .dx = 52},
    {.id = kDpiValueFirst, .kind = ControlKind::Button, .rect = {4, 182, 52, 202}, .count = 8, .dx = 52,
     .nr = u"skins\\dpi_value.png", .ov = u"skins\\dpi_value.png", .format = DT_CENTER},
    {.id = kDpiColourFirst, .kind = ControlKind::Swatch, .rect = {10, 208, 46, 216}, .count = 8, .dx = 52},
};

constexpr ControlSpec kLightingSection[] = {
    {.id = 3610, .kind = ControlKind::Label, .rect = {12, 2, 104, 26}, .text = 260},
    {.id = kLightingMode, .kind = ControlKind::Combo, .rect = {110, 2, 290, 26}, .param = kLightingModeMessage},
    {.id = 3611, .kind = ControlKind::Label, .rect = {12, 32, 104, 56}, .text = 261},
    {.id = 3612, .kind = ControlKind::Track, .rect = {118, 41, 360, 47}},
    {.id = kLightingSpeed, .kind = ControlKind::Slider, .rect = {110, 36, 368, 52}, .param = 5},
    {.id = kLightingSpeedLabel, .kind = ControlKind::Value, .rect = {374, 32, 423, 56}},
    {.id = 3613, .kind = ControlKind::Label, .rect = {12, 62, 104, 86}, .text = 262},
    {.id = 3614, .kind = ControlKind::Track, .rect = {118, 71, 360, 77}},
    {.id = kLightingBrightness, .kind = ControlKind::Slider, .rect = {110, 66, 368, 82}, .param = 4},
    {.id = kLightingBrightnessLabel, .kind = ControlKind::Value, .rect = {374, 62, 423, 86}},
    {.id = 3615, .kind = ControlKind::Label, .rect = {12, 92, 104, 116}, .text = 263},
    {.id = kLightingForward, .kind = ControlKind::Radio, .rect = {110, 96, 126, 112}},
    {.id = 3616, .kind = ControlKind::Label, .rect = {132, 92, 250, 116}, .text = 264},
    {.id = kLightingReverse, .kind = ControlKind::Radio, .rect = {256, 96, 272, 112}},
    {.id = 3617, .kind = ControlKind::Label, .rect = {278, 92, 419, 116}, .text = 265},
    {.id = kLightingSlotsCaption, .kind = ControlKind::Label, .rect = {12, 122, 104, 146}, .text = 268},
    {.id = kLightingSlotFirst, .kind = ControlKind::SwatchCheck, .rect = {110, 120, 138, 148}, .count = 8, .dx = 32},
};

constexpr ControlSpec kPointerSection[] = {
    {.id = 3620, .kind = ControlKind::Label, .rect = {12, 2, 150, 26}, .text = 270},
    {.id = 3621, .kind = ControlKind::Track, .rect = {164, 11, 360, 17}},
    {.id = kPointerSpeed, .kind = ControlKind::Slider, .rect = {156, 6, 368, 22}, .param = 20},
    {.id = kPointerSpeedLabel, .kind = ControlKind::Value, .rect = {374, 2, 423, 26}},
    {.id = 3622, .kind = ControlKind::Label, .rect = {12, 32, 150, 56}, .text = 271},
    {.id = 3623, .kind = ControlKind::Track, .rect = {164, 41, 360, 47}},
    {.id = kDoubleClickSpeed, .kind = ControlKind::Slider, .rect = {156, 36, 368, 52}, .param = 11},
    {.id = kDoubleClickLabel, .kind = ControlKind::Value, .rect = {374, 32, 423, 56}},
    {.id = 3624, .kind = ControlKind::Label, .rect = {12, 62, 150, 86}, .text = 272},
    {.id = 3625, .kind = ControlKind::Track, .rect = {164, 71, 360, 77}},
    {.id = kScrollSpeed, .kind = ControlKind::Slider, .rect = {156, 66, 368, 82}, .param = 10},
    {.id = kScrollSpeedLabel, .kind = ControlKind::Value, .rect = {374, 62, 423, 86}},
    {.id = 3629, .kind = ControlKind::Label, .rect = {12, 92, 150, 116}, .text = 320},
    {.id = 3647, .kind = ControlKind::Track, .rect = {164, 101, 360, 107}},
    {.id = kTiltSpeed, .kind = ControlKind::Slider, .rect = {156, 96, 368, 112}, .param = 10},
    {.id = kTiltSpeedLabel, .kind = ControlKind::Value, .rect = {374, 92, 423, 116}},
    {.id = kScrollLines, .kind = ControlKind::Radio, .rect = {12, 126, 28, 142}},
    {.id = 3626, .kind = ControlKind::Label, .rect = {34, 122, 206, 146}, .text = 275},
    {.id = kScrollPage, .kind = ControlKind::Radio, .rect = {212, 126, 228, 142}},
    {.id = 3627, .kind = ControlKind::Label, .rect = {234, 122, 419, 146}, .text = 276},
    {.id = kAcceleration, .kind = ControlKind::CheckBox, .rect = {12, 156, 28, 172}},
    {.id = 3628, .kind = ControlKind::Label, .rect = {34, 152, 419, 176}, .text = 274},
};

// The seven plain rates in two rows; the picture group and the drop-down of the
// four-rate mice are kept but not shown in this layout.
constexpr ControlSpec kPollingSection[] = {
    {.id = kPollingRadioFirst, .kind = ControlKind::Radio, .rect = {12, 6, 28, 22}, .count = 4, .dx = 104},
    {.id = 3630, .kind = ControlKind::PollingLabel, .rect = {34, 2, 104, 26}, .count = 4, .dx = 104},
    {.id = kPollingRadioFirst + 4, .kind = ControlKind::Radio, .rect = {12, 34, 28, 50}, .count = 3, .dx = 104},
    {.id = 3634, .kind = ControlKind::PollingLabel, .rect = {34, 30, 104, 54}, .count = 3, .dx = 104, .param = 4},
    {.id = kPollingImageFirst, .kind = ControlKind::ImageRadio, .rect = {12, 60, 76, 84}, .count = 4, .dx = 70,
     .shown = false},
    {.id = kPollingCombo, .kind = ControlKind::Combo, .rect = {290, 60, 419, 84}, .param = kPollingComboMessage,
     .shown = false},
};

constexpr ControlSpec kLiftOffSection[] = {
    {.id = kLiftLow, .kind = ControlKind::Radio, .rect = {12, 6, 28, 22}},
    {.id = 3640, .kind = ControlKind::Label, .rect = {34, 2, 206, 26}, .text = 284},
    {.id = kLiftHigh, .kind = ControlKind::Radio, .rect = {212, 6, 228, 22}},
    {.id = 3641, .kind = ControlKind::Label, .rect = {234, 2, 419, 26}, .text = 285},
};

constexpr ControlSpec kDebounceSection[] = {
    {.id = 3642, .kind = ControlKind::Label, .rect = {12, 2, 150, 26}, .text = 131},
    {.id = 3643, .kind = ControlKind::Track, .rect = {164, 11, 360, 17}},
    {.id = kDebounceSlider, .kind = ControlKind::Slider, .rect = {156, 6, 368, 22}, .param = 31},
    {.id = kDebounceLabel, .kind = ControlKind::Value, .rect = {374, 2, 423, 26}},
};

constexpr ControlSpec kSensorSection[] = {
    {.id = kAngleSnap, .kind = ControlKind::CheckBox, .rect = {12, 6, 28, 22}},
    {.id = 3644, .kind = ControlKind::Label, .rect = {34, 2, 152, 26}, .text = 286},
    {.id = kMotionSync, .kind = ControlKind::CheckBox, .rect = {156, 6, 172, 22}},
    {.id = 3645, .kind = ControlKind::Label, .rect = {178, 2, 290, 26}, .text = 287},
    {.id = kRippleControl, .kind = ControlKind::CheckBox, .rect = {296, 6, 312, 22}},
    {.id = 3646, .kind = ControlKind::Label, .rect = {318, 2, 423, 26}, .text = 288},
};

constexpr ControlSpec kPairingSection[] = {
    {.id = kPairing, .kind = ControlKind::Button, .rect = {12, 2, 192, 28}, .text = 12, .nr = u"skins\\button1_nr.png",
     .ov = u"skins\\button1_ov.png", .format = DT_CENTER},
};

constexpr ControlSpec kFirmwareSection[] = {
    {.id = kFirmware, .kind = ControlKind::Button, .rect = {12, 2, 192, 28}, .text = 13,
     .nr = u"skins\\button1_nr.png", .ov = u"skins\\button1_ov.png", .format = DT_CENTER},
};

struct SectionSpec {
  int title;  // language entry of the header caption
  int height;  // of the open section's content
  std::span<const ControlSpec> controls;
  // A last row that the section leaves out (with its height) while this control is not
  // shown: the lighting effects without colour slots.
  unsigned optionalRowId = 0;
  int optionalRowHeight = 0;
};

// In the order of kSectionHeaders.
const SectionSpec kSections[kSectionCount] = {
    {120, 218, kDpiSection},     {121, 150, kLightingSection, kLightingSlotsCaption, 30}, {122, 178, kPointerSection},
    {123, 56, kPollingSection},  {130, 28, kLiftOffSection},   {131, 28, kDebounceSection},
    {132, 28, kSensorSection},   {133, 30, kPairingSection},   {134, 30, kFirmwareSection},
};

// The controls that are always there, at window design coordinates.
constexpr ControlSpec kFixedControls[] = {
    // Header strip.
    {.id = 3600, .kind = ControlKind::Picture, .rect = {16, 4, 196, 44}, .nr = u"skins\\Logo pic.png"},
    {.id = 3601, .kind = ControlKind::Label, .rect = {212, 12, 452, 36}, .text = 3, .colour = kTextWhite},
    {.id = kLinkWarning, .kind = ControlKind::Label, .rect = {460, 12, 772, 36}, .text = 290,
     .colour = 0x002896F0, .shown = false},
    {.id = kLogo, .kind = ControlKind::Link, .rect = {898, 12, 1032, 36}, .text = 19, .format = DT_RIGHT},
    {.id = kAutoSwitch, .kind = ControlKind::Button, .rect = {780, 14, 890, 34}, .text = 490,
     .nr = u"skins\\button2_nr.png", .ov = u"skins\\button2_ov.png", .format = DT_CENTER},
    {.id = kHide, .kind = ControlKind::Button, .rect = {1048, 16, 1064, 32}, .nr = u"skins\\down_nr.png",
     .ov = u"skins\\down_ov.png"},
    {.id = kMinimise, .kind = ControlKind::Button, .rect = {1072, 17, 1087, 32}, .nr = u"skins\\min_nr.png",
     .ov = u"skins\\min_ov.png"},
    {.id = kClose, .kind = ControlKind::Button, .rect = {1096, 17, 1111, 32}, .nr = u"skins\\exit_nr.png",
     .ov = u"skins\\exit_ov.png"},

    // Profiles.
    {.id = kProfileList, .kind = ControlKind::Button, .rect = {16, 60, 196, 86}, .text = 10,
     .nr = u"skins\\combo2_nr.png", .ov = u"skins\\combo2_ov.png", .format = DT_LEFT, .margin = 10},
    {.id = kProfileTabFirst, .kind = ControlKind::Tab, .rect = {16, 96, 196, 126}, .count = 5, .dy = 36},
    {.id = kProfileRename, .kind = ControlKind::Button, .rect = {16, 282, 102, 306}, .text = 15,
     .nr = u"skins\\button2_nr.png", .ov = u"skins\\button2_ov.png", .format = DT_CENTER},
    {.id = kProfileImport, .kind = ControlKind::Button, .rect = {110, 282, 196, 306}, .text = 16,
     .nr = u"skins\\button2_nr.png", .ov = u"skins\\button2_ov.png", .format = DT_CENTER},
    {.id = kProfileExport, .kind = ControlKind::Button, .rect = {16, 312, 102, 336}, .text = 17,
     .nr = u"skins\\button2_nr.png", .ov = u"skins\\button2_ov.png", .format = DT_CENTER},
    {.id = kProfileAdd, .kind = ControlKind::Button, .rect = {110, 312, 196, 336}, .text = 14,
     .nr = u"skins\\button2_nr.png", .ov = u"skins\\button2_ov.png", .format = DT_CENTER},

    // Tools.
    {.id = kMacros, .kind = ControlKind::Button, .rect = {16, 592, 196, 618}, .text = 9,
     .nr = u"skins\\button1_nr.png", .ov = u"skins\\button1_ov.png", .format = DT_CENTER},
    {.id = kSystemMouseSettings, .kind = ControlKind::Button, .rect = {16, 626, 196, 652}, .text = 18,
     .nr = u"skins\\button1_nr.png", .ov = u"skins\\button1_ov.png", .format = DT_CENTER},
    {.id = kFactoryReset, .kind = ControlKind::Button, .rect = {16, 660, 196, 686}, .text = 11,
     .nr = u"skins\\button1_nr.png", .ov = u"skins\\button1_ov.png", .format = DT_CENTER},
    {.id = kApply, .kind = ControlKind::Button, .rect = {16, 696, 196, 726}, .text = 8,
     .nr = u"skins\\button4_nr.png", .ov = u"skins\\button1_ov.png", .format = DT_CENTER},

    // The mouse and its seven buttons, each combo level with the button it sets.
    {.id = 3602, .kind = ControlKind::Picture, .rect = {362, 112, 522, 352}, .nr = u"skins\\mouse\\mouse_nr.png"},
    {.id = kButtonComboFirst + 0, .kind = ControlKind::Combo, .rect = {212, 140, 356, 164}, .param = kButtonComboMessage},
    {.id = kButtonComboFirst + 1, .kind = ControlKind::Combo, .rect = {528, 140, 672, 164}, .param = kButtonComboMessage},
    {.id = kButtonComboFirst + 2, .kind = ControlKind::Combo, .rect = {528, 174, 672, 198}, .param = kButtonComboMessage},
    {.id = kButtonComboFirst + 3, .kind = ControlKind::Combo, .rect = {212, 226, 356, 250}, .param = kButtonComboMessage},
    {.id = kButtonComboFirst + 4, .kind = ControlKind::Combo, .rect = {212, 260, 356, 284}, .param = kButtonComboMessage},
    {.id = kButtonComboFirst + 5, .kind = ControlKind::Combo, .rect = {528, 260, 672, 284}, .param = kButtonComboMessage},
    {.id = kButtonComboFirst + 6, .kind = ControlKind::Combo, .rect = {528, 208, 672, 232}, .param = kButtonComboMessage},
    {.id = kSpareComboFirst, .kind = ControlKind::Combo, .rect = {212, 310, 356, 334}, .count = 2, .dx = 316,
     .param = kButtonComboMessage, .visible = false},
    {.id = kBattery, .kind = ControlKind::Battery, .rect = {644, 60, 672, 124}},
    {.id = kBatteryText, .kind = ControlKind::Value, .rect = {580, 80, 638, 104}, .shown = false},

    // Power saving, under the mouse.
    {.id = 3603, .kind = ControlKind::Label, .rect = {212, 392, 672, 416}, .text = 135, .colour = kTextWhite},
    {.id = 3604, .kind = ControlKind::Picture, .rect = {212, 418, 672, 419}, .nr = u"skins\\Slider_bar.png"},
    {.id = kPowerDial, .kind = ControlKind::Power, .rect = {212, 430, 349, 505}},
    {.id = kSleepLabel, .kind = ControlKind::Label, .rect = {368, 428, 672, 452}},
    {.id = 3605, .kind = ControlKind::Track, .rect = {368, 461, 664, 467}},
    {.id = kSleepSlider, .kind = ControlKind::Slider, .rect = {360, 456, 672, 472}, .param = 30},
    {.id = kLightsOffLabel, .kind = ControlKind::Label, .rect = {368, 478, 672, 502}},
    {.id = 3606, .kind = ControlKind::Track, .rect = {368, 511, 664, 517}},
    {.id = kLightsOffSlider, .kind = ControlKind::Slider, .rect = {360, 506, 672, 522}, .param = 30},
    {.id = kMoveLighting, .kind = ControlKind::CheckBox, .rect = {212, 540, 228, 556}},
    {.id = 3607, .kind = ControlKind::Label, .rect = {234, 536, 440, 560}, .text = 6},
    {.id = kMotionWakeup, .kind = ControlKind::CheckBox, .rect = {448, 540, 464, 556}},
    {.id = 3608, .kind = ControlKind::Label, .rect = {470, 536, 672, 560}, .text = 7},
};

CRect PageRect(const CRect& r, int dx, int y) {
  return {kPageLeft + r.left + dx, y + r.top, kPageLeft + r.right + dx, y + r.bottom};
}

CRect Scale(const CDlgBase& dlg, const CRect& design) {
  return ScaledRect(const_cast<CDlgBase&>(dlg).Gui().SkinScale, 0, 0, design.left, design.top, design.right,
                    design.bottom);
}

}  // namespace

SectionStates SectionOpenStates(const CDlgBase& dlg) {
  SectionStates open{};
  for (int i = 0; i < kSectionCount; ++i)
    if (auto* h = dynamic_cast<CCheckButton*>(dlg.FindControl(kSectionHeaders[static_cast<std::size_t>(i)])))
      open[static_cast<std::size_t>(i)] = h->Checked();
  return open;
}

void ApplySectionStates(CDlgBase& dlg, const SectionStates& open) {
  int y = kPageTop;
  for (int i = 0; i < kSectionCount; ++i) {
    const bool isOpen = open[static_cast<std::size_t>(i)];
    if (auto* h = dynamic_cast<CCheckButton*>(dlg.FindControl(kSectionHeaders[static_cast<std::size_t>(i)]))) {
      h->SetChecked(isOpen);
      const CRect r = Scale(dlg, {kPageLeft, y, kPageRight, y + kHeaderHeight});
      h->SetRect(r.left, r.top, r.right, r.bottom);
    }
    y += kHeaderHeight + kHeaderGap;
    const SectionSpec& section = kSections[i];
    for (const ControlSpec& spec : section.controls) {
      for (int n = 0; n < spec.count; ++n) {
        CControlBase* c = dlg.FindControl(spec.id + static_cast<unsigned>(n));
        if (!c) continue;
        const CRect r = Scale(dlg, PageRect(spec.rect, n * spec.dx, y + n * spec.dy));
        c->SetRect(r.left, r.top, r.right, r.bottom);
        c->SetVisible(isOpen && spec.visible);
      }
    }
    int height = section.height;
    if (section.optionalRowId != 0)
      if (const CControlBase* row = dlg.FindControl(section.optionalRowId); row && !row->Shown())
        height -= section.optionalRowHeight;
    if (isOpen) y += height + kSectionGap;
  }
}

void CreateMainWindowControls(CDlgBase& dlg, AppContext& app, GuiState& gui, const CRect& client) {
  const ControlFactory factory{dlg, app, gui, client};
  for (const ControlSpec& spec : kFixedControls) factory.Create(0, spec, spec.rect);
  int y = kPageTop;
  for (int i = 0; i < kSectionCount; ++i) {
    const ControlSpec header{.id = kSectionHeaders[static_cast<std::size_t>(i)], .kind = ControlKind::Header,
                             .rect = {kPageLeft, y, kPageRight, y + kHeaderHeight}, .text = kSections[i].title};
    factory.Create(0, header, header.rect);
    y += kHeaderHeight + kHeaderGap;
    for (const ControlSpec& spec : kSections[i].controls) factory.Create(i + 1, spec, PageRect(spec.rect, 0, y));
  }
  SectionStates open{};
  for (int i : kInitiallyOpen) open[static_cast<std::size_t>(i)] = true;
  ApplySectionStates(dlg, open);
}

bool OnSectionHeader(CDlgBase& dlg, GuiState&, unsigned id) {
  if (!SectionOfHeader(id)) return false;
  ApplySectionStates(dlg, ApplySectionHeaderRule(SectionOpenStates(dlg), id));
  dlg.update();
  return true;
}

bool OnSectionHeader(CDlgBase& dlg, AppContext& app, GuiState& gui, unsigned id) {
  if (!OnSectionHeader(dlg, gui, id)) return false;
  ShowCurrentProfile(dlg, app, gui);
  return true;
}

}  // namespace corvane
