#pragma once
// What the two DPI value dialogs share: rows of one axis each (an edit box, a snapping
// slider over the sensor's steps with its track, the smallest and largest resolution and
// a hidden value text), the parsing of a typed resolution into a step, the arrow keys,
// dragging a slider on outside its rectangle, and OK writing the chosen steps back.
// The dialogs answer step indices, never a resolution.
#include <array>
#include <cstdint>
#include <span>
#include <string>

#include "dialogs/CSecondaryDlg.h"

class QLineEdit;

namespace corvane {

class CSliderControl;

// The owner's level record: the X and Y steps the dialog starts from and writes back on
// OK (the single-value dialog writes its one step to both).
struct DpiLevelSteps {
  int X = 0;
  int Y = 0;
};

class CDPIValueSettingDlgBase : public CSecondaryDlg {
  Q_OBJECT

 public:
  static constexpr unsigned kIdEditX = 2017;
  static constexpr unsigned kIdEditY = 2018;
  static constexpr unsigned kIdValueX = 2013;
  static constexpr unsigned kIdValueY = 2014;
  static constexpr unsigned kIdTrackX = 2020;
  static constexpr unsigned kIdSliderX = 2021;
  static constexpr unsigned kIdSliderY = 2022;

  // stepTable: the sensor's DpiStepDisplay (resolution / 50 per step), stepCount steps.
  CDPIValueSettingDlgBase(GuiState& gui, QWidget* parent, int designHeight, std::u16string_view frame,
                          std::span<const std::int32_t> stepTable, int stepCount, DpiLevelSteps& level);

  int Index(int axis) const { return axes_[static_cast<std::size_t>(axis)].index; }
  QLineEdit* AxisEdit(int axis) const { return axes_[static_cast<std::size_t>(axis)].edit; }
  CSliderControl* AxisSlider(int axis) const { return axes_[static_cast<std::size_t>(axis)].slider; }
  // The resolution text of a step: "%d" of its display value x 50.
  std::u16string StepText(int index) const;
  // The typed text of an axis read as a step (the first step not below it, else the last),
  // then shown on the slider, the value text and the edit box.
  void ParseEdit(int axis);
  // Shows step index on the axis's slider, value text and edit box.
  void SetIndex(int axis, int index);
  // The OK action: both edit boxes parsed, the steps written to the owner, IDOK.
  void RunOk();
  // The axis whose slider the user is dragging, -1 for none.
  int DraggedAxis() const { return dragged_; }

 protected:
  struct Axis {
    QLineEdit* edit = nullptr;
    CSliderControl* slider = nullptr;
    int index = 0;
  };
  // The row of axis (0 = X, 1 = Y), dy design pixels below the first row's place; the
  // smallest resolution's label starts with prefix.
  void AddAxisRow(int axis, int dy, const std::u16string& prefix);
  // OK (at top), the cross, the hidden Cancel and the title.
  void AddCommonControls(int okTop);
  // A slider's reports: the press starts the drag, dragging and the release move the index.
  LRESULT OnSlider(int axis, WPARAM wParam, LPARAM code);
  // An axis's index follows a slider the user drags on outside its rectangle.
  virtual void FollowDrag(int axis, int stop);
  void mouseMoveEvent(QMouseEvent* event) override;
  void WriteBack();

  std::span<const std::int32_t> table_;
  int stepCount_;
  DpiLevelSteps& level_;
  std::array<Axis, 2> axes_{};
  int dragged_ = -1;

 private:
  QLineEdit* AddAxisEdit(unsigned id, const CRect& design, const std::u16string& text);
};

}  // namespace corvane
