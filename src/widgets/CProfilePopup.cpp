#include "widgets/CProfilePopup.h"

#include <QPainter>

#include "skin/DrawTextW.h"

namespace corvane {

CProfilePopup::CProfilePopup(GuiState& gui) : CWndPopup(gui, kKind, 162, 22) {}

void CProfilePopup::InitItems() {
  AddItem(18, u"Profile Cycle");
  AddItem(19, u"Profile Up");
  AddItem(20, u"Profile Down");
}

void CProfilePopup::DrawItems(QPainter& dc, const CRect&) {
  // The captions use the window's default font, not the interface font.
  dc.setFont(font());
  for (std::size_t i = 0; i < items_.size(); ++i) {
    const PopupItem& item = items_[i];
    if (item.separator) {
      dc.fillRect(item.rect.ToQRect(), ColorOf(kAccent));
      continue;
    }
    if (static_cast<int>(i) == hot_) dc.fillRect(item.rect.ToQRect(), ColorOf(kAccent));
    DrawCaption(dc, item, kTextWhite, DT_SINGLELINE | DT_VCENTER | DT_WORD_ELLIPSIS);
  }
}

bool CProfilePopup::OnItemUp(int x, int y) {
  return ReleaseOnHot(x, y, [this](int code, int index) {
    selection_.text = items_[static_cast<std::size_t>(index)].text;
    selection_.value[0] = static_cast<std::uint8_t>(code - 2);
    SendChoice();
  });
}

}  // namespace corvane
