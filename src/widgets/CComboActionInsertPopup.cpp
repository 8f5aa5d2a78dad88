#include "widgets/CComboActionInsertPopup.h"

#include "lang/LanguageEntries.h"

namespace corvane {

namespace {
constexpr PopupTableEntry kItems[] = {
    {1, kTextLeftClick, {0, 0, 0}},
    {2, kTextRightClick, {1, 0, 0}},
    {3, kTextMiddleClick, {2, 0, 0}},
    {4, kTextInsertDelay, {3, 0, 0}},
    {5, kTextInsertKey, {4, 0, 0}},
    {6, kTextInsertMoveLeft, {5, 0, 0}},
    {7, kTextInsertMoveRight, {6, 0, 0}},
    {8, kTextInsertMoveUp, {7, 0, 0}},
    {9, kTextInsertMoveDown, {8, 0, 0}},
};
}  // namespace

CComboActionInsertPopup::CComboActionInsertPopup(GuiState& gui, const Images& images)
    : CTablePopup(gui, kKind, 118, kItems, images) {}

}  // namespace corvane
