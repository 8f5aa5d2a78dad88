#pragma once
// The media keys a button can send (consumer-control usages, low byte first).
#include "skin/CTablePopup.h"

namespace corvane {

class CMultimediaPopup : public CTablePopup {
 public:
  static constexpr int kKind = 3;
  explicit CMultimediaPopup(GuiState& gui, const Images& images = Images());
};

}  // namespace corvane
