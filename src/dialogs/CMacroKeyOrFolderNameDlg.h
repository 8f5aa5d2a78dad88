#pragma once
// Asks for the name of a new macro (mode 0) or folder (mode 1). Empty names and clashes
// are the caller's to judge.
#include "dialogs/CMacroSmallDlg.h"

namespace corvane {

class CMacroKeyOrFolderNameDlg : public CMacroSmallDlg {
  Q_OBJECT

 public:
  enum Mode { kMacro = 0, kFolder = 1 };
  CMacroKeyOrFolderNameDlg(GuiState& gui, int mode, QWidget* parent = nullptr);

  void InitUI(const CRect& client) override;
  void RunOk() override;
  // The name typed when the dialog ended with OK; empty before.
  const std::u16string& NewNodeName() const { return newNodeName_; }

 protected:
  bool PreTranslateKey(QKeyEvent* event) override { return FilterEditKeys(event, false); }

 private:
  int mode_;
  std::u16string newNodeName_;
};

}  // namespace corvane
