#pragma once
// Edits a delay step: the field shows its milliseconds; OK stores the typed number,
// limited to 15,300,000 ms (a negative number is stored as 0 ms).
#include "dialogs/CMacroSmallDlg.h"

namespace corvane {

class CActionTimeModifyDlg : public CMacroSmallDlg {
  Q_OBJECT

 public:
  static constexpr long kMaxDelay = 15'300'000;

  CActionTimeModifyDlg(GuiState& gui, MacroAction& step, QWidget* parent = nullptr);

  void InitUI(const CRect& client) override;
  void RunOk() override;
  // The step OK makes of the field's text.
  static MacroAction StepOfText(const std::u16string& text);

 protected:
  bool PreTranslateKey(QKeyEvent* event) override { return FilterEditKeys(event, true); }

 private:
  MacroAction& step_;
};

}  // namespace corvane
