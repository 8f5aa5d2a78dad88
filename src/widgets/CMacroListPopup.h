#pragma once
// The macro manager's menu in three forms: form 0 lists items 1, 2, 4, 7 and 8; form 2
// items 1, 2, 4, 5, 6, 7 and 8; any other form all eight. value[0] = code - 1.
#include "skin/CImagePopup.h"

namespace corvane {

class CMacroListPopup : public CImagePopup {
 public:
  static constexpr int kKind = 15;
  explicit CMacroListPopup(GuiState& gui, int form, const Images& images = Images());

  int Form() const { return form_; }
  void InitItems() override;
  bool OnItemUp(int x, int y) override;

 private:
  int form_;
};

}  // namespace corvane
