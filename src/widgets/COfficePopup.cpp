#include "widgets/COfficePopup.h"

namespace corvane {

namespace {
constexpr PopupTableEntry kItems[] = {
    {1, 60, {0x70, 0x01, 0x06}},
    {2, 61, {0x70, 0x01, 0x19}},
    {3, 62, {0x70, 0x01, 0x1B}},
    {4, 63, {0x70, 0x01, 0x04}},
    {5, 64, {0x70, 0x01, 0x11}},
    {6, 65, {0x70, 0x01, 0x16}},
    {7, 66, {0x70, 0x01, 0x13}},
    {8, 67, {0x70, 0x08, 0x08}},
    {9, 68, {0x70, 0x01, 0x1D}},
};
}  // namespace

COfficePopup::COfficePopup(GuiState& gui, const Images& images)
    : CTablePopup(gui, kKind, 162, kItems, images) {}

}  // namespace corvane
