#pragma once
// What the macro editor can insert: three mouse buttons and six further step kinds, value[0] = code - 1.
#include "skin/CTablePopup.h"

namespace corvane {

class CComboActionInsertPopup : public CTablePopup {
 public:
  static constexpr int kKind = 14;
  explicit CComboActionInsertPopup(GuiState& gui, const Images& images = Images());
};

}  // namespace corvane
