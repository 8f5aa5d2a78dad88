#include "dialogs/CParingDlg.h"

#include <QKeyEvent>

#include "device/PairingWait.h"
#include "lang/LanguageEntries.h"
#include "session/DeviceSession.h"
#include "skin/CImageButton.h"
#include "skin/CStaticText.h"
#include "skin/GuiState.h"
#include "skin/MessageMap.h"
#include "skin/SkinScaling.h"

namespace corvane {

CParingDlg::CParingDlg(GuiState& gui, DeviceSession& session, QWidget* parent, int tickMs)
    : CSecondaryDlg(gui, parent, kDesignWidth, kDesignHeight, u"skins\\Frame_pairing.bmp"),
      session_(session), tickMs_(tickMs) {}

CParingDlg::~CParingDlg() = default;

void CParingDlg::InitUI(const CRect&) {
  AddCloseButton(405, 4, 420, 19);
  AddText(kIdStatus, 20, 40, 409, 160, Gui().Language.Text(PairingTexts::kInitial), kTextGrey,
          DT_CENTER | DT_VCENTER | DT_WORDBREAK | DT_EDITCONTROL);
  // The start button ends half a design pixel short of 265.
  CRect start = Design(161, 160, 265, 190);
  start.right = ClientRect().left + Scaled(Gui().SkinScale, 264.5);
  auto b = std::make_unique<CImageButton>(this, kIdOk, start, Gui().Language.Text(PairingTexts::kStartButton),
                                          DT_CENTER);
  b->LoadNormalImage(u"skins\\button1_nr.png");
  b->LoadHoverImage(u"skins\\button1_ov.png");
  AddControl(0, std::move(b));
  AddTextButton(kIdCancel, 350, 110, 419, 130, kTextCancel);
}

std::u16string CParingDlg::StatusText() const {
  const CControlBase* c = FindControl(kIdStatus);
  return c ? c->GetText() : std::u16string();
}

void CParingDlg::ShowStatus(int languageText) {
  if (CControlBase* c = FindControl(kIdStatus)) c->SetText(Gui().Language.Text(languageText));
}

void CParingDlg::Start() {
  const PairingStart start = pairing_.Start();
  if (start.sendRequest) {
    // Following the receiver's stream from before the request, so its answer is not
    // missed; the window's own reader follows it too, both only set LinkUp.
    DeviceLink& link = session_.Link();
    watch_ = std::make_unique<ReceiverLinkWatch>(link);
    receiverLost_ = false;
    requestSent_ = SendPairingRequest(link);
  }
  if (start.startTimer) SetTimer(kTickTimer, tickMs_);
}

void CParingDlg::OnTimer(int id) {
  if (id != kTickTimer) return;
  DeviceLink& link = session_.Link();
  // The simulated receiver lives in virtual time: a tick is a second of it.
  if (SimBackend* sim = session_.Sim()) sim->AdvanceClock(PairingSession::kTickMs);
  if (watch_ && !receiverLost_ && !watch_->Poll()) receiverLost_ = true;
  // A receiver that left during the wait cannot have linked a mouse, whatever the last
  // flag it sent said.
  const bool linkUp = link.LinkUp != 0 && !receiverLost_;
  const PairingTick tick = pairing_.Tick(linkUp);
  if (tick.stopTimer) KillTimer(kTickTimer);
  ShowStatus(tick.statusText);
}

LRESULT CParingDlg::OnStart(WPARAM, LPARAM code) {
  if (code == kNotifyClick) Start();
  return 0;
}

LRESULT CParingDlg::OnMessage(unsigned msg, WPARAM wParam, LPARAM lParam) {
  static const MessageEntry<CParingDlg> kMessageMap[] = {
      {kIdClose, &CParingDlg::OnCloseOrCancel},
      {kIdOk, &CParingDlg::OnStart},
      {kIdCancel, &CParingDlg::OnCloseOrCancel},
  };
  LRESULT r = 0;
  DispatchMessageMap<CParingDlg>(this, kMessageMap, msg, wParam, lParam, r);
  return r;
}

bool CParingDlg::PreTranslateKey(QKeyEvent* e) {
  switch (e->key()) {
    case Qt::Key_Space:
      Start();
      return true;
    case Qt::Key_Escape:
      KillTimer(kTickTimer);
      ReleaseControlImages();
      OnCancel();
      return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return true;
    default:
      return false;
  }
}

}  // namespace corvane
