#include "widgets/CMultimediaPopup.h"

namespace corvane {

namespace {
constexpr PopupTableEntry kItems[] = {
    {1, 45, {0x80, 0x83, 0x01}},
    {2, 46, {0x80, 0xB6, 0x00}},
    {3, 47, {0x80, 0xB5, 0x00}},
    {4, 48, {0x80, 0xB7, 0x00}},
    {5, 49, {0x80, 0xCD, 0x00}},
    {6, 50, {0x80, 0xE2, 0x00}},
    {7, 51, {0x80, 0xE9, 0x00}},
    {8, 52, {0x80, 0xEA, 0x00}},
    {9, 53, {0x80, 0x8A, 0x01}},
    {10, 54, {0x80, 0x92, 0x01}},
};
}  // namespace

CMultimediaPopup::CMultimediaPopup(GuiState& gui, const Images& images)
    : CTablePopup(gui, kKind, 162, kItems, images) {}

}  // namespace corvane
