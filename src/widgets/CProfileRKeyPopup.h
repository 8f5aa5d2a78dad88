#pragma once
// The context menu of a profile: the four profile commands, value[0] = code - 1.
#include "skin/CTablePopup.h"

namespace corvane {

class CProfileRKeyPopup : public CTablePopup {
 public:
  static constexpr int kKind = 13;
  explicit CProfileRKeyPopup(GuiState& gui, const Images& images = Images());
};

}  // namespace corvane
