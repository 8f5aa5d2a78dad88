#include "dialogs/CLaunchTargetsDlg.h"

#include <QKeyEvent>

#include "base/TextUtil.h"
#include "lang/LanguageEntries.h"
#include "skin/GuiState.h"
#include "skin/MessageMap.h"

namespace corvane {

namespace {

constexpr int kLineHeight = 18;
constexpr int kDesignWidth = 429;
// The common frame's height holds the question and two targets; each further target adds
// a line.
int HeightFor(std::size_t targets) {
  const int extra = targets > 2 ? static_cast<int>(targets - 2) : 0;
  return 140 + extra * kLineHeight;
}

}  // namespace

CLaunchTargetsDlg::CLaunchTargetsDlg(GuiState& gui, std::vector<LaunchTarget> targets, QWidget* parent)
    : CSecondaryDlg(gui, parent, kDesignWidth, HeightFor(targets.size()), u"skins\\Frame_common.bmp"),
      targets_(std::move(targets)) {}

void CLaunchTargetsDlg::InitUI(const CRect&) {
  const int h = DesignHeight();
  AddCloseButton(405, 4, 420, 19);
  AddTextButton(kIdOk, 260, h - 30, 329, h - 10, kTextOk);
  AddTextButton(kIdCancel, 350, h - 30, 419, h - 10, kTextCancel);
  AddText(kIdTitle, 10, 5, 390, 23, Gui().Language.Text(kTextAttentionTitle), kTextGrey, DT_LEFT);
  AddText(kIdIntro, 14, 30, 415, 48, Gui().Language.Text(kTextLaunchTargetsFound), kTextGrey, DT_LEFT | DT_SINGLELINE);
  int y = 48;
  for (std::size_t i = 0; i < targets_.size(); ++i, y += kLineHeight) {
    // Buttons are counted from 1 for the user.
    const std::u16string line = FormatDecimal(targets_[i].Button + 1) + u": " + targets_[i].Target;
    AddText(kIdFirstTarget + static_cast<unsigned>(i), 24, y, 415, y + kLineHeight, line, kTextWhite,
            DT_LEFT | DT_SINGLELINE | DT_END_ELLIPSIS);
  }
  AddText(kIdQuestion, 14, y, 415, y + kLineHeight + 4, Gui().Language.Text(kTextLaunchTargetsKeep), kTextGrey,
          DT_LEFT | DT_SINGLELINE);
}

LRESULT CLaunchTargetsDlg::OnOk(WPARAM, LPARAM code) {
  if (code != kNotifyClick) return 0;
  ReleaseControlImages();
  OnOK();
  return 0;
}

LRESULT CLaunchTargetsDlg::OnMessage(unsigned msg, WPARAM wParam, LPARAM lParam) {
  static const MessageEntry<CLaunchTargetsDlg> kMessageMap[] = {
      {kIdClose, &CLaunchTargetsDlg::OnCloseOrCancel},
      {kIdOk, &CLaunchTargetsDlg::OnOk},
      {kIdCancel, &CLaunchTargetsDlg::OnCloseOrCancel},
  };
  LRESULT r = 0;
  DispatchMessageMap<CLaunchTargetsDlg>(this, kMessageMap, msg, wParam, lParam, r);
  return r;
}

bool CLaunchTargetsDlg::PreTranslateKey(QKeyEvent* e) {
  // Keeping the targets takes a click on OK; Enter does not keep them by accident.
  if (e->key() == Qt::Key_Escape) {
    OnCancel();
    return true;
  }
  return e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
}

}  // namespace corvane
