#include "widgets/CDPIPopup.h"

#include "lang/LanguageEntries.h"

namespace corvane {

namespace {
constexpr PopupTableEntry kItems[] = {
    {1, kTextDpiUp, {0x40, 0x02, 0x00}},
    {2, kTextDpiDown, {0x40, 0x03, 0x00}},
    {3, kTextDpiCycle, {0x40, 0x01, 0x00}},
};
}  // namespace

CDPIPopup::CDPIPopup(GuiState& gui, const Images& images)
    : CTablePopup(gui, kKind, 162, kItems, images) {}

}  // namespace corvane
