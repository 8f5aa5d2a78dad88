#include "widgets/CComboLightingPopup.h"

namespace corvane {

namespace {
constexpr PopupTableEntry kItems[] = {
    {1, 100, {1, 0, 0}},
    {2, 101, {2, 0, 0}},
    {3, 102, {3, 0, 0}},
    {4, 103, {4, 0, 0}},
    {5, 104, {5, 0, 0}},
    {6, 105, {6, 0, 0}},
    {7, 106, {7, 0, 0}},
    {10, 109, {0, 0, 0}},
};
}  // namespace

CComboLightingPopup::CComboLightingPopup(GuiState& gui, const Images& images)
    : CTablePopup(gui, kKind, 189, kItems, images) {}

}  // namespace corvane
