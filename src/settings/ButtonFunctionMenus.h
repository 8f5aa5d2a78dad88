#pragma once
// The button-function menu of the button page and its submenus: what each item is
// labelled with and the button value it gives (or which dialog it opens).
#include <array>
#include <cstdint>
#include <span>

namespace corvane {

using ButtonValue = std::array<std::uint8_t, 3>;

enum class ButtonMenuAction : std::uint8_t {
  Value,            // the item gives its value directly
  DpiSubmenu,
  FireKeyDialog,
  MacroPicker,
  KeyCombinationDialog,
  MultimediaSubmenu,
  OfficeSubmenu,
  WindowSubmenu,
  DpiLockSubmenu,
  QuickLaunchDialog,
};

struct ButtonMenuItem {
  int Code;       // 1..17
  int LabelText;  // language text of the caption
  ButtonMenuAction Action;
  ButtonValue Value;  // for Value items
};

extern const std::array<ButtonMenuItem, 17> kButtonMenu;

enum class ButtonSubmenu : std::uint8_t { Dpi, Multimedia, Office, Window };

struct SubmenuItem {
  int LabelText;
  ButtonValue Value;
};

// Items 1..n of a submenu, in menu order.
std::span<const SubmenuItem> SubmenuItems(ButtonSubmenu menu);

// The menu item of a code 1..17; null for any other code.
const ButtonMenuItem* ButtonMenuItemOf(int code);

}  // namespace corvane
