#include "dialogs/CMacroKeyOrFolderNameDlg.h"

#include "lang/LanguageEntries.h"

namespace corvane {

CMacroKeyOrFolderNameDlg::CMacroKeyOrFolderNameDlg(GuiState& gui, int mode, QWidget* parent)
    : CMacroSmallDlg(gui, parent), mode_(mode) {}

void CMacroKeyOrFolderNameDlg::InitUI(const CRect&) {
  AddFrameControls(kIdTitle, 300, mode_ == kFolder ? kTextNewFolderTitle : kTextNewMacroTitle);
  AddField(u"");
}

void CMacroKeyOrFolderNameDlg::RunOk() {
  newNodeName_ = FieldText();
  EndOk();
}

}  // namespace corvane
