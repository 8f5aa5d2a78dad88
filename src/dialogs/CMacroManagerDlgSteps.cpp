// The macro manager's step side: inserting the nine kinds of step, editing and deleting
// the selected step, and the playback mode.
#include <algorithm>

#include <QLineEdit>

#include "dialogs/CActionKeyModifyDlg.h"
#include "dialogs/CActionTimeModifyDlg.h"
#include "dialogs/CActionXYModifyDlg.h"
#include "dialogs/CMacroManagerDlg.h"
#include "lang/LanguageEntries.h"
#include "settings/MacroItem.h"
#include "skin/GuiState.h"
#include "widgets/CImageShowList.h"

namespace corvane {

namespace {
constexpr std::uint32_t kClickDelay = 50;
constexpr std::uint32_t kInsertedDelay = 100;

bool IsKeyStep(const MacroAction& a) { return a.bytes[0] >= 8 && a.bytes[0] < kMacroMouseLeft; }
}  // namespace

int CMacroManagerDlg::InsertPosition() const {
  const int selected = steps_->SelectedRow();
  return selected >= 0 ? selected + 1 : static_cast<int>(currentMacro_->MacroActionNum);
}

bool CMacroManagerDlg::InsertSteps(int at, std::initializer_list<MacroAction> steps) {
  // All or nothing: a macro with too little room left takes none of them.
  if (currentMacro_->MacroActionNum + steps.size() > MacroItem::kMaxActions) return false;
  int i = at;
  for (const MacroAction& s : steps) currentMacro_->InsertAction(static_cast<std::uint32_t>(i++), s);
  return true;
}

void CMacroManagerDlg::RemoveSteps(int at, int count) {
  for (int i = 0; i < count; ++i) currentMacro_->DeleteAction(static_cast<std::uint32_t>(at));
}

void CMacroManagerDlg::SelectStep(int row) {
  steps_->SetSelectedRow(row);
  UpdateScrollBars();
  if (row >= 0) ShowStepVisible(row);
  InvalidateRect(steps_->GetRect());
}

void CMacroManagerDlg::RunInsert(int type) {
  if (type < 0 || type > 8) return;
  if (!currentMacro_) {
    Attention(kTextInsertNeedsMacro);
    return;
  }
  // While recording, the keys typed into the step dialogs are not part of the macro.
  const bool wasRecording = recording_;
  if (wasRecording) hook_.StopHook();
  MacroItem& m = *currentMacro_;
  const int p = InsertPosition();
  switch (type) {
    case 0:
    case 1:
    case 2: {
      if (m.MacroCommandActionNum > MacroItem::kMaxCommandActions - 2) {
        Attention(kTextMacroFull);
        break;
      }
      const auto button = static_cast<std::uint8_t>(kMacroMouseLeft + type);
      if (!InsertSteps(p, {MakeKeyStep(button, false), MakeDelayStep(kClickDelay), MakeKeyStep(button, true)})) break;
      m.MacroCommandActionNum += 2;
      SelectStep(p + 2);
      break;
    }
    case 3: {
      // After a delay step the delay itself is edited; otherwise a new one is inserted.
      if (m.MacroActionNum > 0 && p > 0 && IsDelayStep(m.GetAction(static_cast<std::uint32_t>(p - 1)))) {
        MacroAction step = m.GetAction(static_cast<std::uint32_t>(p - 1));
        CActionTimeModifyDlg dlg(Gui(), step, this);
        if (dlg.DoModal() == IDOK) {
          m.SetAction(static_cast<std::uint32_t>(p - 1), step);
          SelectStep(p - 1);
        }
        break;
      }
      const int at = m.MacroActionNum == 0 ? 0 : p;
      if (!InsertSteps(at, {MakeDelayStep(kInsertedDelay)})) break;
      MacroAction step = m.GetAction(static_cast<std::uint32_t>(at));
      CActionTimeModifyDlg dlg(Gui(), step, this);
      if (dlg.DoModal() == IDOK) {
        m.SetAction(static_cast<std::uint32_t>(at), step);
        SelectStep(at);
      } else {
        RemoveSteps(at, 1);
        UpdateScrollBars();
      }
      break;
    }
    case 4: {
      if (m.MacroCommandActionNum > MacroItem::kMaxCommandActions - 2) {
        Attention(kTextMacroFull);
        break;
      }
      constexpr std::uint8_t kA = 0x41;
      if (!InsertSteps(p, {MakeKeyStep(kA, false), MakeDelayStep(kClickDelay), MakeKeyStep(kA, true)})) break;
      MacroAction press = m.GetAction(static_cast<std::uint32_t>(p));
      CActionKeyModifyDlg dlg(Gui(), press, this);
      if (dlg.DoModal() == IDOK) {
        m.SetAction(static_cast<std::uint32_t>(p), press);
        MacroAction release = press;
        release.bytes[1] = kMacroReleaseBit;
        m.SetAction(static_cast<std::uint32_t>(p + 2), release);
        m.MacroCommandActionNum += 2;
        SelectStep(p + 2);
      } else {
        RemoveSteps(p, 3);
        UpdateScrollBars();
      }
      break;
    }
    default: {  // 5..8: a movement of 1 to the left, right, up or down
      if (m.MacroCommandActionNum > MacroItem::kMaxCommandActions - 1) {
        Attention(kTextMacroFull);
        break;
      }
      const std::uint8_t axis = type <= 6 ? kMacroMoveX : kMacroMoveY;
      const auto one = static_cast<std::int8_t>(type == 5 || type == 7 ? -1 : 1);
      if (!InsertSteps(p, {MakeMotionStep(axis, one)})) break;
      MacroAction step = m.GetAction(static_cast<std::uint32_t>(p));
      CActionXYModifyDlg dlg(Gui(), step, type, this);
      if (dlg.DoModal() == IDOK) {
        m.SetAction(static_cast<std::uint32_t>(p), step);
        m.MacroCommandActionNum += 1;
        SelectStep(p);
      } else {
        RemoveSteps(p, 1);
        UpdateScrollBars();
      }
      break;
    }
  }
  if (wasRecording && recording_) hook_.StartHook(this);
  update();
}

void CMacroManagerDlg::EditStep() {
  const int row = steps_->SelectedRow();
  if (!currentMacro_ || row < 0 || row >= static_cast<int>(currentMacro_->MacroActionNum)) return;
  MacroAction step = currentMacro_->GetAction(static_cast<std::uint32_t>(row));
  int result = 0;
  if (IsDelayStep(step)) {
    CActionTimeModifyDlg dlg(Gui(), step, this);
    result = dlg.DoModal();
  } else if (IsKeyStep(step)) {
    CActionKeyModifyDlg dlg(Gui(), step, this);
    result = dlg.DoModal();
  } else {
    return;  // mouse buttons and movements are not edited
  }
  if (result == IDOK) currentMacro_->SetAction(static_cast<std::uint32_t>(row), step);
  InvalidateRect(steps_->GetRect());
}

void CMacroManagerDlg::DeleteStep() {
  const int row = steps_->SelectedRow();
  if (!currentMacro_ || row < 0 || row >= static_cast<int>(currentMacro_->MacroActionNum)) return;
  MacroItem& m = *currentMacro_;
  const bool delay = IsDelayStep(m.GetAction(static_cast<std::uint32_t>(row)));
  m.DeleteAction(static_cast<std::uint32_t>(row));
  if (!delay && m.MacroCommandActionNum > 0) m.MacroCommandActionNum -= 1;
  int selected = row;
  if (m.MacroActionNum == 0) selected = -1;
  else if (row >= static_cast<int>(m.MacroActionNum)) selected = row - 1;
  SelectStep(selected);
}

void CMacroManagerDlg::OnModeRadio(unsigned id) {
  if (!currentMacro_) {
    Gui().RadioSelection &= ~0x0000E000u;
    update();
    return;
  }
  currentMacro_->MacroKeyLoopType = id == kIdModeHeld ? 1 : id == kIdModeToggle ? 4 : 2;
  countEdit_->setText(QString::number(currentMacro_->MacroKeyLoopNum));
  PlaceCountEdit();
  if (currentMacro_->MacroKeyLoopType == 2) {
    countEdit_->setFocus();
    countEdit_->setCursorPosition(static_cast<int>(countEdit_->text().size()));
  }
  update();
}

}  // namespace corvane
