#pragma once
// The rows of the button-function submenus, taken from the menu tables of the settings
// (labels and button values), so the popups and the assignment they lead to never differ.
#include <span>

#include "settings/ButtonFunctionMenus.h"
#include "skin/CTablePopup.h"

namespace corvane {

// Items 1..n of the submenu, in menu order.
std::span<const PopupTableEntry> SubmenuRows(ButtonSubmenu menu);

}  // namespace corvane
