#include "dialogs/PairingDialog.h"

#include "dialogs/CParingDlg.h"

namespace corvane {

int RunPairingDialog(QWidget* parent, GuiState& gui, DeviceSession& session) {
  CParingDlg dlg(gui, session, parent);
  return dlg.DoModal();
}

}  // namespace corvane
