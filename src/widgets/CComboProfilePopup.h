#pragma once
// The profile selector: a header row, the five profile names (empty rows are unused
// slots) and a last row for adding a profile. A click on a profile row or the last row
// reports wParam 2 and the row's code; a right click on a profile row reports wParam 11.
#include <array>
#include <string>

#include "skin/CWndPopup.h"

namespace corvane {

class CComboProfilePopup : public CWndPopup {
 public:
  static constexpr int kKind = 7;
  static constexpr int kHeaderCode = 1;
  static constexpr int kLastCode = 7;

  // names: the five profile rows (empty for an unused slot); current: the current
  // profile's row among them (0 to 4); header: the header row's picture.
  CComboProfilePopup(GuiState& gui, std::array<std::u16string, 5> names, int current,
                     std::u16string_view headerImage = u"skins\\header2_nr.png");

  void InitItems() override;
  void DrawItems(QPainter& dc, const CRect& client) override;
  bool OnItemUp(int x, int y) override;
  bool OnItemRightUp(int x, int y) override;

 private:
  // The row under the point that may be chosen: not the header, caption not empty.
  const PopupItem* ChoosableRowAt(int x, int y) const;

  std::array<std::u16string, 5> names_;
  int current_;
  SkinImage header_;
};

}  // namespace corvane
