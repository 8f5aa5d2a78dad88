#pragma once
// The DPI-lock submenu: eleven fixed resolutions; the value's middle byte is the
// sensor's code for the chosen resolution.
#include "skin/CImagePopup.h"

namespace corvane {

struct DpiStepTables;

class CDPILockPopup : public CImagePopup {
 public:
  static constexpr int kKind = 10;
  // dpi: the tables of the sensor in force; the popup keeps a reference, not a copy.
  CDPILockPopup(GuiState& gui, const DpiStepTables& dpi, const Images& images = Images());

  void InitItems() override;
  bool OnItemUp(int x, int y) override;

 private:
  const DpiStepTables& dpi_;
};

}  // namespace corvane
