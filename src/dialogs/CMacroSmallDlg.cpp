#include "dialogs/CMacroSmallDlg.h"

#include <QKeyEvent>
#include <QLineEdit>

#include "lang/LanguageEntries.h"
#include "skin/GuiState.h"
#include "skin/MessageMap.h"

namespace corvane {

CMacroSmallDlg::CMacroSmallDlg(GuiState& gui, QWidget* parent)
    : CSecondaryDlg(gui, parent, kDesignWidth, kDesignHeight, u"skins\\Frame_common.bmp") {}

void CMacroSmallDlg::AddFrameControls(unsigned titleId, int titleRight, int titleEntry) {
  AddCloseButton(300, 4, 315, 19);
  AddTextButton(kIdOk, 170, 70, 235, 93, kTextOk);
  AddTextButton(kIdCancel, 240, 70, 305, 93, kTextCancel);
  AddText(titleId, 10, 3, titleRight, 21, Gui().Language.Text(titleEntry), kTextGrey, DT_LEFT);
}

void CMacroSmallDlg::AddField(const std::u16string& text) { AddEdit(11, 40, 306, 62, text); }

std::u16string CMacroSmallDlg::FieldText() const { return Edit() ? Edit()->text().toStdU16String() : u""; }

void CMacroSmallDlg::EndOk() {
  ReleaseControlImages();
  OnOK();
}

LRESULT CMacroSmallDlg::OnOk(WPARAM, LPARAM code) {
  if (code == kNotifyClick) RunOk();
  return 0;
}

LRESULT CMacroSmallDlg::OnMessage(unsigned msg, WPARAM wParam, LPARAM lParam) {
  static const MessageEntry<CMacroSmallDlg> kMessageMap[] = {
      {kIdClose, &CMacroSmallDlg::OnCloseOrCancel},
      {kIdOk, &CMacroSmallDlg::OnOk},
      {kIdCancel, &CMacroSmallDlg::OnCloseOrCancel},
  };
  LRESULT r = 0;
  DispatchMessageMap<CMacroSmallDlg>(this, kMessageMap, msg, wParam, lParam, r);
  return r;
}

bool CMacroSmallDlg::FilterEditKeys(QKeyEvent* e, bool digitsOnly) {
  if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
    RunOk();
    return true;
  }
  if (e->key() == Qt::Key_Escape) return true;
  if (digitsOnly && e->key() != Qt::Key_Backspace && !e->text().isEmpty()) {
    const QChar c = e->text().front();
    if (c < QLatin1Char('0') || c > QLatin1Char('9')) ShowAttention(kTextDigitsOnly);
  }
  return false;
}

long LeadingNumber(const std::u16string& text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == u' ' || text[i] == u'\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) negative = text[i++] == u'-';
  long n = 0;
  for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
    n = n * 10 + (text[i] - u'0');
    if (n > 1'000'000'000L) n = 1'000'000'000L;
  }
  return negative ? -n : n;
}

}  // namespace corvane
