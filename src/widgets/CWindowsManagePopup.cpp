#include "widgets/CWindowsManagePopup.h"

#include "lang/LanguageEntries.h"

namespace corvane {

namespace {
constexpr PopupTableEntry kItems[] = {
    {1, kTextWindowControlFirst + 0, {0x80, 0x94, 0x01}},
    {2, kTextWindowControlFirst + 1, {0x70, 0x04, 0x3D}},
    {3, kTextWindowControlFirst + 2, {0x70, 0x08, 0x07}},
    {4, kTextWindowControlFirst + 3, {0x70, 0x08, 0x15}},
    {5, kTextWindowControlFirst + 4, {0x70, 0x08, 0x51}},
    {6, kTextWindowControlFirst + 5, {0x70, 0x08, 0x52}},
};
}  // namespace

CWindowsManagePopup::CWindowsManagePopup(GuiState& gui, const Images& images)
    : CTablePopup(gui, kKind, 162, kItems, images) {}

}  // namespace corvane
