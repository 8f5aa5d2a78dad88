#pragma once
// The window-management functions a button can send.
#include "skin/CTablePopup.h"

namespace corvane {

class CWindowsManagePopup : public CTablePopup {
 public:
  static constexpr int kKind = 11;
  explicit CWindowsManagePopup(GuiState& gui, const Images& images = Images());
};

}  // namespace corvane
