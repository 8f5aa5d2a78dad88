#include "dialogs/CProfileNameDlg.h"

#include <QKeyEvent>
#include <QLineEdit>

#include "lang/LanguageEntries.h"
#include "skin/GuiState.h"
#include "skin/MessageMap.h"

namespace corvane {

CProfileNameDlg::CProfileNameDlg(GuiState& gui, QWidget* parent)
    : CSecondaryDlg(gui, parent, 429, 140, u"skins\\Frame_common.bmp") {}

void CProfileNameDlg::AddNameControls(int titleEntry, int titleRight, const CRect& edit,
                                      const std::u16string& name) {
  AddCloseButton(405, 4, 420, 19);
  AddTextButton(kIdOk, 260, 110, 329, 130, kTextOk);
  AddTextButton(kIdCancel, 350, 110, 419, 130, kTextCancel);
  AddText(kIdTitle, 10, 5, titleRight, 23, Gui().Language.Text(titleEntry), kTextGrey, DT_LEFT);
  AddEdit(edit.left, edit.top, edit.right, edit.bottom, name);
}

std::u16string CProfileNameDlg::TypedName() const { return Edit() ? Edit()->text().toStdU16String() : u""; }

void CProfileNameDlg::RunOk() {
  const std::u16string name = TypedName();
  if (name.empty()) {
    ShowAttention(kTextNameEmpty);
    return;
  }
  StoreName(name);
  ReleaseControlImages();
  OnOK();
}

LRESULT CProfileNameDlg::OnOk(WPARAM, LPARAM code) {
  if (code == kNotifyClick) RunOk();
  return 0;
}

LRESULT CProfileNameDlg::OnMessage(unsigned msg, WPARAM wParam, LPARAM lParam) {
  static const MessageEntry<CProfileNameDlg> kMessageMap[] = {
      {kIdClose, &CProfileNameDlg::OnCloseOrCancel},
      {kIdOk, &CProfileNameDlg::OnOk},
      {kIdCancel, &CProfileNameDlg::OnCloseOrCancel},
  };
  LRESULT r = 0;
  DispatchMessageMap<CProfileNameDlg>(this, kMessageMap, msg, wParam, lParam, r);
  return r;
}

bool CProfileNameDlg::PreTranslateKey(QKeyEvent* e) {
  // Enter confirms; Escape is swallowed so only the cross or Cancel close the dialog.
  if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
    RunOk();
    return true;
  }
  return e->key() == Qt::Key_Escape;
}

}  // namespace corvane
