#pragma once
// The office shortcuts a button can send (modifier byte, then key usage).
#include "skin/CTablePopup.h"

namespace corvane {

class COfficePopup : public CTablePopup {
 public:
  static constexpr int kKind = 12;
  explicit COfficePopup(GuiState& gui, const Images& images = Images());
};

}  // namespace corvane
