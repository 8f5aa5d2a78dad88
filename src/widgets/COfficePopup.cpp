#include "widgets/COfficePopup.h"

#include "lang/LanguageEntries.h"

namespace corvane {

namespace {
constexpr PopupTableEntry kItems[] = {
    {1, kTextOfficeFirst + 0, {0x70, 0x01, 0x06}},
    {2, kTextOfficeFirst + 1, {0x70, 0x01, 0x19}},
    {3, kTextOfficeFirst + 2, {0x70, 0x01, 0x1B}},
    {4, kTextOfficeFirst + 3, {0x70, 0x01, 0x04}},
    {5, kTextOfficeFirst + 4, {0x70, 0x01, 0x11}},
    {6, kTextOfficeFirst + 5, {0x70, 0x01, 0x16}},
    {7, kTextOfficeFirst + 6, {0x70, 0x01, 0x13}},
    {8, kTextOfficeFirst + 7, {0x70, 0x08, 0x08}},
    {9, kTextOfficeFirst + 8, {0x70, 0x01, 0x1D}},
};
}  // namespace

COfficePopup::COfficePopup(GuiState& gui, const Images& images)
    : CTablePopup(gui, kKind, 162, kItems, images) {}

}  // namespace corvane
