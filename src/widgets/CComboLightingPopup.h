#pragma once
// The lighting effects: codes 1 to 7 choose effect 1 to 7, code 10 turns the light off (0).
#include "skin/CTablePopup.h"

namespace corvane {

class CComboLightingPopup : public CTablePopup {
 public:
  static constexpr int kKind = 9;
  explicit CComboLightingPopup(GuiState& gui, const Images& images = Images());
};

}  // namespace corvane
