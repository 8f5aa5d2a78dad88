#include "widgets/COfficePopup.h"

#include "widgets/ButtonMenuRows.h"

namespace corvane {

COfficePopup::COfficePopup(GuiState& gui, const Images& images)
    : CTablePopup(gui, kKind, 162, SubmenuRows(ButtonSubmenu::Office), images) {}

}  // namespace corvane
