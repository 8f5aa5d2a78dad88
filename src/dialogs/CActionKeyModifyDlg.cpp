#include "dialogs/CActionKeyModifyDlg.h"

#include <QKeyEvent>

#include "lang/LanguageEntries.h"
#include "platform/KeyboardHookKeys.h"
#include "settings/KeyTables.h"

namespace corvane {

CActionKeyModifyDlg::CActionKeyModifyDlg(GuiState& gui, MacroAction& step, QWidget* parent)
    : CMacroSmallDlg(gui, parent), step_(step), chosen_(step.bytes[0]) {}

bool CActionKeyModifyDlg::OnInitDialog() {
  CMacroSmallDlg::OnInitDialog();
  hook_.StartHook(this);
  return true;
}

void CActionKeyModifyDlg::InitUI(const CRect&) {
  AddFrameControls(kIdTitleText, 220, kTextKeyTitle);
  AddText(kIdKeyText, 11, 40, 306, 62, std::u16string(KeyName(chosen_)), kTextWhite, DT_CENTER);
}

LRESULT CActionKeyModifyDlg::OnMessage(unsigned msg, WPARAM wParam, LPARAM lParam) {
  if (msg == kMsgKeyboardHook) {
    chosen_ = static_cast<std::uint8_t>(wParam & 0xFF);
    if (CControlBase* text = FindControl(kIdKeyText)) {
      text->SetText(std::u16string(KeyName(chosen_)));
      InvalidateRect(text->GetRect());
    }
    return 0;
  }
  return CMacroSmallDlg::OnMessage(msg, wParam, lParam);
}

bool CActionKeyModifyDlg::event(QEvent* e) {
  std::uint8_t key = 0;
  std::uint32_t lParam = 0;
  if (hook_.Take(e, key, lParam)) {
    OnMessage(kMsgKeyboardHook, key, static_cast<LPARAM>(lParam));
    return true;
  }
  return CMacroSmallDlg::event(e);
}

void CActionKeyModifyDlg::RunOk() {
  hook_.StopHook();
  step_.bytes[0] = chosen_;
  EndOk();
}

bool CActionKeyModifyDlg::PreTranslateKey(QKeyEvent* e) {
  if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
    ReleaseControlImages();
    EndDialog(IDOK);
    return true;
  }
  if (e->key() == Qt::Key_Escape) {
    ReleaseControlImages();
    EndDialog(IDCANCEL);
    return true;
  }
  return false;
}

void CActionKeyModifyDlg::done(int r) {
  hook_.StopHook();
  CMacroSmallDlg::done(r);
}

}  // namespace corvane
