#include "dialogs/CCheckFWDlg.h"

#include <algorithm>

#include <QCloseEvent>
#include <QKeyEvent>

#include "device/FirmwareReport.h"
#include "device/FirmwareTexts.h"
#include "lang/LanguageEntries.h"
#include "session/DeviceSession.h"
#include "skin/CStaticProgressBar.h"
#include "skin/CStaticText.h"
#include "skin/GuiState.h"
#include "skin/MessageMap.h"

namespace corvane {

namespace {

LoadedImages CarriedImages() { return LoadFirmwareImages(ApplicationImage(), LoaderImage()); }

}  // namespace

CCheckFWDlg::CCheckFWDlg(GuiState& gui, DeviceSession& session, QWidget* parent, const LoadedImages* images)
    : CSecondaryDlg(gui, parent, kDesignWidth, kDesignHeight, u"skins\\Frame_pairing.bmp"),
      session_(session),
      ownImages_(images ? LoadedImages{} : CarriedImages()),
      images_(images ? *images : ownImages_),
      worker_(session, gui.Language, images_) {}

CCheckFWDlg::~CCheckFWDlg() { worker_.Wait(); }

void CCheckFWDlg::InitUI(const CRect&) {
  AddCloseButton(405, 4, 420, 19);
  const std::u16string imageChecksum =
      images_.ApplicationError ? std::u16string() : ImageChecksumText(images_.ApplicationHeader.CS());
  AddText(kIdImageChecksum, 5, 5, 305, 25, imageChecksum, kTextGrey, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
  AddText(kIdDeviceChecksum, 5, 35, 305, 55, u"", kTextGrey, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
  auto bar = std::make_unique<CStaticProgressBar>(this, kStaticProgressBarId, Design(40, 60, 390, 64), u"");
  bar->LoadBackgroundImage(u"skins\\progress_bar_nr.png");
  bar->LoadFillImage(u"skins\\progress_bar_ov.png");
  bar->SetMaximum(std::max(1, static_cast<int>(images_.Application.size() / FirmwareFlash::kBlockSize) * 5));
  bar->SetValue(0);
  bar_ = AddControl(0, std::move(bar));
  AddText(kIdProgressText, 0, 68, 429, 88, InitialProgressText(), kTextGrey, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  AddText(kIdStatus, 5, 130, 405, 190, u"", kTextGrey, DT_LEFT | DT_WORDBREAK | DT_EDITCONTROL);
  AddTextButton(kIdCancel, 350, 110, 419, 130, kTextCancel);
}

bool CCheckFWDlg::OnInitDialog() {
  CSecondaryDlg::OnInitDialog();
  SetTimer(kCheckTimer, kCheckDelayMs);
  return true;
}

void CCheckFWDlg::OnTimer(int id) {
  if (id != kCheckTimer) return;
  KillTimer(kCheckTimer);
  StartCheck();
}

void CCheckFWDlg::StartCheck() {
  // One check, and at most one update, per opening.
  if (checkStarted_) return;
  checkStarted_ = true;
  FirmwareDialogSink sink;
  sink.deviceChecksum = [this](const std::u16string& text) { ShowDeviceChecksum(text); };
  sink.status = [this](const FirmwareStatus& s) { ShowStatus(s.text); };
  sink.progress = [this](const FirmwareProgress& p) { ShowProgress(p.value, p.total, p.text); };
  sink.finished = [this](const FirmwareResult& r) {
    result_ = r;
    worker_.Wait();
  };
  worker_.Start(this, std::move(sink));
}

void CCheckFWDlg::SetText(unsigned id, const std::u16string& text) {
  if (CControlBase* c = FindControl(id)) c->SetText(text);
}

void CCheckFWDlg::ShowDeviceChecksum(const std::u16string& text) { SetText(kIdDeviceChecksum, text); }

void CCheckFWDlg::ShowStatus(const std::u16string& text) { SetText(kIdStatus, text); }

void CCheckFWDlg::ShowProgress(int value, int total, const std::u16string& text) {
  if (bar_) {
    bar_->SetMaximum(std::max(1, total));
    bar_->SetValue(value);
    InvalidateRect(bar_->GetRect());
  }
  SetText(kIdProgressText, text);
}

LRESULT CCheckFWDlg::OnClose(WPARAM, LPARAM code) {
  // While the mouse is being written the window stays, with its pictures.
  if (code != kNotifyClick || Busy()) return 0;
  ReleaseControlImages();
  OnCancel();
  return 0;
}

LRESULT CCheckFWDlg::OnMessage(unsigned msg, WPARAM wParam, LPARAM lParam) {
  static const MessageEntry<CCheckFWDlg> kMessageMap[] = {
      {kIdClose, &CCheckFWDlg::OnClose},
      {kIdCancel, &CCheckFWDlg::OnClose},
  };
  LRESULT r = 0;
  DispatchMessageMap<CCheckFWDlg>(this, kMessageMap, msg, wParam, lParam, r);
  return r;
}

bool CCheckFWDlg::PreTranslateKey(QKeyEvent* e) {
  if (e->key() == Qt::Key_Escape) {
    OnClose(0, kNotifyClick);
    return true;
  }
  // Enter and Space must not press the Cancel button by accident.
  return e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter || e->key() == Qt::Key_Space;
}

void CCheckFWDlg::closeEvent(QCloseEvent* e) {
  // The program closing its secondary windows, or the window system's close: refused
  // while the mouse is half-written.
  if (Busy()) {
    e->ignore();
    return;
  }
  CSecondaryDlg::closeEvent(e);
}

void CCheckFWDlg::done(int r) {
  if (Busy()) return;
  CSecondaryDlg::done(r);
}

}  // namespace corvane
