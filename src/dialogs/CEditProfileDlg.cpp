#include "dialogs/CEditProfileDlg.h"

#include <QLineEdit>

#include "settings/AppContext.h"

namespace corvane {

namespace {
constexpr int kTextOk = 4, kTextCancel = 5, kTextEditTitle = 144;
}  // namespace

CEditProfileDlg::CEditProfileDlg(AppContext& ctx, SettingPair& nameSetting, QWidget* parent)
    : CProfileNameDlg(ctx, parent), name_(nameSetting) {}

void CEditProfileDlg::InitUI(const CRect&) {
  AddCloseButton(405, 4, 420, 19);
  AddTextButton(kIdOk, 260, 110, 329, 130, kTextOk);
  AddTextButton(kIdCancel, 350, 110, 419, 130, kTextCancel);
  AddText(kIdTitle, 10, 5, 220, 23, Context().Language.Text(kTextEditTitle), kTextGrey, DT_LEFT);
  AddEdit(11, 40, 306, 62, name_.Value);
}

void CEditProfileDlg::StoreName(const std::u16string& name) { name_.Value = name; }

}  // namespace corvane
