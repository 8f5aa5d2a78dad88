#include "widgets/CMultimediaPopup.h"

#include "widgets/ButtonMenuRows.h"

namespace corvane {

CMultimediaPopup::CMultimediaPopup(GuiState& gui, const Images& images)
    : CTablePopup(gui, kKind, 162, SubmenuRows(ButtonSubmenu::Multimedia), images) {}

}  // namespace corvane
