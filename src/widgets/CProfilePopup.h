#pragma once
// The profile functions a button can take: cycle, up, down. Drawn in colours: the hot
// item on the accent colour, every caption white.
#include "skin/CWndPopup.h"

namespace corvane {

class CProfilePopup : public CWndPopup {
 public:
  static constexpr int kKind = 1;
  explicit CProfilePopup(GuiState& gui);

  void InitItems() override;
  void DrawItems(QPainter& dc, const CRect& client) override;
  bool OnItemUp(int x, int y) override;
};

}  // namespace corvane
