// Recording a macro from the keyboard hook: one press step per held key, a delay step
// (measured or fixed) before every key step but the first, and a stop at the step limit.
#include <algorithm>

#include <QLineEdit>

#include "dialogs/CAttentionDlg.h"
#include "dialogs/CMacroManagerDlg.h"
#include "dialogs/CMacroSmallDlg.h"
#include "lang/LanguageEntries.h"
#include "platform/KeyboardHookKeys.h"
#include "session/AppContext.h"
#include "settings/MacroItem.h"
#include "skin/CCheckButton.h"
#include "skin/GuiState.h"
#include "skin/CVScrollBar.h"
#include "widgets/CImageShowList.h"

namespace corvane {

namespace {
// Mouse buttons (virtual keys 1..7) are not recorded.
constexpr std::uint8_t kLastMouseKey = 7;
constexpr std::uint32_t kMaxRecordedDelay = 4095;
}  // namespace

bool CMacroManagerDlg::RealDelays() const { return realDelays_->Checked(); }

void CMacroManagerDlg::SetRecordButton(bool checked) {
  record_->SetChecked(checked);
  InvalidateRect(record_->GetRect());
}

void CMacroManagerDlg::StartRecording() {
  if (!currentMacro_) {
    SetRecordButton(false);
    Attention(kTextSelectMacroFirst);
    return;
  }
  hook_.StartHook(this);
  recording_ = true;
  lastKey_ = 0;
  lastStamp_ = 0;
  // Old steps past the new count stay in the array; they are not part of the macro.
  currentMacro_->MacroActionNum = 0;
  currentMacro_->MacroCommandActionNum = 0;
  steps_->SetTopRow(0);
  steps_->SetSelectedRow(-1);
  treeScroll_->SetDisabled(true);
  stepScroll_->SetDisabled(true);
  countEdit_->clearFocus();
  delayEdit_->clearFocus();
  setFocus();
  UpdateScrollBars();
  update();
  if (!hook_.SystemWide() && !localNoteShown_) {
    // Without a system-wide source only keys typed while one of the program's windows
    // is active reach the recorder; say so once, without stopping the recording (the
    // note is one of those windows too).
    localNoteShown_ = true;
    auto* note = new CAttentionDlg(Gui(), u"", Gui().Language.Text(kTextRecordingNeedsFocus), this);
    note->setAttribute(Qt::WA_DeleteOnClose);
    note->setModal(false);
    note->EnsureInitialized();
    note->show();
  }
}

void CMacroManagerDlg::StopRecording() {
  hook_.StopHook();
  recording_ = false;
  SetRecordButton(false);
  treeScroll_->SetDisabled(false);
  stepScroll_->SetDisabled(false);
  UpdateScrollBars();
  update();
  SaveLibrary();
}

void CMacroManagerDlg::OnHookKey(std::uint8_t key, std::uint32_t lParam) {
  MacroItem* m = currentMacro_;
  if (!m || key <= kLastMouseKey) return;
  const bool release = (lParam & kHookReleaseBit) != 0;
  // A held key repeats its press (and a release may come twice): keep the first.
  if (key == lastKey_ && release == ((lastStamp_ & kHookReleaseBit) != 0)) return;
  const MacroAction keyStep = MakeKeyStep(key, release);
  if (m->MacroActionNum == 0) {
    m->MacroCommandActionNum += 1;
    m->InsertAction(m->MacroActionNum, keyStep);
  } else if (m->MacroCommandActionNum >= MacroItem::kMaxCommandActions) {
    StopRecording();
    Attention(kTextRecordingFull);
    return;
  } else {
    m->MacroCommandActionNum += 1;
    std::uint32_t delay = static_cast<std::uint32_t>(fixedDelay_);
    if (RealDelays())
      delay = std::min(((lParam & kHookTimeMask) - (lastStamp_ & kHookTimeMask)) & kHookTimeMask, kMaxRecordedDelay);
    if (m->InsertAction(m->MacroActionNum, MakeDelayStep(delay))) m->InsertAction(m->MacroActionNum, keyStep);
  }
  ShowStepVisible(static_cast<int>(m->MacroActionNum) - 1);
  InvalidateRect(steps_->GetRect());
  lastKey_ = key;
  lastStamp_ = lParam;
}

void CMacroManagerDlg::OnDelayEdited() {
  const long n = LeadingNumber(delayEdit_->text().toStdU16String());
  int value = static_cast<int>(std::clamp(n, 0L, 4096L));
  if (n >= 4096) {
    value = 4095;
    delayEdit_->setText(QStringLiteral("4095"));
  } else if (n <= 0) {
    value = 1;
    delayEdit_->setText(QStringLiteral("1"));
  }
  fixedDelay_ = value;
}

void CMacroManagerDlg::OnCountEdited() {
  if (!currentMacro_ || currentMacro_->MacroKeyLoopType != 2) return;
  const long n = LeadingNumber(countEdit_->text().toStdU16String());
  int value = static_cast<int>(std::clamp(n, 0L, 256L));
  if (n >= 256) {
    value = 255;
    countEdit_->setText(QStringLiteral("255"));
  } else if (n <= 0) {
    value = 1;
    countEdit_->setText(QStringLiteral("1"));
  }
  currentMacro_->MacroKeyLoopNum = static_cast<std::uint8_t>(value);
}

}  // namespace corvane
