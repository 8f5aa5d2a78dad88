#pragma once
// The messages the main window's button, profile and tool commands exchange with the
// popups and dialogs they open, and the popup slots they keep them in.
namespace corvane::mainwnd {

// The button-function menu and its submenus: the choice of each (wParam = the combo's
// id, lParam = the PopupSelection) and the dismissal each sends when it loses activation.
constexpr unsigned kMsgButtonChoice = 1027;
constexpr unsigned kMsgDpiChoice = 1041;
constexpr unsigned kMsgMultimediaChoice = 1044;
constexpr unsigned kMsgWindowChoice = 1158;
constexpr unsigned kMsgDpiLockChoice = 1155;
constexpr unsigned kMsgOfficeChoice = 1161;
constexpr unsigned kMsgButtonMenuGone = 1029;
constexpr unsigned kMsgDpiMenuGone = 1042;
constexpr unsigned kMsgMultimediaMenuGone = 1045;
constexpr unsigned kMsgDpiLockMenuGone = 1156;
constexpr unsigned kMsgWindowMenuGone = 1159;
constexpr unsigned kMsgOfficeMenuGone = 1162;

// Results of the fire-key dialog (wParam unused, lParam = the PopupSelection) and of the
// quick-launch dialog (wParam = the full path as std::u16string, lParam = the selection).
constexpr unsigned kMsgFireKeyResult = 1063;
constexpr unsigned kMsgQuickLaunchResult = 1039;

// The profile list (wParam 2 choose, 11 secondary click; lParam = row code) and the
// profile menu (wParam = the tab id of its slot, lParam = the selection, value[0] = action).
constexpr unsigned kMsgProfileListChoice = 1125;
constexpr unsigned kMsgProfileListGone = 1126;
constexpr unsigned kMsgProfileMenuChoice = 1164;
constexpr unsigned kMsgProfileMenuGone = 1165;

// The window's popup slots.
constexpr int kSlotButtonMenu = 0;
constexpr int kSlotButtonSubmenu = 1;
constexpr int kSlotProfileList = 2;
constexpr int kSlotProfileMenu = 3;

}  // namespace corvane::mainwnd
