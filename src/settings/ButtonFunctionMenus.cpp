#include "settings/ButtonFunctionMenus.h"

#include "lang/LanguageEntries.h"

namespace corvane {

namespace {

using A = ButtonMenuAction;

constexpr std::array<SubmenuItem, 3> kDpiMenu{{
    {kTextDpiUp, {0x40, 0x02, 0x00}},
    {kTextDpiDown, {0x40, 0x03, 0x00}},
    {kTextDpiCycle, {0x40, 0x01, 0x00}},
}};

// Consumer-control usages, low byte first.
constexpr std::array<SubmenuItem, 10> kMultimediaMenu{{
    {kTextMultimediaFirst + 0, {0x80, 0x83, 0x01}},
    {kTextMultimediaFirst + 1, {0x80, 0xB6, 0x00}},
    {kTextMultimediaFirst + 2, {0x80, 0xB5, 0x00}},
    {kTextMultimediaFirst + 3, {0x80, 0xB7, 0x00}},
    {kTextMultimediaFirst + 4, {0x80, 0xCD, 0x00}},
    {kTextMultimediaFirst + 5, {0x80, 0xE2, 0x00}},
    {kTextMultimediaFirst + 6, {0x80, 0xE9, 0x00}},
    {kTextMultimediaFirst + 7, {0x80, 0xEA, 0x00}},
    {kTextMultimediaFirst + 8, {0x80, 0x8A, 0x01}},
    {kTextMultimediaFirst + 9, {0x80, 0x92, 0x01}},
}};

// Key combinations: modifier bits (1 Ctrl, 2 Shift, 4 Alt, 8 Win), keyboard usage.
constexpr std::array<SubmenuItem, 9> kOfficeMenu{{
    {kTextOfficeFirst + 0, {0x70, 0x01, 0x06}},
    {kTextOfficeFirst + 1, {0x70, 0x01, 0x19}},
    {kTextOfficeFirst + 2, {0x70, 0x01, 0x1B}},
    {kTextOfficeFirst + 3, {0x70, 0x01, 0x04}},
    {kTextOfficeFirst + 4, {0x70, 0x01, 0x11}},
    {kTextOfficeFirst + 5, {0x70, 0x01, 0x16}},
    {kTextOfficeFirst + 6, {0x70, 0x01, 0x13}},
    {kTextOfficeFirst + 7, {0x70, 0x08, 0x08}},
    {kTextOfficeFirst + 8, {0x70, 0x01, 0x1D}},
}};

constexpr std::array<SubmenuItem, 6> kWindowMenu{{
    {kTextWindowControlFirst + 0, {0x80, 0x94, 0x01}},
    {kTextWindowControlFirst + 1, {0x70, 0x04, 0x3D}},
    {kTextWindowControlFirst + 2, {0x70, 0x08, 0x07}},
    {kTextWindowControlFirst + 3, {0x70, 0x08, 0x15}},
    {kTextWindowControlFirst + 4, {0x70, 0x08, 0x51}},
    {kTextWindowControlFirst + 5, {0x70, 0x08, 0x52}},
}};

}  // namespace

const std::array<ButtonMenuItem, 17> kButtonMenu{{
    {1, kTextLeftClick, A::Value, {0x10, 0x01, 0x00}},
    {2, kTextRightClick, A::Value, {0x10, 0x02, 0x00}},
    {3, kTextMiddleClick, A::Value, {0x10, 0x04, 0x00}},
    {4, kTextForward, A::Value, {0x10, 0x10, 0x00}},
    {5, kTextBack, A::Value, {0x10, 0x08, 0x00}},
    {6, kTextDpiMenu, A::DpiSubmenu, {}},
    {7, kTextFireKeyCustom, A::FireKeyDialog, {}},
    {8, kTextTripleFire, A::Value, {0x30, 0x32, 0x03}},
    {9, kTextMacro, A::MacroPicker, {}},
    {10, kTextKeyCombination, A::KeyCombinationDialog, {}},
    {11, kTextMultimedia, A::MultimediaSubmenu, {}},
    {12, kTextOffice, A::OfficeSubmenu, {}},
    {13, kTextWindowControl, A::WindowSubmenu, {}},
    {14, kTextProfileSwitch, A::Value, {0x60, 0x04, 0x00}},
    {15, kTextDpiLock, A::DpiLockSubmenu, {}},
    {16, kTextQuickLaunch, A::QuickLaunchDialog, {}},
    {17, kTextDisable, A::Value, {0x00, 0x00, 0x00}},
}};

std::span<const SubmenuItem> SubmenuItems(ButtonSubmenu menu) {
  switch (menu) {
    case ButtonSubmenu::Dpi: return kDpiMenu;
    case ButtonSubmenu::Multimedia: return kMultimediaMenu;
    case ButtonSubmenu::Office: return kOfficeMenu;
    case ButtonSubmenu::Window: return kWindowMenu;
  }
  return {};
}

const ButtonMenuItem* ButtonMenuItemOf(int code) {
  for (const auto& item : kButtonMenu)
    if (item.Code == code) return &item;
  return nullptr;
}

}  // namespace corvane
