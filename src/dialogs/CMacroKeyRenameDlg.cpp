#include "dialogs/CMacroKeyRenameDlg.h"

#include "lang/LanguageEntries.h"

namespace corvane {

CMacroKeyRenameDlg::CMacroKeyRenameDlg(GuiState& gui, std::u16string currentName, QWidget* parent)
    : CMacroSmallDlg(gui, parent), currentName_(std::move(currentName)) {}

void CMacroKeyRenameDlg::InitUI(const CRect&) {
  AddFrameControls(kIdTitle, 300, kTextRenameTitle);
  AddField(currentName_);
}

void CMacroKeyRenameDlg::RunOk() {
  renameResult_ = FieldText();
  ReleaseControlImages();
  if (renameResult_ != currentName_) OnOK();
  else OnCancel();
}

}  // namespace corvane
