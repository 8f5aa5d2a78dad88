#pragma once
// A vertical bar that fills from the bottom in count steps: the bottom row is value 0,
// the top row count - 1. The slider follows the mouse while pressed; the DPI value
// display (CDPIValueShowControl) draws the same way but only reports clicks.
#include "skin/CControlBase.h"
#include "skin/SkinImage.h"

namespace corvane {

// The value of row y of a bar [top, bottom] with count steps.
int VerticalSliderValue(int top, int bottom, int count, int y);

class CVerticalBarBase : public CControlBase {
 public:
  CVerticalBarBase(ControlHost* parent, unsigned id, CRect rect, std::u16string text, int stopCount, int topMargin,
                   int bottomMargin, bool visible, bool shown, bool disabled);

  bool LoadEmptyImage(std::u16string_view skinName);
  bool LoadFillImage(std::u16string_view skinName);
  void SetValue(int v) { value_ = v; }
  int Value() const { return value_; }
  int StopCount() const { return stopCount_; }
  // Another sensor brings another ladder: the bar takes its number of steps (at least
  // one) and keeps its value within them.
  void SetStopCount(int count);

  void Draw(QPainter& dc, CRect clip) override;
  void ReleaseImages() override;

 protected:
  int stopCount_, topMargin_, bottomMargin_;
  SkinImage empty_, fill_;
  int value_ = 0;
};

class CVerticalSliderControl : public CVerticalBarBase {
 public:
  CVerticalSliderControl(ControlHost* parent, unsigned id, CRect rect, std::u16string text, int stopCount,
                         int topMargin, int bottomMargin, bool visible = true, bool shown = true,
                         bool disabled = false);
  bool Dragging() const { return dragging_; }

  bool OnMouseMove(unsigned flags, int x, int y) override;
  bool OnLButtonDown(unsigned flags, int x, int y) override;
  bool OnLButtonUp(unsigned flags, int x, int y) override;

 private:
  bool dragging_ = false;
};

class CDPIValueShowControl : public CVerticalBarBase {
 public:
  CDPIValueShowControl(ControlHost* parent, unsigned id, CRect rect, std::u16string text, int stopCount,
                       int topMargin, int bottomMargin, bool visible = true, bool shown = true,
                       bool disabled = false);

  bool OnMouseMove(unsigned flags, int x, int y) override;
  bool OnLButtonDown(unsigned flags, int x, int y) override;
  bool OnLButtonUp(unsigned flags, int x, int y) override;
};

}  // namespace corvane
