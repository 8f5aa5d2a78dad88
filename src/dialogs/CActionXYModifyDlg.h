#pragma once
// Edits a movement step for insert types 5..8 (left, right, up, down): the field shows
// the distance; OK stores 1..127 with the sign of the direction.
#include "dialogs/CMacroSmallDlg.h"

namespace corvane {

class CActionXYModifyDlg : public CMacroSmallDlg {
  Q_OBJECT

 public:
  // type: 5 left, 6 right, 7 up, 8 down.
  CActionXYModifyDlg(GuiState& gui, MacroAction& step, int type, QWidget* parent = nullptr);

  void InitUI(const CRect& client) override;
  void RunOk() override;
  static MacroAction StepOfText(const std::u16string& text, int type);

 protected:
  bool PreTranslateKey(QKeyEvent* event) override { return FilterEditKeys(event, true); }

 private:
  MacroAction& step_;
  int type_;
};

}  // namespace corvane
