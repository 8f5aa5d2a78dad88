#include "widgets/CDPIPopup.h"

#include "widgets/ButtonMenuRows.h"

namespace corvane {

CDPIPopup::CDPIPopup(GuiState& gui, const Images& images)
    : CTablePopup(gui, kKind, 162, SubmenuRows(ButtonSubmenu::Dpi), images) {}

}  // namespace corvane
