// The main window's controls, reduced to the window buttons and the connection warning.
// The full layout of the settings sections replaces this file.
#include "app/MainWindowLayout.h"

#include "lang/LanguageEntries.h"
#include "skin/CDlgBase.h"
#include "skin/CImageButton.h"
#include "skin/CStaticText.h"
#include "skin/DrawTextW.h"
#include "skin/GuiState.h"
#include "skin/SkinScaling.h"

namespace corvane {

namespace {

constexpr unsigned kIdMainClose = 2001;
constexpr unsigned kIdMainHide = 2002;
constexpr unsigned kIdMainHide2 = 2048;
constexpr unsigned kIdMainWarning = 3024;
constexpr COLORREF kWarningColour = 0x000000FF;

CImageButton* AddImageButton(CDlgBase& dlg, GuiState& gui, const CRect& client, unsigned id, int left, int top,
                             std::u16string_view normal, std::u16string_view hover) {
  auto b = std::make_unique<CImageButton>(&dlg, id, ScaledRect(gui.SkinScale, client, left, top, left + 18, top + 18),
                                          u"", DT_CENTER);
  b->LoadNormalImage(normal);
  b->LoadHoverImage(hover);
  return dlg.AddControl(0, std::move(b));
}

}  // namespace

void CreateMainWindowControls(CDlgBase& dlg, AppContext&, GuiState& gui, const CRect& client) {
  AddImageButton(dlg, gui, client, kIdMainClose, 1098, 10, u"skins\\exit_nr.png", u"skins\\exit_ov.png");
  AddImageButton(dlg, gui, client, kIdMainHide, 1072, 10, u"skins\\min_nr.png", u"skins\\min_ov.png");
  CImageButton* hide2 =
      AddImageButton(dlg, gui, client, kIdMainHide2, 1046, 10, u"skins\\min_nr.png", u"skins\\min_ov.png");
  hide2->SetShow(false);
  auto warning = std::make_unique<CStaticText>(&dlg, kIdMainWarning, ScaledRect(gui.SkinScale, client, 400, 10, 1000, 30),
                                               gui.Language.Text(kTextReceiverNotLinked), kWarningColour,
                                               DT_CENTER | DT_VCENTER | DT_SINGLELINE, true, false);
  dlg.AddControl(0, std::move(warning));
}

void ShowCurrentProfile(CDlgBase& dlg, AppContext&, GuiState&) { dlg.update(); }

bool OnSectionHeader(CDlgBase&, GuiState&, unsigned) { return false; }

}  // namespace corvane
