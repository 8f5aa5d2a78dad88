#pragma once
// The main window's controls: where each one sits on the 1127 x 740 design canvas, the nine
// collapsible settings sections, and how the controls show the current profile. The
// window (CCorvaneDlg) creates them from InitUI and calls ShowCurrentProfile whenever the
// profile or the configuration changed; command handlers only add to its message map.
#include "skin/SkinTypes.h"

namespace corvane {

class CDlgBase;
struct AppContext;
struct GuiState;

// Creates every control of the main window on dlg, at design coordinates relative to
// client's top-left corner (the toolkit scales them by gui.SkinScale).
void CreateMainWindowControls(CDlgBase& dlg, AppContext& app, GuiState& gui, const CRect& client);

// Sets the profile tabs and every control from the configuration and the current profile.
void ShowCurrentProfile(CDlgBase& dlg, AppContext& app, GuiState& gui);

// A section header (ids of the nine headers) was clicked: opens or closes sections as the
// header rules say and moves the controls below. True when id is a section header.
bool OnSectionHeader(CDlgBase& dlg, GuiState& gui, unsigned id);

}  // namespace corvane
