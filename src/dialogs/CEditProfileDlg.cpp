#include "dialogs/CEditProfileDlg.h"

#include "lang/LanguageEntries.h"

namespace corvane {

CEditProfileDlg::CEditProfileDlg(GuiState& gui, SettingPair& nameSetting, QWidget* parent)
    : CProfileNameDlg(gui, parent), name_(nameSetting) {}

void CEditProfileDlg::InitUI(const CRect&) {
  AddNameControls(kTextEditProfileTitle, 220, {11, 40, 306, 62}, name_.Value);
}

void CEditProfileDlg::StoreName(const std::u16string& name) { name_.Value = name; }

}  // namespace corvane
