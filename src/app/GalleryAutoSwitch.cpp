// The per-application profiles dialog in the gallery: with a few applications mapped and
// a class picked from the active window, and the form shown under Wayland.
#include <QLineEdit>

#include "app/Gallery.h"
#include "dialogs/CAutoSwitchDlg.h"
#include "session/AppContext.h"
#include "settings/AutoSwitchMap.h"

namespace corvane {

void RenderAutoSwitchDialogs(AppContext& ctx, GuiState& gui, const GallerySink& sink) {
  AutoSwitchMap map;
  map.Set("Firefox", 1);
  map.Set("steam_app_570", 2);
  map.Set("Blender", 0);
  SaveAutoSwitchMap(map, AutoSwitchFilePath(ctx.DataFolder));
  {
    CAutoSwitchDlg dlg(ctx, gui, [] { return QStringLiteral("Gimp-2.10"); });
    dlg.EnsureInitialized();
    dlg.NextProfile();
    dlg.FinishPick();
    sink.Window(QStringLiteral("dialog-CAutoSwitchDlg"), dlg);
  }
  {
    CAutoSwitchDlg dlg(ctx, gui, {});
    dlg.EnsureInitialized();
    sink.Window(QStringLiteral("dialog-CAutoSwitchDlg-wayland"), dlg);
  }
}

}  // namespace corvane
