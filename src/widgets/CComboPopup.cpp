#include "widgets/CComboPopup.h"

#include <array>
#include <cstdint>

#include "lang/LanguageEntries.h"
#include "skin/GuiState.h"

namespace corvane {

namespace {

struct ComboItem {
  int code;
  int captionEntry;
  int submenu;
  unsigned hoverMessage;   // sent when the item becomes hot
  unsigned dialogMessage;  // sent instead of a choice; 0 for none
  std::array<std::uint8_t, 3> value;
};

// Items with a submenu choose nothing themselves (their submenu does).
constexpr ComboItem kItems[] = {
    {1, kTextLeftClick, 0, CComboPopup::kHoverPlain, 0, {0x10, 0x01, 0x00}},
    {2, kTextRightClick, 0, CComboPopup::kHoverPlain, 0, {0x10, 0x02, 0x00}},
    {3, kTextMiddleClick, 0, CComboPopup::kHoverPlain, 0, {0x10, 0x04, 0x00}},
    {4, kTextForward, 0, CComboPopup::kHoverPlain, 0, {0x10, 0x10, 0x00}},
    {5, kTextBack, 0, CComboPopup::kHoverPlain, 0, {0x10, 0x08, 0x00}},
    {6, kTextDpiMenu, 1, CComboPopup::kHoverDpi, 0, {0, 0, 0}},
    {7, kTextFireKeyCustom, 0, CComboPopup::kHoverPlain, CComboPopup::kOpenFireKey, {0, 0, 0}},
    {8, kTextTripleFire, 0, CComboPopup::kHoverPlain, 0, {0x30, 0x32, 0x03}},
    {9, kTextMacro, 0, CComboPopup::kHoverPlain, CComboPopup::kOpenShortcut, {0, 0, 0}},
    {10, kTextKeyCombination, 0, CComboPopup::kHoverPlain, CComboPopup::kOpenQuickLaunch, {0, 0, 0}},
    {11, kTextMultimedia, 1, CComboPopup::kHoverMultimedia, 0, {0, 0, 0}},
    {12, kTextOffice, 1, CComboPopup::kHoverOffice, 0, {0, 0, 0}},
    {13, kTextWindowControl, 1, CComboPopup::kHoverWindows, 0, {0, 0, 0}},
    {14, kTextProfileSwitch, 0, CComboPopup::kHoverPlain, 0, {0x60, 0x04, 0x00}},
    {15, kTextDpiLock, 1, CComboPopup::kHoverDpiLock, 0, {0, 0, 0}},
    {16, kTextQuickLaunch, 0, CComboPopup::kHoverPlain, CComboPopup::kOpenMacro, {0, 0, 0}},
    {17, kTextDisable, 0, CComboPopup::kHoverPlain, 0, {0x00, 0x00, 0x00}},
};

}  // namespace

CComboPopup::CComboPopup(GuiState& gui, const Images& images) : CImagePopup(gui, kKind, 162, 22, images) {}

void CComboPopup::InitItems() {
  for (const auto& it : kItems) AddItem(it.code, Gui().Language.Text(it.captionEntry), it.submenu);
}

bool CComboPopup::OnItemHover(int x, int y) {
  const int before = hot_;
  const bool changed = CWndPopup::OnItemHover(x, y);
  if (changed && hot_ >= 0 && hot_ != before)
    SendToParent(kItems[hot_].hoverMessage, OwnerId(), items_[static_cast<std::size_t>(hot_)].code);
  return changed;
}

bool CComboPopup::OnItemUp(int x, int y) {
  return ReleaseOnHot(x, y, [this](int, int index) {
    const ComboItem& it = kItems[index];
    if (it.submenu) return;
    if (it.dialogMessage) {
      SendToParent(it.dialogMessage, OwnerId(), 0);
      return;
    }
    selection_.text = items_[static_cast<std::size_t>(index)].text;
    selection_.value = it.value;
    SendChoice();
  });
}

}  // namespace corvane
