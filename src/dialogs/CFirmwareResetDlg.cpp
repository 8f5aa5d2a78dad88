#include "dialogs/CFirmwareResetDlg.h"

#include <QKeyEvent>

#include "lang/LanguageEntries.h"
#include "skin/GuiState.h"
#include "skin/MessageMap.h"

namespace corvane {

CFirmwareResetDlg::CFirmwareResetDlg(GuiState& gui, QWidget* parent)
    : CSecondaryDlg(gui, parent, 429, 140, u"skins\\Frame_common.bmp") {}

void CFirmwareResetDlg::InitUI(const CRect&) {
  AddCloseButton(405, 4, 420, 19);
  AddTextButton(kIdOk, 260, 110, 329, 130, kTextOk);
  AddTextButton(kIdCancel, 350, 110, 419, 130, kTextCancel);
  AddText(kIdText, 0, 60, 429, 108, Gui().Language.Text(kTextResetConfirm), kTextGrey,
          DT_CENTER | DT_VCENTER | DT_WORDBREAK | DT_EDITCONTROL);
}

void CFirmwareResetDlg::Confirm() {
  ReleaseControlImages();
  OnOK();
}

LRESULT CFirmwareResetDlg::OnOk(WPARAM, LPARAM code) {
  if (code == kNotifyClick) Confirm();
  return 0;
}

LRESULT CFirmwareResetDlg::OnMessage(unsigned msg, WPARAM wParam, LPARAM lParam) {
  static const MessageEntry<CFirmwareResetDlg> kMessageMap[] = {
      {kIdClose, &CFirmwareResetDlg::OnCloseOrCancel},
      {kIdOk, &CFirmwareResetDlg::OnOk},
      {kIdCancel, &CFirmwareResetDlg::OnCloseOrCancel},
  };
  LRESULT r = 0;
  DispatchMessageMap<CFirmwareResetDlg>(this, kMessageMap, msg, wParam, lParam, r);
  return r;
}

bool CFirmwareResetDlg::PreTranslateKey(QKeyEvent* e) {
  if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
    Confirm();
    return true;
  }
  return e->key() == Qt::Key_Escape;
}

}  // namespace corvane
