#pragma once
// The DPI-lock submenu: eleven fixed resolutions; the value's middle byte is the
// sensor's code for the chosen resolution.
#include "skin/CWndPopup.h"

namespace corvane {

class CDPILockPopup : public CImagePopup {
 public:
  static constexpr int kKind = 10;
  explicit CDPILockPopup(AppContext& ctx, const Images& images = Images());

  void InitItems() override;
  bool OnItemUp(int x, int y) override;
};

}  // namespace corvane
