#include "skin/CImagePopup.h"

#include <QPainter>

#include "skin/DrawTextW.h"
#include "skin/SkinFiles.h"

namespace corvane {

CImagePopup::CImagePopup(GuiState& gui, int kind, int designWidth, int rowHeight, const Images& images)
    : CWndPopup(gui, kind, designWidth, rowHeight) {
  normal_.Load(SkinFilePath(gui, images.normal));
  hover_.Load(SkinFilePath(gui, images.hover));
  submenuNormal_.Load(SkinFilePath(gui, images.submenuNormal));
  submenuHover_.Load(SkinFilePath(gui, images.submenuHover));
}

void CImagePopup::DrawItems(QPainter& dc, const CRect& client) {
  dc.setFont(PopupFont());
  for (std::size_t i = 0; i < items_.size(); ++i) {
    const PopupItem& item = items_[i];
    if (item.separator) {
      dc.fillRect(item.rect.ToQRect(), ColorOf(kAccent));
      continue;
    }
    const bool hot = static_cast<int>(i) == hot_;
    const SkinImage& img = hot ? (item.submenu ? submenuHover_ : hover_) : (item.submenu ? submenuNormal_ : normal_);
    img.Draw(dc, item.rect.ToQRectF());
    DrawCaption(dc, item, hot ? kTextWhite : kTextGrey, DT_CENTER | DT_SINGLELINE | DT_VCENTER | DT_WORD_ELLIPSIS);
  }
  DrawItemIcons(dc, client);
}

}  // namespace corvane
