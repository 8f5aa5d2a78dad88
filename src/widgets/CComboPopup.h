#pragma once
// The button-assignment menu: seventeen functions, five of which open a submenu. Moving
// onto an item tells the owner which submenu (if any) to show; choosing a plain function
// reports its three-byte button value, and four items ask the owner to open a dialog.
#include "skin/CImagePopup.h"

namespace corvane {

class CComboPopup : public CImagePopup {
 public:
  static constexpr int kKind = 0;
  // Hover reports: the item with a submenu, or any other item.
  static constexpr unsigned kHoverDpi = 1040, kHoverMultimedia = 1043, kHoverOffice = 1160,
                            kHoverWindows = 1157, kHoverDpiLock = 1154, kHoverPlain = 1033;
  // Items that open a dialog.
  static constexpr unsigned kOpenFireKey = 1062, kOpenMacroPicker = 1065, kOpenKeyCombination = 1035,
                            kOpenQuickLaunch = 1037;

  explicit CComboPopup(GuiState& gui, const Images& images = Images());

  void InitItems() override;
  bool OnItemHover(int x, int y) override;
  bool OnItemUp(int x, int y) override;
};

}  // namespace corvane
