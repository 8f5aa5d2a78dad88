#include "dialogs/CEditProfileDlg.h"

namespace corvane {

namespace {
constexpr int kTextEditTitle = 144;
}  // namespace

CEditProfileDlg::CEditProfileDlg(GuiState& gui, SettingPair& nameSetting, QWidget* parent)
    : CProfileNameDlg(gui, parent), name_(nameSetting) {}

void CEditProfileDlg::InitUI(const CRect&) { AddNameControls(kTextEditTitle, 220, {11, 40, 306, 62}, name_.Value); }

void CEditProfileDlg::StoreName(const std::u16string& name) { name_.Value = name; }

}  // namespace corvane
