#include "dialogs/CDPIValueSettingDlgBase.h"

#include <QLineEdit>
#include <QMouseEvent>
#include <algorithm>

#include "base/TextUtil.h"
#include "lang/LanguageEntries.h"
#include "settings/SensorTables.h"
#include "skin/CImageButton.h"
#include "skin/CSliderControl.h"
#include "skin/CStaticImage.h"
#include "skin/CStaticText.h"
#include "skin/GuiState.h"
#include "skin/SkinFonts.h"
#include "skin/SkinScaling.h"

namespace corvane {

namespace {

constexpr COLORREF kLabelGrey = 0x00808080;
constexpr int kTitleFontHeight = 18;

}  // namespace

CDPIValueSettingDlgBase::CDPIValueSettingDlgBase(GuiState& gui, QWidget* parent, int designHeight,
                                                 std::u16string_view frame, std::span<const std::int32_t> stepTable,
                                                 int stepCount, DpiLevelSteps& level)
    : CSecondaryDlg(gui, parent, 429, designHeight, frame),
      table_(
          stepTable.first(static_cast<std::size_t>(std::clamp<int>(stepCount, 0, static_cast<int>(stepTable.size()))))),
      stepCount_(static_cast<int>(table_.size())),
      level_(level) {
  axes_[0].index = level.X;
  axes_[1].index = level.Y;
}

std::u16string CDPIValueSettingDlgBase::StepText(int index) const {
  if (table_.empty()) return u"0";
  const int i = std::clamp(index, 0, stepCount_ - 1);
  return FormatDecimal(static_cast<long>(table_[static_cast<std::size_t>(i)]) * kDpiPerDisplayUnit);
}

void CDPIValueSettingDlgBase::AddCommonControls(int okTop) {
  auto* title = AddText(kIdTitle, 20, 3, 230, 27, Gui().Language.Text(kTextDpiValueTitle), kTextWhite, DT_LEFT);
  title->SetFont(Scaled(Gui().SkinScale, kTitleFontHeight), Gui().Font.UiFontFace);
  AddCloseButton(405, 4, 420, 19);
  AddTextButton(kIdOk, 350, okTop, 419, okTop + 20, kTextOk);
  AddTextButton(kIdCancel, 240, 70, 309, 90, kTextCancel)->SetShow(false);
}

QLineEdit* CDPIValueSettingDlgBase::AddAxisEdit(unsigned id, const CRect& design, const std::u16string& text) {
  auto* edit = new QLineEdit(this);
  edit->setObjectName(QStringLiteral("edit%1").arg(id));
  edit->setGeometry(Design(design.left, design.top, design.right, design.bottom).ToQRect());
  edit->setFont(MakeEditFont(Gui()));
  edit->setAlignment(Qt::AlignCenter);
  edit->setFrame(false);
  edit->setStyleSheet(QStringLiteral("QLineEdit { color: black; background: white; border: none; }"));
  edit->setText(QString::fromStdU16String(text));
  edit->setCursorPosition(static_cast<int>(edit->text().size()));
  InstallKeyFilter(edit);
  return edit;
}

void CDPIValueSettingDlgBase::AddAxisRow(int axis, int dy, const std::u16string& prefix) {
  Axis& a = axes_[static_cast<std::size_t>(axis)];
  a.index = stepCount_ > 0 ? std::clamp(a.index, 0, stepCount_ - 1) : 0;
  const float s = Gui().SkinScale;
  AddText(kIdTitle, 0, 68 + dy, 60, 86 + dy, prefix + StepText(0), kLabelGrey, DT_RIGHT | DT_SINGLELINE);
  AddText(kIdTitle, 365, 68 + dy, 425, 86 + dy, StepText(stepCount_ - 1), kLabelGrey, DT_LEFT | DT_SINGLELINE);
  AddText(axis == 0 ? kIdValueX : kIdValueY, 0, 90 + dy, 429, 108 + dy, StepText(a.index), kTextWhite,
          DT_CENTER | DT_SINGLELINE)
      ->SetShow(false);
  a.edit = AddAxisEdit(axis == 0 ? kIdEditX : kIdEditY, {165, 35 + dy, 265, 57 + dy}, StepText(a.index));
  auto track = std::make_unique<CStaticImage>(this, kIdTrackX, Design(69, 72 + dy, 359, 75 + dy), u"");
  track->LoadStripImage(u"skins\\Slider_bar.png");
  AddControl(0, std::move(track));
  auto slider =
      std::make_unique<CSliderControl>(this, axis == 0 ? kIdSliderX : kIdSliderY, Design(69, 67 + dy, 359, 80 + dy),
                                       u"", std::max(1, stepCount_), Scaled(s, 6), Scaled(s, 7));
  slider->LoadThumbImage(u"skins\\Slider_Circle.png");
  slider->SetCurrentStop(a.index);
  a.slider = AddControl(0, std::move(slider));
}

void CDPIValueSettingDlgBase::SetIndex(int axis, int index) {
  Axis& a = axes_[static_cast<std::size_t>(axis)];
  a.index = stepCount_ > 0 ? std::clamp(index, 0, stepCount_ - 1) : 0;
  const std::u16string text = StepText(a.index);
  if (a.slider) a.slider->SetCurrentStop(a.index);
  if (CControlBase* value = FindControl(axis == 0 ? kIdValueX : kIdValueY)) value->SetText(text);
  if (a.edit) {
    a.edit->setText(QString::fromStdU16String(text));
    a.edit->setCursorPosition(static_cast<int>(a.edit->text().size()));
  }
  update();
}

void CDPIValueSettingDlgBase::ParseEdit(int axis) {
  const Axis& a = axes_[static_cast<std::size_t>(axis)];
  if (!a.edit) return;
  const int step = StepOfDpi(table_, stepCount_, ParseLong(a.edit->text().toStdU16String()));
  SetIndex(axis, std::max(0, step));
}

LRESULT CDPIValueSettingDlgBase::OnSlider(int axis, WPARAM wParam, LPARAM code) {
  Axis& a = axes_[static_cast<std::size_t>(axis)];
  if (code == kNotifyPress) {
    dragged_ = axis;
    if (a.edit) a.edit->setFocus();
  } else if (code == kNotifyDrag) {
    FollowDrag(axis, static_cast<int>(wParam));
  } else if (code == kNotifyClick) {
    dragged_ = -1;
    SetIndex(axis, a.slider ? a.slider->CurrentStop() : a.index);
  }
  return 0;
}

void CDPIValueSettingDlgBase::FollowDrag(int axis, int stop) { SetIndex(axis, stop); }

void CDPIValueSettingDlgBase::mouseMoveEvent(QMouseEvent* event) {
  CSecondaryDlg::mouseMoveEvent(event);
  if (!(event->buttons() & Qt::LeftButton)) {
    dragged_ = -1;
    return;
  }
  if (dragged_ < 0) return;
  // Outside its rectangle the slider no longer tracks the mouse itself: it follows the
  // pointer's x, held within the slider.
  CSliderControl* slider = axes_[static_cast<std::size_t>(dragged_)].slider;
  if (!slider) return;
  const CRect r = slider->GetRect();
  const int x = std::clamp(static_cast<int>(event->position().x()), r.left, r.right);
  FollowDrag(dragged_, NearestSliderStop(slider->Stops(), x));
}

void CDPIValueSettingDlgBase::WriteBack() {
  level_.X = axes_[0].index;
  level_.Y = axes_[1].index;
}

void CDPIValueSettingDlgBase::RunOk() {
  ParseEdit(0);
  if (axes_[1].edit)
    ParseEdit(1);
  else
    axes_[1].index = axes_[0].index;
  WriteBack();
  ReleaseControlImages();
  OnOK();
}

}  // namespace corvane
