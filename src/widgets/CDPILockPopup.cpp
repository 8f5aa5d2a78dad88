#include "widgets/CDPILockPopup.h"

#include "base/TextUtil.h"
#include "lang/LanguageEntries.h"
#include "settings/SensorTables.h"
#include "skin/GuiState.h"

namespace corvane {

CDPILockPopup::CDPILockPopup(GuiState& gui, const DpiStepTables& dpi, const Images& images)
    : CImagePopup(gui, kKind, 162, 22, images), dpi_(dpi) {}

void CDPILockPopup::InitItems() {
  for (int item = 1; item <= kDpiLockItemCount; ++item) AddItem(item, FormatDecimal(DpiLockItemDpi(item)));
}

bool CDPILockPopup::OnItemUp(int x, int y) {
  return ReleaseOnHot(x, y, [this](int code, int index) {
    // The code is read when chosen, for the sensor in force then.
    selection_.text = Gui().Language.Text(kTextDpiLock) + u"-" + items_[static_cast<std::size_t>(index)].text;
    selection_.value = {0x50, DpiLockCode(dpi_, code), 0x00};
    SendChoice();
  });
}

}  // namespace corvane
