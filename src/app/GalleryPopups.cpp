// Every popup of the toolkit with its second item hot (the profile selector: a profile row).
#include <memory>

#include "app/Gallery.h"
#include "session/AppContext.h"
#include "skin/GuiState.h"
#include "widgets/CComboActionInsertPopup.h"
#include "widgets/CComboLightingPopup.h"
#include "widgets/CComboPollingRatePopup.h"
#include "widgets/CComboPopup.h"
#include "widgets/CComboProfilePopup.h"
#include "widgets/CDPILockPopup.h"
#include "widgets/CDPIPopup.h"
#include "widgets/CMacroListPopup.h"
#include "widgets/CMultimediaPopup.h"
#include "widgets/COfficePopup.h"
#include "widgets/CProfilePopup.h"
#include "widgets/CProfileRKeyPopup.h"
#include "widgets/CWindowsManagePopup.h"

namespace corvane {

namespace {

void Shoot(CWndPopup& popup, int hotIndex, const QString& name, const GallerySink& sink) {
  popup.InitItems();
  const auto& items = popup.Items();
  if (hotIndex >= 0 && hotIndex < static_cast<int>(items.size())) {
    const CRect r = items[static_cast<std::size_t>(hotIndex)].rect;
    popup.OnItemHover(r.left + 1, r.top + 1);
  }
  popup.Render();
  sink("popup-" + name, popup.Canvas());
}

}  // namespace

void RenderPopups(AppContext& ctx, GuiState& gui, const GallerySink& sink) {
  {
    CComboPopup p(gui);
    Shoot(p, 5, "CComboPopup", sink);
  }
  {
    CDPIPopup p(gui);
    Shoot(p, 1, "CDPIPopup", sink);
  }
  {
    CDPILockPopup p(gui, ctx.Dpi);
    Shoot(p, 1, "CDPILockPopup", sink);
  }
  {
    CMultimediaPopup p(gui);
    Shoot(p, 1, "CMultimediaPopup", sink);
  }
  {
    COfficePopup p(gui);
    Shoot(p, 1, "COfficePopup", sink);
  }
  {
    CWindowsManagePopup p(gui);
    Shoot(p, 1, "CWindowsManagePopup", sink);
  }
  {
    CProfilePopup p(gui);
    Shoot(p, 1, "CProfilePopup", sink);
  }
  {
    CProfileRKeyPopup p(gui);
    Shoot(p, 1, "CProfileRKeyPopup", sink);
  }
  {
    std::array<std::u16string, 5> names;
    for (int i = 0; i < 3; ++i) names[static_cast<std::size_t>(i)] = ctx.Profiles[i].ProfileName();
    CComboProfilePopup p(gui, names, 0);
    Shoot(p, 2, "CComboProfilePopup", sink);
  }
  {
    CComboPollingRatePopup p(gui);
    Shoot(p, 1, "CComboPollingRatePopup", sink);
  }
  {
    CComboLightingPopup p(gui);
    Shoot(p, 1, "CComboLightingPopup", sink);
  }
  for (int form : {0, 2, 1}) {
    CMacroListPopup p(gui, form);
    Shoot(p, 1, QString("CMacroListPopup-form%1").arg(form), sink);
  }
  {
    CComboActionInsertPopup p(gui);
    Shoot(p, 1, "CComboActionInsertPopup", sink);
  }
}

}  // namespace corvane
