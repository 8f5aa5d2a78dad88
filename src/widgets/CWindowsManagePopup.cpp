#include "widgets/CWindowsManagePopup.h"

namespace corvane {

namespace {
constexpr PopupTableEntry kItems[] = {
    {1, 75, {0x80, 0x94, 0x01}},
    {2, 76, {0x70, 0x04, 0x3D}},
    {3, 77, {0x70, 0x08, 0x07}},
    {4, 78, {0x70, 0x08, 0x15}},
    {5, 79, {0x70, 0x08, 0x51}},
    {6, 80, {0x70, 0x08, 0x52}},
};
}  // namespace

CWindowsManagePopup::CWindowsManagePopup(GuiState& gui, const Images& images)
    : CTablePopup(gui, kKind, 162, kItems, images) {}

}  // namespace corvane
