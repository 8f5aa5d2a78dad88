#include "widgets/CComboActionInsertPopup.h"

namespace corvane {

namespace {
constexpr PopupTableEntry kItems[] = {
    {1, 20, {0, 0, 0}},
    {2, 21, {1, 0, 0}},
    {3, 22, {2, 0, 0}},
    {4, 205, {3, 0, 0}},
    {5, 206, {4, 0, 0}},
    {6, 207, {5, 0, 0}},
    {7, 208, {6, 0, 0}},
    {8, 209, {7, 0, 0}},
    {9, 210, {8, 0, 0}},
};
}  // namespace

CComboActionInsertPopup::CComboActionInsertPopup(GuiState& gui, const Images& images)
    : CTablePopup(gui, kKind, 118, kItems, images) {}

}  // namespace corvane
