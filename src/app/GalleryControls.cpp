// The control families of the gallery, each in its states.
#include <memory>

#include "app/Gallery.h"
#include "app/GalleryCanvas.h"
#include "lang/LanguageEntries.h"
#include "session/AppContext.h"
#include "settings/MacroItem.h"
#include "skin/CBattery.h"
#include "skin/CCheckButton.h"
#include "skin/CColorSelectButton.h"
#include "skin/CColorSelectCheckButton.h"
#include "skin/CComboButton.h"
#include "skin/CDPIRadioButton.h"
#include "skin/CImageButton.h"
#include "skin/CLinkButton.h"
#include "skin/CPowerManageButton.h"
#include "skin/CRadioButton.h"
#include "skin/CSliderControl.h"
#include "skin/CStaticImage.h"
#include "skin/CStaticProgressBar.h"
#include "skin/CStaticText.h"
#include "skin/CTabControl.h"
#include "skin/CVScrollBar.h"
#include "skin/CVerticalSliderControl.h"
#include "skin/DrawTextW.h"
#include "skin/GuiState.h"
#include "skin/SkinScaling.h"
#include "widgets/CEditShowList.h"
#include "widgets/CImageShowList.h"

namespace corvane {

namespace {

const char* const kStateNames[] = {"normal", "hover", "pressed", "disabled"};

void Buttons(GuiState& gui, const GallerySink& sink) {
  GalleryCanvas c(gui, 420, 110);
  for (int i = 0; i < 4; ++i) {
    const int x = 15 + i * 100;
    auto b = std::make_unique<CImageButton>(&c, 2010 + i, c.Design(x, 15, x + 69, 35), gui.Language.Text(kTextOk),
                                            DT_CENTER);
    b->LoadNormalImage(u"skins\\button2_nr.png");
    b->LoadHoverImage(u"skins\\button2_ov.png");
    b->SetState(i < 3 ? i : 0);
    b->SetDisabled(i == 3);
    c.AddControl(0, std::move(b));
    auto w = std::make_unique<CImageButton>(&c, 2100 + i, c.Design(x, 50, x + 90, 76),
                                            gui.Language.Text(kTextCancel), DT_CENTER);
    w->LoadNormalImage(u"skins\\button1_nr.png");
    w->LoadHoverImage(u"skins\\button1_ov.png");
    w->SetState(i < 3 ? i : 0);
    c.AddControl(0, std::move(w));
    auto x1 = std::make_unique<CImageButton>(&c, 2004, c.Design(x + 72, 17, x + 87, 32), u"", DT_CENTER);
    x1->LoadNormalImage(u"skins\\exit_nr.png");
    x1->LoadHoverImage(u"skins\\exit_ov.png");
    x1->SetState(i < 3 ? i : 0);
    c.AddControl(0, std::move(x1));
    c.AddLabel(x, 85, x + 90, 100, kStateNames[i]);
  }
  sink("buttons-CImageButton", c.Render());
}

void Checks(GuiState& gui, const GallerySink& sink) {
  GalleryCanvas c(gui, 420, 100);
  const char* names[] = {"unchecked", "hover", "pressed", "checked"};
  for (int i = 0; i < 4; ++i) {
    const int x = 15 + i * 100;
    auto b = std::make_unique<CCheckButton>(&c, 3100 + i, c.Design(x, 15, x + 90, 41),
                                            gui.Language.Text(kTextLightOnMovement), DT_CENTER);
    b->LoadNormalImage(u"skins\\button1_nr.png");
    b->LoadHoverImage(u"skins\\button1_ov.png");
    b->LoadCheckedImage(u"skins\\button1_ov.png");
    b->SetState(i < 3 ? i : 0);
    b->SetChecked(i == 3);
    c.AddControl(0, std::move(b));
    auto box = std::make_unique<CCheckButton>(&c, 3200 + i, c.Design(x + 37, 50, x + 53, 66), u"", DT_CENTER);
    box->LoadNormalImage(u"skins\\check_nr.png");
    box->LoadHoverImage(u"skins\\check_ov.png");
    box->LoadCheckedImage(u"skins\\check_dn.png");
    box->SetState(i < 3 ? i : 0);
    box->SetChecked(i == 3);
    c.AddControl(0, std::move(box));
    c.AddLabel(x, 75, x + 90, 90, names[i]);
  }
  sink("check-CCheckButton", c.Render());
}

void Radios(GuiState& gui, const GallerySink& sink) {
  GalleryCanvas c(gui, 420, 110);
  gui.RadioSelection = 0x002802A0;  // 3033 selected among the polling rates
  const char16_t* rates[] = {u"skins\\125hz", u"skins\\250hz", u"skins\\500hz", u"skins\\1000hz"};
  for (int i = 0; i < 4; ++i) {
    const int x = 15 + i * 100;
    auto r = std::make_unique<CRadioButton>(&c, 3030 + i, c.Design(x, 15, x + 64, 39), u"");
    const std::u16string base = rates[i];
    r->LoadNormalImage(base + u"_nr.png");
    r->LoadHoverImage(base + u"_nr.png");
    r->LoadSelectedImage(base + u"_dn.png");
    c.AddControl(0, std::move(r));
  }
  const char* names[] = {"normal", "hover", "pressed", "selected"};
  for (int i = 0; i < 4; ++i) {
    const int x = 15 + i * 100;
    // Lift-off radios 2031..2033 plus one of the sensor pair to show the selected frame.
    const unsigned id = i < 3 ? 2031 + i : 3501;
    auto r = std::make_unique<CRadioButton>(&c, id, c.Design(x + 37, 55, x + 53, 71), u"");
    r->LoadNormalImage(u"skins\\radio_nr.png");
    r->LoadHoverImage(u"skins\\radio_ov.png");
    r->LoadSelectedImage(u"skins\\radio_dn.png");
    if (i < 3) r->SetState(i);
    c.AddControl(0, std::move(r));
    c.AddLabel(x, 80, x + 90, 95, names[i]);
  }
  gui.RadioSelection &= ~0x0000E000u;
  sink("radio-CRadioButton", c.Render());
  gui.RadioSelection = 0x002802A0;
}

void DpiRadios(GuiState& gui, const GallerySink& sink) {
  GalleryCanvas c(gui, 520, 80);
  gui.DpiRadioSelection = SelectDpiLevels(2, 3);
  const int dpi[] = {8, 16, 32, 48, 64, 80, 96, 128};
  for (int k = 0; k < 8; ++k) {
    const int x = 10 + k * 63;
    auto r = std::make_unique<CDPIRadioButton>(&c, kDpiRadioFirstId + k, c.Design(x, 15, x + 60, 55), u"");
    r->LoadNormalImage(u"skins\\check_button_dpi_nr.png");
    r->LoadHoverImage(u"skins\\check_button_dpi_ov.png");
    r->LoadSelectedImage(u"skins\\check_button_dpi_dn.png");
    r->SetDpiValue(dpi[k]);
    if (k == 5) r->SetState(1);
    c.AddControl(0, std::move(r));
  }
  c.AddLabel(10, 60, 510, 75, "levels 1-4 selected, level 6 hovered");
  sink("dpiradio-CDPIRadioButton", c.Render());
  gui.DpiRadioSelection = 2;
}

void Links(GuiState& gui, const GallerySink& sink) {
  GalleryCanvas c(gui, 420, 60);
  for (int i = 0; i < 3; ++i) {
    const int x = 15 + i * 130;
    auto l = std::make_unique<CLinkButton>(&c, 0, c.Design(x, 10, x + 120, 30), gui.Language.Text(kTextMainTitle),
                                           DT_CENTER);
    l->SetState(i);
    c.AddControl(0, std::move(l));
    c.AddLabel(x, 35, x + 120, 50, kStateNames[i]);
  }
  sink("link-CLinkButton", c.Render());
}

void Combos(GuiState& gui, const GallerySink& sink) {
  GalleryCanvas c(gui, 420, 130);
  const char* names[] = {"normal", "hover", "popup open", "disabled caption"};
  for (int i = 0; i < 4; ++i) {
    const int col = i % 2, row = i / 2;
    const int x = 15 + col * 205, y = 10 + row * 55;
    auto b = std::make_unique<CComboButton>(&c, 1100, 2060 + i, c.Design(x, y, x + 189, y + 26), u"", DT_CENTER,
                                            gui.Language.Text(kTextLeftClick));
    b->LoadNormalImage(u"skins\\combo3_nr.png");
    b->LoadHoverImage(u"skins\\combo3_ov.png");
    b->SetCaptionMargins(0, Scaled(gui.SkinScale, 16));
    if (i == 1) b->SetState(1);
    if (i == 2) b->SetPopupOpen(true);
    if (i == 3) b->SetDisabledCaption(true);
    c.AddControl(0, std::move(b));
    c.AddLabel(x, y + 30, x + 189, y + 45, names[i]);
  }
  sink("combo-CComboButton", c.Render());
}

void Colours(GuiState& gui, const GallerySink& sink) {
  GalleryCanvas c(gui, 420, 70);
  const COLORREF colours[] = {0x000000FF, 0x0000FF00, 0x00FF0000, 0x00DEA035};
  for (int i = 0; i < 4; ++i) {
    const int x = 20 + i * 100;
    auto s = std::make_unique<CColorSelectButton>(&c, 3300 + i, c.Design(x, 15, x + 30, 45), u"",
                                                  c.Design(x, 15, x + 30, 45));
    s->SetColor(colours[i]);
    c.AddControl(0, std::move(s));
    auto k = std::make_unique<CColorSelectCheckButton>(&c, 3310 + i, c.Design(x + 45, 15, x + 75, 45), u"", CRect{});
    k->LoadNormalImage(u"skins\\color_select_nr.png");
    k->LoadCheckedImage(u"skins\\color_select_check.png");
    k->SetColor(colours[i]);
    k->SetChecked(i == 1 ? 1 : 0);
    c.AddControl(0, std::move(k));
  }
  c.AddLabel(10, 50, 410, 65, "swatch | frame (second checked)");
  sink("colour-CColorSelectButton", c.Render());
}

void PowerDials(GuiState& gui, const GallerySink& sink) {
  GalleryCanvas c(gui, 600, 210);
  for (int level = 1; level <= 8; ++level) {
    const int col = (level - 1) % 4, row = (level - 1) / 4;
    const int x = 10 + col * 148, y = 10 + row * 100;
    auto d = std::make_unique<CPowerManageButton>(&c, 0, c.Design(x, y, x + 137, y + 75), u"", 0);
    for (int l = 1; l <= 8; ++l)
      d->LoadLevelImage(l, u"skins\\power_manage_" + std::u16string(QString::number(l + 2).toStdU16String()) +
                               u"min.png");
    d->SetLevel(level);
    c.AddControl(0, std::move(d));
    c.AddLabel(x, y + 78, x + 137, y + 93, QString("level %1").arg(level));
  }
  sink("power-CPowerManageButton", c.Render());
}

void Sliders(GuiState& gui, const GallerySink& sink) {
  GalleryCanvas c(gui, 420, 120);
  const int stops[] = {0, 2, 4};
  for (int i = 0; i < 3; ++i) {
    const int y = 10 + i * 35;
    c.AddBackdrop(c.Design(20, y + 5, 320, y + 11), u"skins\\Slider_bar.png");
    const int fill = 20 + 300 * stops[i] / 4;
    if (fill > 20) c.AddBackdrop(c.Design(20, y + 5, fill, y + 11), u"skins\\Slider_bar2.png");
    const float s = gui.SkinScale;
    auto sl = std::make_unique<CSliderControl>(&c, 3400 + i, c.Design(12, y, 328, y + 16), u"", 5, Scaled(s, 8),
                                               Scaled(s, 8));
    sl->LoadThumbImage(u"skins\\Slider_Circle.png");
    sl->SetCurrentStop(stops[i]);
    c.AddControl(0, std::move(sl));
    c.AddLabel(330, y, 410, y + 16, QString("stop %1 of 5").arg(stops[i] + 1));
  }
  sink("slider-CSliderControl", c.Render());
}

void VerticalBars(GuiState& gui, const GallerySink& sink) {
  GalleryCanvas c(gui, 420, 170);
  const int values[] = {0, 5, 15};
  for (int i = 0; i < 3; ++i) {
    const int x = 30 + i * 70;
    auto v = std::make_unique<CVerticalSliderControl>(&c, 3410 + i, c.Design(x, 10, x + 14, 130), u"", 16, 0, 0);
    v->LoadEmptyImage(u"skins\\mouse\\dpi_bar_1.png");
    v->LoadFillImage(u"skins\\mouse\\dpi_bar_2.png");
    v->SetValue(values[i]);
    c.AddControl(0, std::move(v));
    c.AddLabel(x - 25, 135, x + 40, 150, QString("value %1").arg(values[i]));
  }
  auto d = std::make_unique<CDPIValueShowControl>(&c, 3420, c.Design(280, 10, 294, 130), u"", 8, 0, 0);
  d->LoadEmptyImage(u"skins\\mouse\\dpi_bar_1.png");
  d->LoadFillImage(u"skins\\mouse\\dpi_bar_2.png");
  d->SetValue(3);
  c.AddControl(0, std::move(d));
  c.AddLabel(240, 135, 340, 150, "DPI level 4 of 8");
  c.AddLabel(10, 152, 220, 167, "vertical slider, 16 steps");
  sink("vslider-CVerticalSliderControl", c.Render());
}

void ScrollBars(GuiState& gui, const GallerySink& sink) {
  GalleryCanvas c(gui, 300, 170);
  const int pos[] = {0, 40, 80};
  for (int i = 0; i < 3; ++i) {
    const int x = 30 + i * 90;
    auto s = std::make_unique<CVScrollBar>(&c, 3430 + i, c.Design(x, 10, x + 14, 140), u"");
    s->SetScrollState(pos[i], 20, 100);
    if (i == 1) s->OnMouseMove(0, s->ThumbRect().left + 1, s->ThumbRect().top + 1);
    c.AddControl(0, std::move(s));
    c.AddLabel(x - 30, 145, x + 44, 160, i == 1 ? "hot thumb" : QString("at %1%").arg(pos[i]));
  }
  sink("scrollbar-CVScrollBar", c.Render());
}

void Batteries(GuiState& gui, const GallerySink& sink) {
  GalleryCanvas c(gui, 420, 100);
  struct Sample {
    int mode, level;
    const char16_t* fill;
    const char* label;
  };
  const Sample samples[] = {{0, 100, u"skins\\battery_green.png", "100%"}, {0, 50, u"skins\\battery_green.png", "50%"},
                            {0, 15, u"skins\\battery_orange.png", "15%"},  {0, 1, u"skins\\battery_red.png", "1%"},
                            {1, 60, u"skins\\battery_green.png", "charging"}, {2, 100, u"skins\\battery_full.png", "full"}};
  for (int i = 0; i < 6; ++i) {
    const int x = 20 + i * 66;
    auto b = std::make_unique<CBattery>(&c, 0, c.Design(x, 8, x + 28, 72), u"");
    b->LoadEmptyImage(u"skins\\battery_empty.png");
    b->LoadFillImage(samples[i].fill);
    b->LoadChargingFillImage(u"skins\\battery_charging.png");
    b->LoadChargingSymbolImage(u"skins\\battery_lighting.png");
    b->SetMode(samples[i].mode);
    b->SetLevel(static_cast<std::uint8_t>(samples[i].level));
    b->SetChargingLevel(static_cast<std::uint8_t>(samples[i].level));
    c.AddControl(0, std::move(b));
    c.AddLabel(x - 18, 78, x + 46, 93, samples[i].label);
  }
  sink("battery-CBattery", c.Render());
}

void ProgressBars(GuiState& gui, const GallerySink& sink) {
  GalleryCanvas c(gui, 420, 100);
  const int values[] = {10, 50, 100};
  for (int i = 0; i < 3; ++i) {
    const int y = 8 + i * 30;
    auto p = std::make_unique<CStaticProgressBar>(&c, 0, c.Design(20, y, 370, y + 8), u"");
    p->LoadBackgroundImage(u"skins\\progress_bar_nr.png");
    p->LoadFillImage(u"skins\\progress_bar_ov.png");
    p->SetValue(values[i]);
    c.AddControl(0, std::move(p));
    c.AddLabel(20, y + 9, 200, y + 24, QString("%1 of 100").arg(values[i]));
  }
  sink("progressbar-CStaticProgressBar", c.Render());
}

void Statics(GuiState& gui, const GallerySink& sink) {
  GalleryCanvas c(gui, 420, 130);
  c.AddControl(0, std::make_unique<CStaticText>(&c, 3440, c.Design(10, 10, 410, 30), gui.Language.Text(kTextMainTitle),
                                                kTextGrey, DT_LEFT));
  c.AddControl(0, std::make_unique<CStaticText>(&c, 3441, c.Design(10, 32, 410, 70),
                                                gui.Language.Text(kTextResetConfirm), kTextWhite,
                                                DT_CENTER | DT_WORDBREAK));
  auto logo = std::make_unique<CStaticImage>(&c, 3442, c.Design(10, 80, 190, 120), u"");
  logo->LoadStripImage(u"skins\\Logo pic.png");
  c.AddControl(0, std::move(logo));
  const char16_t* icons[] = {u"skins\\Status_Wired.png", u"skins\\Status_Wireless.png", u"skins\\Status_BLE.png"};
  for (int i = 0; i < 3; ++i) {
    auto icon = std::make_unique<CStaticImage>(&c, 3443 + i, c.Design(230 + i * 40, 88, 254 + i * 40, 112), u"");
    icon->LoadStripImage(icons[i]);
    c.AddControl(0, std::move(icon));
  }
  sink("static-CStaticText-CStaticImage", c.Render());
}

void Tabs(const ProfileTable& profiles, GuiState& gui, const GallerySink& sink) {
  GalleryCanvas c(gui, 420, 215);
  gui.ProfileTabIndex = 1;
  for (int i = 0; i < 5; ++i) {
    const int y = 10 + i * 36;
    auto t = std::make_unique<CTabControl>(&c, 2049 + i, c.Design(20, y, 200, y + 30), profiles[i].ProfileName(),
                                           DT_CENTER);
    t->LoadNormalImage(u"skins\\profile_slot_nr.png");
    t->LoadHoverImage(u"skins\\profile_slot_ov.png");
    t->LoadSelectedImage(u"skins\\profile_slot_nr2.png");
    t->LoadSelectedHoverImage(u"skins\\profile_slot_ov2.png");
    if (i == 3) t->SetState(1);
    c.AddControl(0, std::move(t));
  }
  c.AddLabel(210, 46, 410, 60, "selected");
  c.AddLabel(210, 118, 410, 132, "hover");
  gui.PageTabIndex = 0;
  auto page = std::make_unique<CTabControl>(&c, 3001, c.Design(220, 10, 400, 40), gui.Language.Text(kTextMainTitle),
                                            DT_CENTER);
  page->LoadNormalImage(u"skins\\header_nr.png");
  page->LoadHoverImage(u"skins\\header_ov.png");
  page->LoadSelectedImage(u"skins\\header_ov.png");
  c.AddControl(0, std::move(page));
  sink("tabs-CTabControl", c.Render());
  gui.ProfileTabIndex = 0;
}

void Lists(MacroLibrary& macros, GuiState& gui, const GallerySink& sink) {
  GalleryCanvas c(gui, 420, 150);
  auto tree = std::make_unique<CEditShowList>(&c, macros, 0, c.Design(10, 10, 190, 140), u"");
  tree->LoadFolderOpenImage(u"skins\\foldr_open.png");
  tree->LoadFolderClosedImage(u"skins\\foldr_close.png");
  tree->SyncSelection();
  c.AddControl(0, std::move(tree));
  static MacroItem sample(u"Sample");
  sample.MacroActionNum = 0;
  sample.InsertAction(0, MakeKeyStep(0x41, false));
  sample.InsertAction(1, MakeDelayStep(120));
  sample.InsertAction(2, MakeKeyStep(0x41, true));
  sample.InsertAction(3, MakeMotionStep(kMacroMoveX, 5));
  sample.InsertAction(4, MakeMotionStep(kMacroWheel, -2));
  auto steps = std::make_unique<CImageShowList>(&c, 0, c.Design(210, 10, 392, 140), u"");
  steps->LoadKeyDownImage(u"skins\\macro_down.png");
  steps->LoadKeyUpImage(u"skins\\macro_up.png");
  steps->LoadDelayImage(u"skins\\macro_time.png");
  steps->SetMacroItem(&sample);
  steps->SetSelectedRow(1);
  c.AddControl(0, std::move(steps));
  auto bar = std::make_unique<CVScrollBar>(&c, 3450, c.Design(394, 10, 408, 140), u"");
  bar->SetScrollState(0, 6, 5);
  c.AddControl(0, std::move(bar));
  sink("lists-CEditShowList-CImageShowList", c.Render());
}

}  // namespace

void RenderControlPages(AppContext& ctx, GuiState& gui, const GallerySink& sink) {
  Buttons(gui, sink);
  Checks(gui, sink);
  Radios(gui, sink);
  DpiRadios(gui, sink);
  Links(gui, sink);
  Combos(gui, sink);
  Colours(gui, sink);
  PowerDials(gui, sink);
  Sliders(gui, sink);
  VerticalBars(gui, sink);
  ScrollBars(gui, sink);
  Batteries(gui, sink);
  ProgressBars(gui, sink);
  Statics(gui, sink);
  Tabs(ctx.Profiles, gui, sink);
  Lists(ctx.Macros, gui, sink);
}

}  // namespace corvane
