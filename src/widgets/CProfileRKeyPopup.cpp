#include "widgets/CProfileRKeyPopup.h"

#include "lang/LanguageEntries.h"

namespace corvane {

namespace {
constexpr PopupTableEntry kItems[] = {
    {1, kTextProfileMenuFirst + 0, {0, 0, 0}},
    {2, kTextProfileMenuFirst + 1, {1, 0, 0}},
    {3, kTextProfileMenuFirst + 2, {2, 0, 0}},
    {4, kTextProfileMenuFirst + 3, {3, 0, 0}},
};
}  // namespace

CProfileRKeyPopup::CProfileRKeyPopup(GuiState& gui, const Images& images)
    : CTablePopup(gui, kKind, 162, kItems, images) {}

}  // namespace corvane
