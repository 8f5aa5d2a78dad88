#include "widgets/CComboLightingPopup.h"

#include "lang/LanguageEntries.h"

namespace corvane {

namespace {
constexpr PopupTableEntry kItems[] = {
    {1, kTextLightingFirst + 0, {1, 0, 0}},
    {2, kTextLightingFirst + 1, {2, 0, 0}},
    {3, kTextLightingFirst + 2, {3, 0, 0}},
    {4, kTextLightingFirst + 3, {4, 0, 0}},
    {5, kTextLightingFirst + 4, {5, 0, 0}},
    {6, kTextLightingFirst + 5, {6, 0, 0}},
    {7, kTextLightingFirst + 6, {7, 0, 0}},
    {10, kTextLightingOff, {0, 0, 0}},
};
}  // namespace

CComboLightingPopup::CComboLightingPopup(GuiState& gui, const Images& images)
    : CTablePopup(gui, kKind, 189, kItems, images) {}

}  // namespace corvane
