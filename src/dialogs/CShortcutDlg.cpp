#include "dialogs/CShortcutDlg.h"

#include "lang/LanguageEntries.h"
#include "platform/KeyboardHookKeys.h"
#include "skin/CCheckButton.h"
#include "skin/CStaticText.h"
#include "skin/GuiState.h"

namespace corvane {

CShortcutDlg::CShortcutDlg(GuiState& gui, QWidget* parent)
    : CSecondaryDlg(gui, parent, 429, 140, u"skins\\Frame_common.bmp") {}

bool CShortcutDlg::OnInitDialog() {
  CSecondaryDlg::OnInitDialog();
  hook_.StartHook(this);
  return true;
}

CCheckButton* CShortcutDlg::AddCheck(unsigned id, int left, int top, int captionRight, std::u16string caption) {
  auto check = std::make_unique<CCheckButton>(this, id, Design(left, top, left + 11, top + 11), u"", DT_LEFT);
  check->LoadNormalImage(u"skins\\check_nr.png");
  check->LoadHoverImage(u"skins\\check_ov.png");
  check->LoadCheckedImage(u"skins\\check_dn.png");
  CCheckButton* raw = AddControl(0, std::move(check));
  CStaticText* label = AddText(id + 100, left + 16, top - 3, captionRight, top + 14, std::move(caption), kTextGrey,
                               DT_LEFT);
  label->SetFont(13, u"Tahoma");
  return raw;
}

void CShortcutDlg::InitUI(const CRect&) {
  AddCloseButton(405, 4, 420, 19);
  AddText(kIdTitleText, 10, 5, 390, 23, Gui().Language.Text(kTextShortcutTitle), kTextGrey, DT_LEFT);
  AddText(kIdKeyText, 20, 36, 409, 62, u"", kTextWhite, DT_CENTER);
  AddCheck(kIdCtrl, 20, 78, 85, u"Ctrl");
  AddCheck(kIdShift, 95, 78, 160, u"Shift");
  AddCheck(kIdAlt, 170, 78, 235, u"Alt");
  AddCheck(kIdWin, 245, 78, 310, u"Win");
  AddCheck(kIdKeyOnly, 320, 78, 420, Gui().Language.Text(kTextShortcutKeyOnly));
  AddTextButton(kIdOk, 260, 110, 329, 130, kTextOk);
  AddTextButton(kIdCancel, 350, 110, 419, 130, kTextCancel);
}

bool CShortcutDlg::IsChecked(unsigned id) const {
  const auto* check = dynamic_cast<const CCheckButton*>(FindControl(id));
  return check && check->Checked();
}

LRESULT CShortcutDlg::OnMessage(unsigned msg, WPARAM wParam, LPARAM code) {
  switch (msg) {
    case kMsgKeyboardHook: {
      const auto key = static_cast<std::uint8_t>(wParam & 0xFF);
      if (IsIgnoredShortcutKey(key)) return 0;
      captured_.KeyName = std::u16string(KeyName(key));
      captured_.KeyCode = KeyUsage(key);
      if (CControlBase* text = FindControl(kIdKeyText)) {
        text->SetText(captured_.KeyName);
        InvalidateRect(text->GetRect());
      }
      return 0;
    }
    case kIdKeyOnly:
      if (code == kNotifyClick) {
        // The key alone: the modifier boxes no longer count.
        const bool off = IsChecked(kIdKeyOnly);
        for (unsigned id : {kIdCtrl, kIdShift, kIdAlt, kIdWin}) {
          if (CControlBase* c = FindControl(id)) {
            c->SetDisabled(off);
            InvalidateRect(c->GetRect());
          }
        }
      }
      return 0;
    case kIdOk:
      if (code == kNotifyClick) RunOk();
      return 0;
    case kIdClose:
    case kIdCancel:
      return OnCloseOrCancel(wParam, code);
    default:
      return 0;
  }
}

void CShortcutDlg::RunOk() {
  captured_.KeyOnly = IsChecked(kIdKeyOnly);
  captured_.Ctrl = IsChecked(kIdCtrl);
  captured_.Shift = IsChecked(kIdShift);
  captured_.Alt = IsChecked(kIdAlt);
  captured_.Win = IsChecked(kIdWin);
  choice_ = KeyCombinationChoice(captured_);
  hook_.StopHook();
  ReleaseControlImages();
  EndDialog(choice_ ? IDOK : IDCANCEL);
}

bool CShortcutDlg::event(QEvent* e) {
  std::uint8_t key = 0;
  std::uint32_t lParam = 0;
  if (hook_.Take(e, key, lParam)) {
    OnMessage(kMsgKeyboardHook, key, static_cast<LPARAM>(lParam));
    return true;
  }
  return CSecondaryDlg::event(e);
}

void CShortcutDlg::done(int r) {
  hook_.StopHook();
  CSecondaryDlg::done(r);
}

std::optional<ButtonFunction> RunShortcutDialog(QWidget* parent, GuiState& gui) {
  CShortcutDlg dlg(gui, parent);
  dlg.DoModal();
  return dlg.Choice();
}

}  // namespace corvane
