#include "dialogs/CActionTimeModifyDlg.h"

#include <algorithm>

#include "lang/LanguageEntries.h"

namespace corvane {

CActionTimeModifyDlg::CActionTimeModifyDlg(GuiState& gui, MacroAction& step, QWidget* parent)
    : CMacroSmallDlg(gui, parent), step_(step) {}

void CActionTimeModifyDlg::InitUI(const CRect&) {
  AddFrameControls(kIdTitle, 220, kTextDelayTitle);
  AddField(QString::number(DelayOf(step_)).toStdU16String());
}

MacroAction CActionTimeModifyDlg::StepOfText(const std::u16string& text) {
  // The step keeps 24 bits of milliseconds; a negative number would wrap to FF FF FF.
  const long n = std::clamp(LeadingNumber(text), 0L, kMaxDelay);
  return MakeDelayStep(static_cast<std::uint32_t>(n));
}

void CActionTimeModifyDlg::RunOk() {
  step_ = StepOfText(FieldText());
  EndOk();
}

}  // namespace corvane
