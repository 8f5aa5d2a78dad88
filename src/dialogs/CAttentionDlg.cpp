#include "dialogs/CAttentionDlg.h"

#include <QKeyEvent>

#include "lang/LanguageEntries.h"
#include "skin/MessageMap.h"

namespace corvane {

CAttentionDlg::CAttentionDlg(GuiState& gui, std::u16string title, std::u16string message, QWidget* parent)
    : CSecondaryDlg(gui, parent, 319, 102, u"skins\\Frame_warning.bmp"),
      title_(std::move(title)), message_(std::move(message)) {}

void CAttentionDlg::InitUI(const CRect&) {
  AddCloseButton(300, 4, 315, 19);
  AddTextButton(kIdOk, 240, 70, 309, 90, kTextOk);
  // The title line stays empty: the box shows only its message.
  AddText(kIdTitle, 21, 11, 175, 31, u"", 0x00FE9252, DT_LEFT);
  // A message too long for one line wraps around the band's middle instead of being cut.
  AddText(kIdMessage, 0, 40, 319, 60, message_, kTextGrey,
          DT_CENTER | DT_VCENTER | DT_WORDBREAK | DT_EDITCONTROL | DT_NOCLIP);
}

LRESULT CAttentionDlg::OnOk(WPARAM, LPARAM code) {
  if (code != kNotifyClick) return 0;
  ReleaseControlImages();
  OnOK();
  return 0;
}

LRESULT CAttentionDlg::OnMessage(unsigned msg, WPARAM wParam, LPARAM lParam) {
  static const MessageEntry<CAttentionDlg> kMessageMap[] = {
      {kIdClose, &CAttentionDlg::OnCloseOrCancel},
      {kIdOk, &CAttentionDlg::OnOk},
  };
  LRESULT r = 0;
  DispatchMessageMap<CAttentionDlg>(this, kMessageMap, msg, wParam, lParam, r);
  return r;
}

bool CAttentionDlg::PreTranslateKey(QKeyEvent* e) {
  // No key filter of its own: Enter and Escape keep their usual dialog meaning.
  if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
    OnOK();
    return true;
  }
  if (e->key() == Qt::Key_Escape) {
    OnCancel();
    return true;
  }
  return false;
}

}  // namespace corvane
