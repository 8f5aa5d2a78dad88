#pragma once
// The DPI functions a button can take: DPI up, DPI down, DPI cycle.
#include "skin/CTablePopup.h"

namespace corvane {

class CDPIPopup : public CTablePopup {
 public:
  static constexpr int kKind = 2;
  explicit CDPIPopup(GuiState& gui, const Images& images = Images());
};

}  // namespace corvane
