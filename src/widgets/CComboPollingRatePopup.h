#pragma once
// The polling-rate drop-down: four rates, drawn in colours; value[0] = code - 1.
#include "skin/CWndPopup.h"

namespace corvane {

class CComboPollingRatePopup : public CWndPopup {
 public:
  static constexpr int kKind = 8;
  explicit CComboPollingRatePopup(GuiState& gui);

  void InitItems() override;
  void DrawItems(QPainter& dc, const CRect& client) override;
  bool OnItemUp(int x, int y) override;
};

}  // namespace corvane
