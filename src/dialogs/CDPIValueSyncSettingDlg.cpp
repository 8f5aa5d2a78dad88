#include "dialogs/CDPIValueSyncSettingDlg.h"

#include <QKeyEvent>
#include <QLineEdit>

#include "skin/CCheckButton.h"
#include "skin/CStaticText.h"
#include "skin/GuiState.h"
#include "skin/SkinScaling.h"

namespace corvane {

namespace {

// The Y row lies this far below the X row.
constexpr int kYRowOffset = 89;
constexpr int kSyncFontHeight = 16;

}  // namespace

CDPIValueSyncSettingDlg::CDPIValueSyncSettingDlg(GuiState& gui, QWidget* parent,
                                                 std::span<const std::int32_t> stepTable, int stepCount,
                                                 DpiLevelSteps& level)
    : CDPIValueSettingDlgBase(gui, parent, 217, u"skins\\Frame_DPI_Sync.bmp", stepTable, stepCount, level) {}

void CDPIValueSyncSettingDlg::InitUI(const CRect&) {
  AddCommonControls(187);
  AddAxisRow(0, 0, u"X:");
  AddAxisRow(1, kYRowOffset, u"Y:");
  // The check sits right of the X edit box, on its line.
  auto check = std::make_unique<CCheckButton>(this, kIdSync, Design(286, 42, 297, 53), u"", DT_LEFT);
  check->LoadNormalImage(u"skins\\check_nr.png");
  check->LoadHoverImage(u"skins\\check_ov.png");
  check->LoadCheckedImage(u"skins\\check_dn.png");
  sync_ = AddControl(0, std::move(check));
  AddText(kIdTitle, 303, 40, 420, 58, u"XY Sync", kTextGrey, DT_LEFT | DT_SINGLELINE)
      ->SetFont(Scaled(Gui().SkinScale, kSyncFontHeight), u"Tahoma");
  if (AxisEdit(0)) AxisEdit(0)->setFocus();
}

bool CDPIValueSyncSettingDlg::Synced() const { return sync_ && sync_->Checked(); }

int CDPIValueSyncSettingDlg::FocusedAxis() const {
  for (int axis = 0; axis < 2; ++axis)
    if (AxisEdit(axis) && AxisEdit(axis)->hasFocus()) return axis;
  return -1;
}

void CDPIValueSyncSettingDlg::FollowDrag(int axis, int stop) {
  SetIndex(axis, stop);
  if (Synced()) SetIndex(1 - axis, Index(axis));
}

LRESULT CDPIValueSyncSettingDlg::OnMessage(unsigned msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case kIdSliderX:
      return OnSlider(0, wParam, lParam);
    case kIdSliderY:
      return OnSlider(1, wParam, lParam);
    case kIdSync:
      if (lParam == kNotifyClick && Synced() && Index(0) != Index(1)) SetIndex(1, Index(0));
      return 0;
    case kIdOk:
      if (lParam == kNotifyClick) RunOk();
      return 0;
    case kIdClose:
    case kIdCancel:
      return OnCloseOrCancel(wParam, lParam);
    default:
      return 0;
  }
}

bool CDPIValueSyncSettingDlg::PreTranslateKey(QKeyEvent* e) {
  const int key = e->key();
  if (key == Qt::Key_Escape) return true;
  const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
  const int step = key == Qt::Key_Left ? -1 : key == Qt::Key_Right ? 1 : 0;
  if (!enter && step == 0) return false;
  const int axis = FocusedAxis();
  if (axis >= 0) {
    if (enter) {
      ParseEdit(axis);
    } else {
      const int next = Index(axis) + step;
      if (next >= 0 && next < stepCount_) SetIndex(axis, next);
      if (Synced()) SetIndex(1 - axis, Index(axis));
    }
  }
  update();
  return true;
}

}  // namespace corvane
