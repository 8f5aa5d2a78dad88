#pragma once
// The program-wide table of open secondary windows (ten entries), closed together when
// the program closes or the last device goes away.
class QWidget;

namespace corvane {

struct GuiState;

// Puts the window into the first free entry; false when all ten are taken.
bool RegisterOpenPopup(GuiState& gui, QWidget* window);
// Clears the window's entry; the later entries move down by one.
void UnregisterOpenPopup(GuiState& gui, QWidget* window);
// Asks every registered window to close.
void CloseOpenPopups(GuiState& gui);

}  // namespace corvane
