// The five profiles: a tab click makes its profile current and sends it to the mouse, a
// secondary click opens the profile menu; the profile list shows the profiles in list
// order with a last row for a new one; the buttons beside the tabs add, rename, export
// and import.
#include <array>

#include "app/CCorvaneDlg.h"
#include "app/MainWindowCommands.h"
#include "lang/LanguageEntries.h"
#include "settings/ConfigTable.h"
#include "settings/ProfileTable.h"
#include "settings/SettingsCommands.h"
#include "skin/CTabControl.h"
#include "widgets/CComboProfilePopup.h"
#include "widgets/CProfileRKeyPopup.h"

namespace corvane {

using namespace mainwnd;

namespace {

constexpr int kFirstProfileRow = 2;  // rows 2..6 stand for list positions 0..4

}  // namespace

bool CCorvaneDlg::OnProfileCommand(unsigned msg, WPARAM wParam, LPARAM lParam) {
  if (const auto slot = ProfileTabPage(msg)) {
    if (lParam == kNotifyClick) {
      SelectProfileSlot(*slot);
    } else if (lParam == kNotifyRightUp) {
      if (CControlBase* tab = FindControl(msg)) {
        const CRect r = tab->GetRect();
        OpenProfileMenu(*slot, QRect(mapToGlobal(QPoint(r.left, r.top)), mapToGlobal(QPoint(r.right, r.bottom))));
      }
    }
    return true;
  }
  const ConfigTable& config = App().Config;
  switch (msg) {
    case kProfileList:
      if (lParam == kNotifyHoverReport) {
        // A click that begins while the list is open only closes it.
        profileListWasOpen_ = PopupSlot(kSlotProfileList) != nullptr;
      } else if (lParam == kNotifyClick) {
        if (profileListWasOpen_ || PopupSlot(kSlotProfileList)) {
          ClosePopup(kSlotProfileMenu);
          ClosePopup(kSlotProfileList);
          profileListWasOpen_ = false;
        } else {
          OpenProfileList();
        }
      }
      return true;
    case kMsgProfileListChoice: {
      const int row = static_cast<int>(lParam);
      if (wParam == kNotifyClick) {
        ClosePopup(kSlotProfileList);
        if (row == CComboProfilePopup::kLastCode) {
          RequestProfileAction(config.GetProfileShowCount() < kProfileShowPositions ? ProfileAction::Add
                                                                                     : ProfileAction::Limit,
                               0);
        } else {
          const int slot = config.GetProfileShowList(row - kFirstProfileRow);
          if (slot >= 0 && slot < kProfileCount) SelectProfileSlot(slot);
        }
      } else if (wParam == kNotifyRightUp) {
        const int slot = config.GetProfileShowList(row - kFirstProfileRow);
        CWndPopup* list = PopupSlot(kSlotProfileList);
        if (!list || slot < 0 || slot >= kProfileCount) return true;
        for (const PopupItem& item : list->Items()) {
          if (item.code != row) continue;
          OpenProfileMenu(slot, QRect(list->mapToGlobal(QPoint(item.rect.left, item.rect.top)),
                                      list->mapToGlobal(QPoint(item.rect.right, item.rect.bottom))));
        }
      }
      return true;
    }
    case kMsgProfileMenuChoice: {
      const auto* selection = reinterpret_cast<const PopupSelection*>(lParam);
      const auto slot = ProfileTabPage(static_cast<unsigned>(wParam));
      ClosePopup(kSlotProfileMenu);
      ClosePopup(kSlotProfileList);
      const int action = selection ? selection->value[0] : -1;
      if (slot && action >= static_cast<int>(ProfileAction::Import) && action <= static_cast<int>(ProfileAction::Delete))
        RequestProfileAction(static_cast<ProfileAction>(action), *slot);
      return true;
    }
    case kMsgProfileListGone:
    case kMsgProfileMenuGone:
      OnPopupDismissed();
      return true;
    case kProfileAdd:
      if (lParam != kNotifyClick) return true;
      if (config.GetProfileShowCount() >= kProfileShowPositions) ShowAttention(kTextProfileLimit);
      else RunProfileAction(ProfileAction::Add, 0);
      return true;
    case kProfileRename:
      if (lParam == kNotifyClick) RunProfileAction(ProfileAction::Edit, config.CurrentProfileSlot());
      return true;
    case kProfileExport:
      if (lParam == kNotifyClick) RunProfileAction(ProfileAction::Export, config.CurrentProfileSlot());
      return true;
    case kProfileImport:
      if (lParam == kNotifyClick) RunProfileAction(ProfileAction::Import, config.CurrentProfileSlot());
      return true;
    default:
      return false;
  }
}

void CCorvaneDlg::SelectProfileSlot(int slot) {
  ApplyCommandEffect(SelectProfile(App(), slot, upload_.Dirty));
}

void CCorvaneDlg::OpenProfileList() {
  CControlBase* button = FindControl(kProfileList);
  if (!button) return;
  const ConfigTable& config = App().Config;
  // The shown profiles in list order; the rows of positions not shown stay empty.
  std::array<std::u16string, kProfileShowPositions> names;
  int current = -1;
  for (int pos = 0; pos < config.ShownPositions(); ++pos) {
    const int slot = config.GetProfileShowList(pos);
    if (slot < 0 || slot >= kProfileCount) continue;
    names[static_cast<std::size_t>(pos)] = App().Profiles[slot].ProfileName();
    if (slot == config.CurrentProfileSlot()) current = pos;
  }
  ClosePopup(kSlotProfileMenu);
  ClosePopup(kSlotProfileList);
  auto* list = new CComboProfilePopup(Gui(), names, current);
  SetPopupSlot(kSlotProfileList, list);
  const CRect r = button->GetRect();
  list->Create(this, QRect(mapToGlobal(QPoint(r.left, r.bottom)), QSize(1, 1)), kMsgProfileListChoice, kProfileList);
}

void CCorvaneDlg::OpenProfileMenu(int slot, const QRect& below) {
  ClosePopup(kSlotProfileMenu);
  auto* menu = new CProfileRKeyPopup(Gui());
  SetPopupSlot(kSlotProfileMenu, menu);
  menu->Create(this, QRect(below.bottomLeft() + QPoint(0, 1), QSize(1, 1)), kMsgProfileMenuChoice,
               kProfileTabFirst + static_cast<unsigned>(slot));
}

}  // namespace corvane
