#include "dialogs/FirmwareDialog.h"

#include "device/DeviceLink.h"
#include "dialogs/CAttentionDlg.h"
#include "dialogs/CCheckFWDlg.h"
#include "lang/LanguageEntries.h"
#include "session/DeviceSession.h"
#include "skin/GuiState.h"

namespace corvane {

bool WiredMouseReady(const DeviceLink& link) { return link.Role(DeviceRole::Wired).Present != 0; }

FirmwareDialogEnd RunFirmwareDialog(QWidget* parent, GuiState& gui, DeviceSession& session) {
  FirmwareDialogEnd end;
  if (!WiredMouseReady(session.Link())) {
    CAttentionDlg box(gui, u"", gui.Language.Text(kTextWiredMouseNeeded), parent);
    box.DoModal();
    return end;
  }
  end.opened = true;
  CCheckFWDlg dlg(gui, session, parent);
  dlg.DoModal();
  end.result = dlg.CheckResult();
  return end;
}

}  // namespace corvane
