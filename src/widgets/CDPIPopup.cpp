#include "widgets/CDPIPopup.h"

namespace corvane {

namespace {
constexpr PopupTableEntry kItems[] = {
    {1, 40, {0x40, 0x02, 0x00}},
    {2, 41, {0x40, 0x03, 0x00}},
    {3, 42, {0x40, 0x01, 0x00}},
};
}  // namespace

CDPIPopup::CDPIPopup(GuiState& gui, const Images& images)
    : CTablePopup(gui, kKind, 162, kItems, images) {}

}  // namespace corvane
