#include "widgets/CComboPopup.h"

#include "settings/ButtonFunctionMenus.h"
#include "skin/GuiState.h"

namespace corvane {

namespace {

using A = ButtonMenuAction;

// What an item does in the window: the submenu it shows while hot and the dialog it opens.
struct ActionView {
  A action;
  bool submenu;
  unsigned hoverMessage;   // sent when the item becomes hot
  unsigned dialogMessage;  // sent instead of a choice; 0 for none
};

constexpr ActionView kActionViews[] = {
    {A::Value, false, CComboPopup::kHoverPlain, 0},
    {A::DpiSubmenu, true, CComboPopup::kHoverDpi, 0},
    {A::FireKeyDialog, false, CComboPopup::kHoverPlain, CComboPopup::kOpenFireKey},
    {A::MacroPicker, false, CComboPopup::kHoverPlain, CComboPopup::kOpenMacroPicker},
    {A::KeyCombinationDialog, false, CComboPopup::kHoverPlain, CComboPopup::kOpenKeyCombination},
    {A::MultimediaSubmenu, true, CComboPopup::kHoverMultimedia, 0},
    {A::OfficeSubmenu, true, CComboPopup::kHoverOffice, 0},
    {A::WindowSubmenu, true, CComboPopup::kHoverWindows, 0},
    {A::DpiLockSubmenu, true, CComboPopup::kHoverDpiLock, 0},
    {A::QuickLaunchDialog, false, CComboPopup::kHoverPlain, CComboPopup::kOpenQuickLaunch},
};

const ActionView& ViewOf(A action) {
  for (const ActionView& v : kActionViews)
    if (v.action == action) return v;
  return kActionViews[0];
}

}  // namespace

CComboPopup::CComboPopup(GuiState& gui, const Images& images) : CImagePopup(gui, kKind, 162, 22, images) {}

void CComboPopup::InitItems() {
  for (const ButtonMenuItem& it : kButtonMenu) AddItem(it.Code, Gui().Language.Text(it.LabelText), ViewOf(it.Action).submenu);
}

bool CComboPopup::OnItemHover(int x, int y) {
  const int before = hot_;
  const bool changed = CWndPopup::OnItemHover(x, y);
  if (changed && hot_ >= 0 && hot_ != before)
    SendToParent(ViewOf(kButtonMenu[static_cast<std::size_t>(hot_)].Action).hoverMessage, OwnerId(),
                 items_[static_cast<std::size_t>(hot_)].code);
  return changed;
}

bool CComboPopup::OnItemUp(int x, int y) {
  return ReleaseOnHot(x, y, [this](int, int index) {
    const ButtonMenuItem& it = kButtonMenu[static_cast<std::size_t>(index)];
    const ActionView& view = ViewOf(it.Action);
    if (view.submenu) return;
    if (view.dialogMessage) {
      SendToParent(view.dialogMessage, OwnerId(), 0);
      return;
    }
    selection_.text = items_[static_cast<std::size_t>(index)].text;
    selection_.value = it.Value;
    SendChoice();
  });
}

}  // namespace corvane
