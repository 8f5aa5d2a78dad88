#include "dialogs/CFireKeyDlg.h"

#include <QKeyEvent>
#include <QLineEdit>

#include "base/TextUtil.h"
#include "dialogs/CAttentionDlg.h"
#include "lang/LanguageEntries.h"
#include "settings/ButtonAssignment.h"
#include "skin/GuiState.h"
#include "skin/MessageMap.h"

namespace corvane {

namespace {

constexpr long kMaxValue = 255;
constexpr long kMinIntervalExclusive = 4;
const QString kMaxText = QStringLiteral("255");

}  // namespace

long LeadingNumber(const QString& text) {
  int i = 0;
  while (i < text.size() && text[i].isSpace()) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) negative = text[i++] == u'-';
  long n = 0;
  for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
    n = n * 10 + (text[i].unicode() - u'0');
    if (n > 1000000) break;  // far beyond any value the dialog keeps
  }
  return negative ? -n : n;
}

CFireKeyDlg::CFireKeyDlg(GuiState& gui, QWidget* parent, std::optional<ButtonValue> current)
    : CSecondaryDlg(gui, parent, 429, 140, u"skins\\Frame_common.bmp"), current_(current) {}

void CFireKeyDlg::InitUI(const CRect&) {
  const LanguageTable& lang = Gui().Language;
  AddCloseButton(405, 4, 420, 19);
  AddTextButton(kIdOk, 260, 110, 329, 130, kTextOk);
  AddTextButton(kIdCancel, 350, 110, 419, 130, kTextCancel);
  AddText(kIdTitle, 10, 5, 390, 23, lang.Text(kTextFireKeyTitle), kTextGrey, DT_LEFT);
  AddText(kIdIntervalLabel, 20, 38, 130, 60, lang.Text(kTextFireInterval), kTextGrey, DT_LEFT | DT_SINGLELINE);
  AddText(kIdCountLabel, 20, 70, 130, 92, lang.Text(kTextFireCount), kTextGrey, DT_LEFT | DT_SINGLELINE);
  AddText(kIdNote, 230, 36, 419, 100, lang.Text(kTextFireNote), kTextGrey, DT_LEFT | DT_WORDBREAK | DT_EDITCONTROL);
  const std::u16string interval = current_ ? FormatDecimal((*current_)[1]) : u"";
  const std::u16string count = current_ ? FormatDecimal((*current_)[2]) : u"";
  // Both boxes are the dialog's edit box 2017 (black on white); the interval takes the focus.
  count_ = AddEdit(135, 70, 215, 92, count);
  interval_ = AddEdit(135, 38, 215, 60, interval);
  interval_->setObjectName(QStringLiteral("interval"));
  count_->setObjectName(QStringLiteral("count"));
}

bool CFireKeyDlg::OnInitDialog() {
  CSecondaryDlg::OnInitDialog();
  SetTimer(kCheckTimer, kCheckMs);
  return true;
}

void CFireKeyDlg::Warn(int entry) {
  CAttentionDlg box(Gui(), Gui().Language.Text(kTextAttentionTitle), Gui().Language.Text(entry), this);
  box.DoModal();
}

void CFireKeyDlg::OnTimer(int id) {
  if (id != kCheckTimer || !interval_ || !count_) return;
  if (LeadingNumber(interval_->text()) > kMaxValue) {
    interval_->setText(kMaxText);
    Warn(kTextFireIntervalRange);
  }
  if (LeadingNumber(count_->text()) > kMaxValue) {
    count_->setText(kMaxText);
    Warn(kTextFireCountRange);
  }
}

void CFireKeyDlg::RunOk(WPARAM wParam) {
  const long interval = LeadingNumber(interval_->text());
  if (interval <= kMinIntervalExclusive) {
    Warn(kTextFireIntervalRange);
    return;
  }
  // Values the timer has not corrected yet are refused rather than cut to a byte.
  const FireKeyOutcome fire = FireKeyChoice(Gui().Language, interval, LeadingNumber(count_->text()));
  if (!fire.Choice) {
    Warn(fire.RefusalText);
    return;
  }
  record_.text = fire.Choice->Label;
  record_.value = fire.Choice->Value;
  KillTimer(kCheckTimer);
  if (auto* owner = qobject_cast<CDlgBase*>(parentWidget()))
    owner->SendMessage(kResultMessage, wParam, reinterpret_cast<LPARAM>(&record_));
  ReleaseControlImages();
  OnOK();
}

LRESULT CFireKeyDlg::OnOk(WPARAM wParam, LPARAM code) {
  if (code == kNotifyClick) RunOk(wParam);
  return 0;
}

LRESULT CFireKeyDlg::OnMessage(unsigned msg, WPARAM wParam, LPARAM lParam) {
  static const MessageEntry<CFireKeyDlg> kMessageMap[] = {
      {kIdClose, &CFireKeyDlg::OnCloseOrCancel},
      {kIdOk, &CFireKeyDlg::OnOk},
      {kIdCancel, &CFireKeyDlg::OnCloseOrCancel},
  };
  LRESULT r = 0;
  DispatchMessageMap<CFireKeyDlg>(this, kMessageMap, msg, wParam, lParam, r);
  return r;
}

bool CFireKeyDlg::PreTranslateKey(QKeyEvent* e) {
  if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter || e->key() == Qt::Key_Escape) return true;
  // A typed character that is not a digit is warned about, then typed as usual.
  const QString text = e->text();
  if (text.size() == 1 && text[0].isPrint() && !(text[0] >= u'0' && text[0] <= u'9')) Warn(kTextDigitsOnly);
  return false;
}

}  // namespace corvane
