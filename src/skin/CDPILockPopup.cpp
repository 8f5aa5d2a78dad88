#include "skin/CDPILockPopup.h"

#include "session/AppContext.h"
#include "settings/SensorTables.h"
#include "base/TextUtil.h"

namespace corvane {

CDPILockPopup::CDPILockPopup(AppContext& ctx, const Images& images) : CImagePopup(ctx, kKind, 162, 22, images) {}

void CDPILockPopup::InitItems() {
  for (int item = 1; item <= kDpiLockItemCount; ++item) AddItem(item, FormatDecimal(DpiLockItemDpi(item)));
}

bool CDPILockPopup::OnItemUp(int x, int y) {
  return ReleaseOnHot(x, y, [this](int code, int index) {
    // The code is read when chosen, for the sensor in force then.
    selection_.text = Ctx().Language.Text(36) + u"-" + items_[static_cast<std::size_t>(index)].text;
    selection_.value = {0x50, DpiLockCode(Ctx().Dpi, code), 0x00};
    SendChoice();
  });
}

}  // namespace corvane
