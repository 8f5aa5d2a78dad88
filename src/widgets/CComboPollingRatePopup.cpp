#include "widgets/CComboPollingRatePopup.h"

#include <QPainter>

#include "settings/PollingRateTable.h"
#include "skin/DrawTextW.h"

namespace corvane {

CComboPollingRatePopup::CComboPollingRatePopup(GuiState& gui) : CWndPopup(gui, kKind, 189, 22) {}

void CComboPollingRatePopup::InitItems() {
  for (int code = 1; code <= 4; ++code) AddItem(code, std::u16string(PollingRateOf(code - 1).ChoiceName));
}

void CComboPollingRatePopup::DrawItems(QPainter& dc, const CRect&) {
  dc.setFont(PopupFont());
  for (std::size_t i = 0; i < items_.size(); ++i) {
    const PopupItem& item = items_[i];
    if (item.separator) {
      dc.fillRect(item.rect.ToQRect(), ColorOf(kAccent));
      continue;
    }
    const bool hot = static_cast<int>(i) == hot_;
    if (hot) dc.fillRect(item.rect.ToQRect(), ColorOf(0x00004B53));
    DrawCaption(dc, item, hot ? kTextWhite : kTextGrey, DT_CENTER | DT_SINGLELINE | DT_VCENTER | DT_WORD_ELLIPSIS);
  }
}

bool CComboPollingRatePopup::OnItemUp(int x, int y) {
  return ReleaseOnHot(x, y, [this](int code, int index) {
    selection_.text = items_[static_cast<std::size_t>(index)].text;
    selection_.value = {static_cast<std::uint8_t>(code - 1), 0, 0};
    SendChoice();
  });
}

}  // namespace corvane
