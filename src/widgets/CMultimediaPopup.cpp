#include "widgets/CMultimediaPopup.h"

#include "lang/LanguageEntries.h"

namespace corvane {

namespace {
constexpr PopupTableEntry kItems[] = {
    {1, kTextMultimediaFirst + 0, {0x80, 0x83, 0x01}},
    {2, kTextMultimediaFirst + 1, {0x80, 0xB6, 0x00}},
    {3, kTextMultimediaFirst + 2, {0x80, 0xB5, 0x00}},
    {4, kTextMultimediaFirst + 3, {0x80, 0xB7, 0x00}},
    {5, kTextMultimediaFirst + 4, {0x80, 0xCD, 0x00}},
    {6, kTextMultimediaFirst + 5, {0x80, 0xE2, 0x00}},
    {7, kTextMultimediaFirst + 6, {0x80, 0xE9, 0x00}},
    {8, kTextMultimediaFirst + 7, {0x80, 0xEA, 0x00}},
    {9, kTextMultimediaFirst + 8, {0x80, 0x8A, 0x01}},
    {10, kTextMultimediaFirst + 9, {0x80, 0x92, 0x01}},
};
}  // namespace

CMultimediaPopup::CMultimediaPopup(GuiState& gui, const Images& images)
    : CTablePopup(gui, kKind, 162, kItems, images) {}

}  // namespace corvane
