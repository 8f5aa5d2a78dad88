#pragma once
// The main window's controls: where each one sits on the 1127 x 740 design canvas, the nine
// collapsible settings sections, and how the controls show the current profile. The
// window (CCorvaneDlg) creates them from InitUI and calls ShowCurrentProfile whenever the
// profile or the configuration changed; command handlers only add to its message map.
#include "app/MainWindowSections.h"
#include "skin/SkinTypes.h"

namespace corvane {

class CDlgBase;
struct AppContext;
struct GuiState;

// Creates every control of the main window on dlg, at design coordinates relative to
// client's top-left corner (the toolkit scales them by gui.SkinScale). Group 0 holds the
// controls that are always there and the section headers, group 1 + i the controls of
// section i. The sections and tabs are placed later from the window's own origin, which
// is the client's corner of every CDlgBase.
void CreateMainWindowControls(CDlgBase& dlg, AppContext& app, GuiState& gui, const CRect& client);

// Sets the profile tabs and every control from the configuration and the current profile.
void ShowCurrentProfile(CDlgBase& dlg, AppContext& app, GuiState& gui);

// A section header (ids of the nine headers) was clicked: opens or closes sections as the
// header rules say and moves the controls below. True when id is a section header.
bool OnSectionHeader(CDlgBase& dlg, GuiState& gui, unsigned id);
// The same, then ShowCurrentProfile, as every header click ends.
bool OnSectionHeader(CDlgBase& dlg, AppContext& app, GuiState& gui, unsigned id);

// The main window's design size.
constexpr int kMainDesignWidth = 1127;
constexpr int kMainDesignHeight = 740;

// The open state of each section as its header shows it.
SectionStates SectionOpenStates(const CDlgBase& dlg);
// Checks the headers as given, then places the sections down the page: a closed section
// hides its controls, an open one shows them, and the sections below follow without a gap.
void ApplySectionStates(CDlgBase& dlg, const SectionStates& open);

}  // namespace corvane
