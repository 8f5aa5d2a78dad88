#include "dialogs/CQuickLaunchDlg.h"

#include <QDir>
#include <QFileDialog>
#include <QKeyEvent>

#include "lang/LanguageEntries.h"
#include "settings/ButtonAssignment.h"
#include "skin/CImageButton.h"
#include "skin/GuiState.h"
#include "skin/MessageMap.h"

namespace corvane {

namespace {

// Programs, documents and desktop entries can all be started; the first filter shows
// every file so that programs without a suffix are found.
const QString kLaunchFilters = QStringLiteral("All files (*);;Desktop entries (*.desktop)");

}  // namespace

CQuickLaunchDlg::CQuickLaunchDlg(GuiState& gui, QWidget* parent)
    : CSecondaryDlg(gui, parent, 429, 140, u"skins\\Frame_launch.bmp") {}

void CQuickLaunchDlg::InitUI(const CRect&) {
  AddCloseButton(405, 4, 420, 19);
  AddTextButton(kIdOk, 260, 110, 329, 130, kTextOk);
  AddTextButton(kIdCancel, 350, 110, 419, 130, kTextCancel);
  AddText(kIdLaunchTitle, 10, 5, 390, 23, Gui().Language.Text(kTextQuickLaunchTitle), kTextGrey, DT_LEFT);
  auto browse = std::make_unique<CImageButton>(this, kIdBrowse, Design(380, 52, 412, 84), u"", DT_CENTER);
  browse->LoadNormalImage(u"skins\\Launch_nr.png");
  browse->LoadHoverImage(u"skins\\Launch_ov.png");
  AddControl(0, std::move(browse));
  AddText(kIdPath, 16, 52, 372, 84, u"", kTextWhite, DT_LEFT | DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS);
}

void CQuickLaunchDlg::Browse() {
  QFileDialog dialog(this, QString::fromStdU16String(Gui().Language.Text(kTextQuickLaunchTitle)), QDir::currentPath(),
                     kLaunchFilters);
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  // Cancelling keeps the previous choice.
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
  SetChosenPath(dialog.selectedFiles().front());
}

void CQuickLaunchDlg::SetChosenPath(const QString& path) {
  path_ = QDir::toNativeSeparators(path).toStdU16String();
  if (CControlBase* text = FindControl(kIdPath)) {
    text->SetText(path_);
    InvalidateRect(text->GetRect());
  }
}

LRESULT CQuickLaunchDlg::OnBrowse(WPARAM, LPARAM code) {
  if (code == kNotifyClick) Browse();
  return 0;
}

LRESULT CQuickLaunchDlg::OnOk(WPARAM, LPARAM code) {
  if (code != kNotifyClick) return 0;
  ReleaseControlImages();
  OnCancel();
  if (path_.empty()) return 0;
  const ButtonFunction launch = QuickLaunchChoice(path_);
  record_.text = launch.Label;
  record_.value = launch.Value;
  if (auto* owner = qobject_cast<CDlgBase*>(parentWidget()))
    owner->SendMessage(kResultMessage, reinterpret_cast<WPARAM>(&path_), reinterpret_cast<LPARAM>(&record_));
  return 0;
}

LRESULT CQuickLaunchDlg::OnMessage(unsigned msg, WPARAM wParam, LPARAM lParam) {
  static const MessageEntry<CQuickLaunchDlg> kMessageMap[] = {
      {kIdClose, &CQuickLaunchDlg::OnCloseOrCancel},
      {kIdOk, &CQuickLaunchDlg::OnOk},
      {kIdCancel, &CQuickLaunchDlg::OnCloseOrCancel},
      {kIdBrowse, &CQuickLaunchDlg::OnBrowse},
  };
  LRESULT r = 0;
  DispatchMessageMap<CQuickLaunchDlg>(this, kMessageMap, msg, wParam, lParam, r);
  return r;
}

bool CQuickLaunchDlg::PreTranslateKey(QKeyEvent* e) {
  return e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter || e->key() == Qt::Key_Escape;
}

}  // namespace corvane
