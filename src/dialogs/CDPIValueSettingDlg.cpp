#include "dialogs/CDPIValueSettingDlg.h"

#include <QKeyEvent>
#include <QLineEdit>

#include "skin/MessageMap.h"

namespace corvane {

CDPIValueSettingDlg::CDPIValueSettingDlg(GuiState& gui, QWidget* parent, std::span<const std::int32_t> stepTable,
                                         int stepCount, DpiLevelSteps& level)
    : CDPIValueSettingDlgBase(gui, parent, 140, u"skins\\Frame_DPI.bmp", stepTable, stepCount, level) {}

void CDPIValueSettingDlg::InitUI(const CRect&) {
  AddCommonControls(110);
  AddAxisRow(0, 0, u"");
  if (AxisEdit(0)) AxisEdit(0)->setFocus();
}

LRESULT CDPIValueSettingDlg::OnMessage(unsigned msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case kIdSliderX:
      return OnSlider(0, wParam, lParam);
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

bool CDPIValueSettingDlg::PreTranslateKey(QKeyEvent* e) {
  switch (e->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      ParseEdit(0);
      return true;
    case Qt::Key_Escape:
      return true;
    case Qt::Key_Left:
      if (Index(0) > 0) SetIndex(0, Index(0) - 1);
      return true;
    case Qt::Key_Right:
      if (Index(0) < stepCount_ - 1) SetIndex(0, Index(0) + 1);
      return true;
    default:
      return false;
  }
}

}  // namespace corvane
