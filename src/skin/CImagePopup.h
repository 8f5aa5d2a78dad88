#pragma once
// The popups drawn from four item pictures (normal, hover, submenu normal, submenu
// hover): grey captions, the hot item white on its hover picture, accent separators.
#include <string>

#include "skin/CWndPopup.h"
#include "skin/SkinImage.h"

namespace corvane {

class CImagePopup : public CWndPopup {
 public:
  struct Images {
    std::u16string normal = u"skins\\menu_nr.png";
    std::u16string hover = u"skins\\menu_ov.png";
    std::u16string submenuNormal = u"skins\\menusub_nr.png";
    std::u16string submenuHover = u"skins\\menusub_ov.png";
  };

  CImagePopup(GuiState& gui, int kind, int designWidth, int rowHeight, const Images& images);
  void DrawItems(QPainter& dc, const CRect& client) override;

 private:
  SkinImage normal_, hover_, submenuNormal_, submenuHover_;
};

}  // namespace corvane
