#pragma once
// Asks for a node's new name, starting from its current one. OK with the name unchanged
// ends the dialog as cancelled, so the caller changes nothing.
#include "dialogs/CMacroSmallDlg.h"

namespace corvane {

class CMacroKeyRenameDlg : public CMacroSmallDlg {
  Q_OBJECT

 public:
  CMacroKeyRenameDlg(GuiState& gui, std::u16string currentName, QWidget* parent = nullptr);

  void InitUI(const CRect& client) override;
  void RunOk() override;
  // The text of the field when OK was pressed; empty before.
  const std::u16string& RenameResult() const { return renameResult_; }

 protected:
  bool PreTranslateKey(QKeyEvent* event) override { return FilterEditKeys(event, false); }

 private:
  std::u16string currentName_;
  std::u16string renameResult_;
};

}  // namespace corvane
