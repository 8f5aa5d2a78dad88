#pragma once
// The settings controls of the main window copied back into the current profile.
namespace corvane {

class CDlgBase;
struct GuiState;
struct ProfileRecord;

// Copies what the settings controls show into p, in this order: scroll by page, the
// five option checks, the power times, the four pointer sliders (a slider the window
// does not have leaves its setting alone), the current DPI level and the enabled levels,
// the lighting speed, brightness and direction (into the current mode and modes 0..7),
// acceleration, lift-off distance and key debounce. The level shown as current in the
// DPI section is the profile's own CurrentDPILevel: the DPI commands move it there, and
// this copy keeps it.
void CollectUiIntoProfile(const CDlgBase& dlg, const GuiState& gui, ProfileRecord& p);

}  // namespace corvane
