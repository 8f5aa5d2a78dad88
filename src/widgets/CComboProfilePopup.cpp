#include "widgets/CComboProfilePopup.h"

#include <QPainter>

#include "lang/LanguageEntries.h"
#include "skin/DrawTextW.h"
#include "skin/GuiState.h"
#include "skin/SkinFiles.h"
#include "skin/SkinScaling.h"

namespace corvane {

CComboProfilePopup::CComboProfilePopup(GuiState& gui, std::array<std::u16string, 5> names, int current,
                                       std::u16string_view headerImage)
    : CWndPopup(gui, kKind, 230, 25), names_(std::move(names)), current_(current) {
  SetFullWidthRows(true);
  header_.Load(SkinFilePath(gui, headerImage));
}

void CComboProfilePopup::InitItems() {
  AddItem(kHeaderCode, Gui().Language.Text(kTextProfileListHeader));
  for (int i = 0; i < 5; ++i) AddItem(2 + i, names_[static_cast<std::size_t>(i)]);
  AddItem(kLastCode, Gui().Language.Text(kTextNew));
}

void CComboProfilePopup::DrawItems(QPainter& dc, const CRect&) {
  dc.setFont(PopupFont());
  const int indent = Scaled(Scale(), 10);
  for (std::size_t i = 0; i < items_.size(); ++i) {
    const PopupItem& item = items_[i];
    const bool hot = static_cast<int>(i) == hot_;
    const QRect r = item.rect.ToQRect();
    dc.setPen(ColorOf(kTextGrey));
    if (item.code == kHeaderCode) {
      header_.Draw(dc, item.rect.ToQRectF(), QRectF(0, 0, 230, 25));
      const CRect text{item.rect.left + indent, item.rect.top, item.rect.right, item.rect.bottom};
      DrawTextW(dc, QString::fromStdU16String(item.text), text, DT_SINGLELINE | DT_VCENTER | DT_WORD_ELLIPSIS);
      continue;
    }
    if (item.code == kLastCode) {
      dc.fillRect(r, ColorOf(0x00000049));
      dc.setPen(ColorOf(hot ? kTextWhite : kTextGrey));
      const CRect text{item.rect.left + indent, item.rect.top, item.rect.right, item.rect.bottom};
      DrawTextW(dc, QString::fromStdU16String(item.text), text, DT_SINGLELINE | DT_VCENTER | DT_WORD_ELLIPSIS);
      continue;
    }
    COLORREF colour = kTextGrey;
    if (item.text.empty()) {
      dc.fillRect(r, ColorOf(0x001F1F1F));
      continue;
    }
    if (item.code - 2 == current_) {
      dc.fillRect(r, ColorOf(0x00000078));
    } else if (hot) {
      dc.fillRect(r, ColorOf(0x00373737));
      colour = kTextWhite;
    } else {
      dc.fillRect(r, ColorOf(0x001F1F1F));
    }
    DrawCaption(dc, item, colour, DT_CENTER | DT_SINGLELINE | DT_VCENTER | DT_WORD_ELLIPSIS);
  }
}

const PopupItem* CComboProfilePopup::ChoosableRowAt(int x, int y) const {
  if (hot_ < 0) return nullptr;
  const PopupItem& item = items_[static_cast<std::size_t>(hot_)];
  if (!item.rect.Contains(x, y) || item.code == kHeaderCode || item.text.empty()) return nullptr;
  return &item;
}

bool CComboProfilePopup::OnItemUp(int x, int y) {
  if (hot_ >= 0 && !items_[static_cast<std::size_t>(hot_)].rect.Contains(x, y)) {
    hot_ = -1;
    return true;
  }
  if (const PopupItem* item = ChoosableRowAt(x, y)) SendToParent(SelectionMessage(), 2, item->code);
  return false;
}

bool CComboProfilePopup::OnItemRightUp(int x, int y) {
  if (const PopupItem* item = ChoosableRowAt(x, y); item && item->code != kLastCode)
    SendToParent(SelectionMessage(), 11, item->code);
  return false;
}

}  // namespace corvane
