#include "dialogs/CProgressBarDlg.h"

#include <algorithm>

#include <QKeyEvent>
#include <QPainter>

#include "skin/CStaticText.h"
#include "skin/GuiState.h"
#include "skin/SkinFiles.h"
#include "skin/SkinScaling.h"

namespace corvane {

namespace {
// The bar lies in rows 66 to 77 of the 429 x 140 design.
constexpr int kBarTop = 66, kBarHeight = 12, kDesignWidth = 429, kDesignHeight = 140;
}  // namespace

CProgressBarDlg::CProgressBarDlg(GuiState& gui, std::u16string title, std::u16string message, QWidget* parent)
    : CSecondaryDlg(gui, parent, kDesignWidth, kDesignHeight, u""), title_(std::move(title)),
      message_(std::move(message)) {
  SetRegisters(false);
  background_.Load(SkinFilePath(gui, u"skins\\Frame_progress_nr.bmp"));
  bar_.Load(SkinFilePath(gui, u"skins\\Frame_progress_ov.bmp"));
}

void CProgressBarDlg::InitUI(const CRect&) {
  auto* title = AddText(kIdTitle, 10, 3, 164, 23, title_, 0x00BEBEBE, DT_LEFT);
  title->SetFont(Scaled(Gui().SkinScale, 18), Gui().Font.UiFontFace);
}

bool CProgressBarDlg::OnInitDialog() {
  CSecondaryDlg::OnInitDialog();
  progress_ = 0;
  SetTimer(kStepTimer, kStepMs);
  return true;
}

void CProgressBarDlg::DrawDialog(QPainter& dc, const CRect& client) {
  const float s = Gui().SkinScale;
  dc.fillRect(client.ToQRect(), ColorOf(BackgroundColor()));
  background_.Draw(dc, QRectF(0, 0, kDesignWidth * s, kDesignHeight * s), QRectF(0, 0, kDesignWidth, kDesignHeight));
  const int w = std::clamp(progress_, 0, 100) * kDesignWidth / 100;
  if (w > 0)
    bar_.Draw(dc, QRectF(0, kBarTop * s, w * s, kBarHeight * s), QRectF(0, kBarTop, w, kBarHeight));
  DrawControls(dc, client);
}

void CProgressBarDlg::OnTimer(int id) {
  if (id == kStepTimer) {
    progress_ = std::min(100, progress_ + 2);
    const float s = Gui().SkinScale;
    update(QRect(0, Scaled(s, kBarTop), width(), Scaled(s, kBarHeight) + 2));
    if (progress_ >= 100) {
      KillTimer(kStepTimer);
      SetTimer(kCloseTimer, kCloseMs);
    }
  } else if (id == kCloseTimer) {
    KillTimer(kCloseTimer);
    background_.Release();
    bar_.Release();
    ReleaseControlImages();
    OnOK();
  }
}

bool CProgressBarDlg::PreTranslateKey(QKeyEvent* e) {
  // The animation ends the dialog by itself; keys do not cut it short.
  return e->key() == Qt::Key_Escape || e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
}

}  // namespace corvane
