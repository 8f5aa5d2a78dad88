#include "app/MainWindowControls.h"

#include <algorithm>
#include <memory>
#include <string>

#include "session/AppContext.h"
#include "settings/PollingRateTable.h"
#include "skin/CBattery.h"
#include "skin/CCheckButton.h"
#include "skin/CColorSelectButton.h"
#include "skin/CColorSelectCheckButton.h"
#include "skin/CComboButton.h"
#include "skin/CDPIRadioButton.h"
#include "skin/CDlgBase.h"
#include "skin/CImageButton.h"
#include "skin/CLinkButton.h"
#include "skin/CPowerManageButton.h"
#include "skin/CRadioButton.h"
#include "skin/CSliderControl.h"
#include "skin/CStaticImage.h"
#include "skin/CStaticText.h"
#include "skin/CTabControl.h"
#include "skin/CVerticalSliderControl.h"
#include "skin/GuiState.h"
#include "skin/SkinScaling.h"

namespace corvane {

namespace {

// The picture radios of the four-rate group, 3030..3033.
const char16_t* const kPollingPictures[][2] = {
    {u"skins\\125hz_nr.png", u"skins\\125hz_dn.png"},
    {u"skins\\250hz_nr.png", u"skins\\250hz_dn.png"},
    {u"skins\\500hz_nr.png", u"skins\\500hz_dn.png"},
    {u"skins\\1000hz_nr.png", u"skins\\1000hz_dn.png"},
};

std::u16string PowerPicture(int level) {
  return u"skins\\power_manage_" + std::u16string(QString::number(level + 2).toStdU16String()) + u"min.png";
}

template <class T>
void LoadRadioImages(T& r, const char16_t* nr, const char16_t* ov, const char16_t* dn) {
  r.LoadNormalImage(nr);
  r.LoadHoverImage(ov);
  r.LoadSelectedImage(dn);
}

}  // namespace

void ControlFactory::Create(int group, const ControlSpec& spec, const CRect& design) const {
  const float s = gui_.SkinScale;
  const std::u16string caption = spec.text >= 0 ? app_.Language.Text(spec.text) : std::u16string();
  for (int n = 0; n < spec.count; ++n) {
    const unsigned id = spec.id + static_cast<unsigned>(n);
    const CRect r = ScaledRect(s, client_, design.left + n * spec.dx, design.top + n * spec.dy,
                               design.right + n * spec.dx, design.bottom + n * spec.dy);
    std::unique_ptr<CControlBase> c;
    switch (spec.kind) {
      case ControlKind::Label:
        c = std::make_unique<CStaticText>(&dlg_, id, r, caption, spec.colour, spec.format | DT_SINGLELINE);
        break;
      case ControlKind::Value:
        c = std::make_unique<CStaticText>(&dlg_, id, r, caption, kTextWhite, DT_RIGHT | DT_SINGLELINE);
        break;
      case ControlKind::PollingLabel:
        c = std::make_unique<CStaticText>(&dlg_, id, r, std::u16string(PollingRateOf(spec.param + n).ReportName),
                                          spec.colour, DT_LEFT | DT_SINGLELINE);
        break;
      case ControlKind::Picture:
      case ControlKind::Track: {
        auto p = std::make_unique<CStaticImage>(&dlg_, id, r, u"");
        p->LoadStripImage(spec.kind == ControlKind::Track ? u"skins\\Slider_bar.png" : spec.nr);
        c = std::move(p);
        break;
      }
      case ControlKind::Button: {
        auto b = std::make_unique<CImageButton>(&dlg_, id, r, caption, spec.format);
        b->LoadNormalImage(spec.nr);
        b->LoadHoverImage(spec.ov);
        b->SetCaptionMargins(Scaled(s, spec.margin), Scaled(s, spec.margin ? 24 : 0));
        c = std::move(b);
        break;
      }
      case ControlKind::Link:
        c = std::make_unique<CLinkButton>(&dlg_, id, r, caption, spec.format);
        break;
      case ControlKind::CheckBox: {
        auto b = std::make_unique<CCheckButton>(&dlg_, id, r, u"", DT_LEFT);
        b->LoadNormalImage(u"skins\\check_nr.png");
        b->LoadHoverImage(u"skins\\check_ov.png");
        b->LoadCheckedImage(u"skins\\check_dn.png");
        c = std::move(b);
        break;
      }
      case ControlKind::Header: {
        // Closed: the plain band with its chevron; open: the band with the accent edge.
        auto b = std::make_unique<CCheckButton>(&dlg_, id, r, caption, DT_LEFT);
        b->LoadNormalImage(u"skins\\header_nr.png");
        b->LoadHoverImage(u"skins\\header_ov.png");
        b->LoadCheckedImage(u"skins\\header2_ov.png");
        b->SetCaptionMargins(Scaled(s, 12), Scaled(s, 30));
        b->SetTextColors(kTextGrey, kTextWhite, kTextWhite);
        c = std::move(b);
        break;
      }
      case ControlKind::Radio: {
        auto b = std::make_unique<CRadioButton>(&dlg_, id, r, u"");
        LoadRadioImages(*b, u"skins\\radio_nr.png", u"skins\\radio_ov.png", u"skins\\radio_dn.png");
        c = std::move(b);
        break;
      }
      case ControlKind::ImageRadio: {
        auto b = std::make_unique<CRadioButton>(&dlg_, id, r, u"");
        const auto& pic = kPollingPictures[std::clamp(n, 0, 3)];
        LoadRadioImages(*b, pic[0], pic[0], pic[1]);
        c = std::move(b);
        break;
      }
      case ControlKind::DpiRadio: {
        auto b = std::make_unique<CDPIRadioButton>(&dlg_, id, r, u"");
        LoadRadioImages(*b, u"skins\\check_button_dpi_nr.png", u"skins\\check_button_dpi_ov.png",
                        u"skins\\check_button_dpi_dn.png");
        c = std::move(b);
        break;
      }
      case ControlKind::Combo: {
        auto b = std::make_unique<CComboButton>(&dlg_, static_cast<unsigned>(spec.param), id, r, u"", DT_LEFT, u"");
        b->LoadNormalImage(u"skins\\combo2_nr.png");
        b->LoadHoverImage(u"skins\\combo2_ov.png");
        b->SetCaptionMargins(Scaled(s, 8), Scaled(s, 22));
        c = std::move(b);
        break;
      }
      case ControlKind::Slider: {
        auto b = std::make_unique<CSliderControl>(&dlg_, id, r, u"", spec.param, Scaled(s, 8), Scaled(s, 8));
        b->LoadThumbImage(u"skins\\Slider_Circle.png");
        c = std::move(b);
        break;
      }
      case ControlKind::VSlider: {
        auto b = std::make_unique<CVerticalSliderControl>(&dlg_, id, r, u"", std::max(1, app_.Dpi.DpiStepCount), 0, 0);
        b->LoadEmptyImage(u"skins\\mouse\\dpi_bar_1.png");
        b->LoadFillImage(u"skins\\mouse\\dpi_bar_2.png");
        c = std::move(b);
        break;
      }
      case ControlKind::Swatch:
        c = std::make_unique<CColorSelectButton>(&dlg_, id, r, u"", r);
        break;
      case ControlKind::SwatchCheck: {
        auto b = std::make_unique<CColorSelectCheckButton>(&dlg_, id, r, u"", CRect{});
        b->LoadNormalImage(u"skins\\color_select_nr.png");
        b->LoadCheckedImage(u"skins\\color_select_check.png");
        c = std::move(b);
        break;
      }
      case ControlKind::Tab: {
        auto b = std::make_unique<CTabControl>(&dlg_, id, r, app_.Profiles[n].ProfileName(), DT_CENTER);
        b->LoadNormalImage(u"skins\\profile_slot_nr.png");
        b->LoadHoverImage(u"skins\\profile_slot_ov.png");
        b->LoadSelectedImage(u"skins\\profile_slot_nr2.png");
        b->LoadSelectedHoverImage(u"skins\\profile_slot_ov2.png");
        b->SetCaptionMargins(Scaled(s, 8), Scaled(s, 8));
        c = std::move(b);
        break;
      }
      case ControlKind::Battery: {
        auto b = std::make_unique<CBattery>(&dlg_, id, r, u"");
        b->LoadEmptyImage(u"skins\\battery_empty.png");
        b->LoadFillImage(u"skins\\battery_green.png");
        b->LoadChargingFillImage(u"skins\\battery_charging.png");
        b->LoadChargingSymbolImage(u"skins\\battery_lighting.png");
        c = std::move(b);
        break;
      }
      case ControlKind::Power: {
        auto b = std::make_unique<CPowerManageButton>(&dlg_, id, r, u"", 0);
        for (int level = 1; level <= 8; ++level) b->LoadLevelImage(level, PowerPicture(level));
        c = std::move(b);
        break;
      }
    }
    c->SetVisible(spec.visible);
    c->SetShow(spec.shown);
    dlg_.AddControl(group, std::move(c));
  }
}

}  // namespace corvane
