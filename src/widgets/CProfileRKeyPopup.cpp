#include "widgets/CProfileRKeyPopup.h"

namespace corvane {

namespace {
constexpr PopupTableEntry kItems[] = {
    {1, 90, {0, 0, 0}},
    {2, 91, {1, 0, 0}},
    {3, 92, {2, 0, 0}},
    {4, 93, {3, 0, 0}},
};
}  // namespace

CProfileRKeyPopup::CProfileRKeyPopup(GuiState& gui, const Images& images)
    : CTablePopup(gui, kKind, 162, kItems, images) {}

}  // namespace corvane
