// The button page: a click on a button's combo opens the function menu beside it, resting
// on a menu item with a submenu opens that submenu, and whatever the menu, a submenu or a
// dialog gives is applied one way (AssignFromMenu). The popups close when the user turns
// to anything else.
#include <array>

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

#include "app/CCorvaneDlg.h"
#include "app/MainWindowCommands.h"
#include "app/MainWindowLayout.h"
#include "dialogs/CFireKeyDlg.h"
#include "dialogs/CQuickLaunchDlg.h"
#include "dialogs/CShortcutDlg.h"
#include "dialogs/MacroPickerDialog.h"
#include "session/ApplyToDevice.h"
#include "settings/ButtonAssignment.h"
#include "settings/ProfileTable.h"
#include "skin/CComboButton.h"
#include "skin/SkinScaling.h"
#include "widgets/CComboPopup.h"
#include "widgets/CDPILockPopup.h"
#include "widgets/CDPIPopup.h"
#include "widgets/CMultimediaPopup.h"
#include "widgets/COfficePopup.h"
#include "widgets/CWindowsManagePopup.h"

namespace corvane {

using namespace mainwnd;

namespace {

constexpr int kCommandPopupSlots[] = {kSlotButtonMenu, kSlotButtonSubmenu, kSlotProfileList, kSlotProfileMenu};

// The menu opens this far right of the combo's left edge and this far above its top.
constexpr int kMenuOffsetX = 161;
constexpr int kMenuOffsetY = 20;

bool IsButtonCombo(WPARAM id) { return id >= kButtonComboFirst && id <= kSpareComboFirst + 1; }

// The choice messages of the menu and its submenus.
bool IsChoiceMessage(unsigned msg) {
  for (const unsigned m : {kMsgButtonChoice, kMsgDpiChoice, kMsgMultimediaChoice, kMsgOfficeChoice, kMsgWindowChoice,
                           kMsgDpiLockChoice, kMsgFireKeyResult})
    if (msg == m) return true;
  return false;
}

bool IsMenuDismissal(unsigned msg) {
  for (const unsigned m : {kMsgButtonMenuGone, kMsgDpiMenuGone, kMsgMultimediaMenuGone, kMsgOfficeMenuGone,
                           kMsgWindowMenuGone, kMsgDpiLockMenuGone, CComboPopup::kHoverPlain})
    if (msg == m) return true;
  return false;
}

// A popup's top-left corner moved up by what would hang below the screen's bottom.
QPoint KeptOnScreen(QPoint topLeft, int height, const QWidget* near) {
  QScreen* screen = near->screen() ? near->screen() : QGuiApplication::primaryScreen();
  if (!screen) return topLeft;
  const int overflow = topLeft.y() + height - (screen->availableGeometry().bottom() + 1);
  if (overflow > 0) topLeft.ry() -= overflow;
  return topLeft;
}

// Creates the popup at where, keeps it on the screen and stores it in the slot.
void OpenInSlot(CCorvaneDlg& dlg, int slot, CWndPopup* popup, QPoint where, unsigned selectionMessage, WPARAM owner) {
  dlg.ClosePopup(slot);
  dlg.SetPopupSlot(slot, popup);
  popup->Create(&dlg, QRect(where, QSize(1, 1)), selectionMessage, owner);
  const QPoint kept = KeptOnScreen(where, popup->height(), &dlg);
  if (kept != where) popup->move(kept);
}

// A popup's or dialog's record as the function it gives the button.
ButtonFunction ChoiceOf(const PopupSelection& selection) {
  ButtonFunction f;
  f.Label = selection.text;
  f.Value = selection.value;
  return f;
}

}  // namespace

bool CCorvaneDlg::OnButtonCommand(unsigned msg, WPARAM wParam, LPARAM lParam) {
  if (msg == kButtonComboMessage) {
    // Enter and leave only light the combo; a click opens its menu.
    if (lParam == kNotifyClick && IsButtonCombo(wParam)) OpenButtonMenu(static_cast<unsigned>(wParam));
    return true;
  }
  if (IsChoiceMessage(msg)) {
    const auto* selection = reinterpret_cast<const PopupSelection*>(lParam);
    const unsigned target = msg == kMsgFireKeyResult ? buttonMenuTarget_ : static_cast<unsigned>(wParam);
    if (selection && IsButtonCombo(target)) AssignFromMenu(target, ChoiceOf(*selection));
    return true;
  }
  if (msg == kMsgQuickLaunchResult) {
    const auto* path = reinterpret_cast<const std::u16string*>(wParam);
    if (path && IsButtonCombo(buttonMenuTarget_)) AssignFromMenu(buttonMenuTarget_, QuickLaunchChoice(*path));
    return true;
  }
  switch (msg) {
    case CComboPopup::kHoverDpi:
    case CComboPopup::kHoverMultimedia:
    case CComboPopup::kHoverOffice:
    case CComboPopup::kHoverWindows:
    case CComboPopup::kHoverDpiLock:
      OpenButtonSubmenu(msg, wParam, lParam);
      return true;
    case CComboPopup::kOpenFireKey:
      OpenFireKeyDialog(static_cast<unsigned>(wParam));
      return true;
    case CComboPopup::kOpenQuickLaunch:
      OpenQuickLaunchDialog(static_cast<unsigned>(wParam));
      return true;
    case CComboPopup::kOpenMacroPicker:
    case CComboPopup::kOpenKeyCombination:
      OpenButtonFunctionDialog(msg, static_cast<unsigned>(wParam));
      return true;
    default:
      break;
  }
  if (IsMenuDismissal(msg)) {
    // Resting on an item without a submenu closes the open submenu; a popup that lost
    // activation closes with the others unless the user went on to another of them.
    if (msg == CComboPopup::kHoverPlain) ClosePopup(kSlotButtonSubmenu);
    else OnPopupDismissed();
    return true;
  }
  return false;
}

void CCorvaneDlg::OpenButtonMenu(unsigned comboId) {
  auto* combo = dynamic_cast<CComboButton*>(FindControl(comboId));
  if (!combo) return;
  CloseButtonMenus();
  buttonMenuTarget_ = comboId;
  combo->SetPopupOpen(true);
  InvalidateRect(combo->GetRect());
  const float s = Gui().SkinScale;
  const CRect r = combo->GetRect();
  const QPoint where = mapToGlobal(QPoint(r.left + Scaled(s, kMenuOffsetX), r.top - Scaled(s, kMenuOffsetY)));
  OpenInSlot(*this, kSlotButtonMenu, new CComboPopup(Gui()), where, kMsgButtonChoice, comboId);
}

void CCorvaneDlg::OpenButtonSubmenu(unsigned hoverMessage, WPARAM comboId, LPARAM itemCode) {
  CWndPopup* menu = PopupSlot(kSlotButtonMenu);
  if (!menu) return;
  CWndPopup* submenu = nullptr;
  unsigned choice = 0;
  switch (hoverMessage) {
    case CComboPopup::kHoverDpi:
      submenu = new CDPIPopup(Gui());
      choice = kMsgDpiChoice;
      break;
    case CComboPopup::kHoverMultimedia:
      submenu = new CMultimediaPopup(Gui());
      choice = kMsgMultimediaChoice;
      break;
    case CComboPopup::kHoverOffice:
      submenu = new COfficePopup(Gui());
      choice = kMsgOfficeChoice;
      break;
    case CComboPopup::kHoverWindows:
      submenu = new CWindowsManagePopup(Gui());
      choice = kMsgWindowChoice;
      break;
    case CComboPopup::kHoverDpiLock:
      submenu = new CDPILockPopup(Gui(), App().Dpi);
      choice = kMsgDpiLockChoice;
      break;
    default:
      return;
  }
  // Beside the menu, level with the item that opened it.
  int itemTop = 0;
  for (const PopupItem& item : menu->Items())
    if (item.code == itemCode) itemTop = item.rect.top;
  const QPoint where = menu->mapToGlobal(QPoint(menu->width(), itemTop));
  OpenInSlot(*this, kSlotButtonSubmenu, submenu, where, choice, comboId);
}

void CCorvaneDlg::CloseButtonMenus() {
  ClosePopup(kSlotButtonSubmenu);
  ClosePopup(kSlotButtonMenu);
  if (auto* combo = dynamic_cast<CComboButton*>(FindControl(buttonMenuTarget_))) {
    combo->SetPopupOpen(false);
    combo->SetState(0);
    InvalidateRect(combo->GetRect());
  }
}

void CCorvaneDlg::OnPopupDismissed() {
  // The popup that lost activation may have given it to another of the window's popups
  // (the submenu it opened); that is known once the activation has settled. Only the
  // popups open now may close then: a menu the same click opened again stays.
  std::array<QPointer<CWndPopup>, kPopupSlotCount> open;
  for (const int slot : kCommandPopupSlots) open[static_cast<std::size_t>(slot)] = PopupSlot(slot);
  QPointer<CCorvaneDlg> self(this);
  QTimer::singleShot(0, this, [self, open] {
    if (self) self->CloseInactivePopups(open);
  });
}

void CCorvaneDlg::CloseInactivePopups(const std::array<QPointer<CWndPopup>, kPopupSlotCount>& open) {
  const QWidget* active = QApplication::activeWindow();
  for (const int slot : kCommandPopupSlots)
    if (active && PopupSlot(slot) == active) return;
  const auto stillOpen = [&](int slot) {
    CWndPopup* p = PopupSlot(slot);
    return p && p == open[static_cast<std::size_t>(slot)];
  };
  if (stillOpen(kSlotButtonMenu)) CloseButtonMenus();
  else if (stillOpen(kSlotButtonSubmenu)) ClosePopup(kSlotButtonSubmenu);
  if (stillOpen(kSlotProfileMenu)) ClosePopup(kSlotProfileMenu);
  if (stillOpen(kSlotProfileList)) ClosePopup(kSlotProfileList);
}

void CCorvaneDlg::OpenFireKeyDialog(unsigned comboId) {
  if (!IsButtonCombo(comboId)) return;
  CloseButtonMenus();
  buttonMenuTarget_ = comboId;
  // A button that already fires shows its interval and count.
  std::optional<ButtonValue> current;
  if (const auto button = ButtonOfControl(static_cast<int>(comboId))) {
    const ButtonValue& v = CurrentProfile().Buttons[static_cast<std::size_t>(*button)].Value;
    if (v[0] == kButtonFamilyFire) current = v;
  }
  CFireKeyDlg dialog(Gui(), this, current);
  dialog.DoModal();
}

void CCorvaneDlg::OpenQuickLaunchDialog(unsigned comboId) {
  if (!IsButtonCombo(comboId)) return;
  CloseButtonMenus();
  buttonMenuTarget_ = comboId;
  CQuickLaunchDlg dialog(Gui(), this);
  dialog.DoModal();
}

void CCorvaneDlg::OpenButtonFunctionDialog(unsigned item, unsigned comboId) {
  if (!IsButtonCombo(comboId)) return;
  CloseButtonMenus();
  buttonMenuTarget_ = comboId;
  const std::optional<ButtonFunction> chosen = item == CComboPopup::kOpenMacroPicker
                                                   ? RunMacroPicker(this, Gui(), App())
                                                   : RunShortcutDialog(this, Gui());
  if (chosen) AssignFromMenu(comboId, *chosen);
}

void CCorvaneDlg::AssignFromMenu(unsigned comboId, const ButtonFunction& function) {
  CloseButtonMenus();
  if (auto* combo = dynamic_cast<CComboButton*>(FindControl(comboId))) {
    combo->SetValueText(function.Label);
    InvalidateRect(combo->GetRect());
  }
  const CommandEffect effect = ApplyButtonChoice(CurrentProfile(), ButtonOfControl(static_cast<int>(comboId)),
                                                 function, App().Language, upload_.Dirty);
  ApplyCommandEffect(effect);
}

void CCorvaneDlg::ApplyCommandEffect(const CommandEffect& effect) {
  if (effect.RefreshView) ShowCurrentProfile(*this, App(), Gui());
  if (effect.ScheduleApply) ScheduleApply();
  if (effect.AttentionText == 0) return;
  if (effect.AttentionDelayMs > 0) {
    delayedAttention_ = effect.AttentionText;
    SetTimer(kTimerLeftClickRestored, effect.AttentionDelayMs);
  } else {
    ShowAttention(effect.AttentionText);
  }
}

}  // namespace corvane
