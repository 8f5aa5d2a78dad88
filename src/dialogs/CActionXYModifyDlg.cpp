#include "dialogs/CActionXYModifyDlg.h"

#include <algorithm>
#include <cstdlib>

#include "lang/LanguageEntries.h"

namespace corvane {

namespace {
// Left and up move towards negative coordinates.
bool Negative(int type) { return type == 5 || type == 7; }
}  // namespace

CActionXYModifyDlg::CActionXYModifyDlg(GuiState& gui, MacroAction& step, int type, QWidget* parent)
    : CMacroSmallDlg(gui, parent), step_(step), type_(std::clamp(type, 5, 8)) {}

void CActionXYModifyDlg::InitUI(const CRect&) {
  AddFrameControls(kIdTitle, 300, kTextMoveLeftTitle + type_ - 5);
  const int distance = static_cast<std::int8_t>(step_.bytes[3]);
  AddField(QString::number(Negative(type_) ? std::abs(distance) : distance).toStdU16String());
}

MacroAction CActionXYModifyDlg::StepOfText(const std::u16string& text, int type) {
  const long n = std::clamp(LeadingNumber(text), 1L, 127L);
  MacroAction step;
  step.bytes[0] = type <= 6 ? kMacroMoveX : kMacroMoveY;
  step.bytes[3] = static_cast<std::uint8_t>(static_cast<std::int8_t>(Negative(type) ? -n : n));
  return step;
}

void CActionXYModifyDlg::RunOk() {
  const MacroAction made = StepOfText(FieldText(), type_);
  step_.bytes[0] = made.bytes[0];
  step_.bytes[2] = 0;
  step_.bytes[3] = made.bytes[3];
  EndOk();
}

}  // namespace corvane
