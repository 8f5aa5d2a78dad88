#include "widgets/CWindowsManagePopup.h"

#include "widgets/ButtonMenuRows.h"

namespace corvane {

CWindowsManagePopup::CWindowsManagePopup(GuiState& gui, const Images& images)
    : CTablePopup(gui, kKind, 162, SubmenuRows(ButtonSubmenu::Window), images) {}

}  // namespace corvane
