#pragma once
// A horizontal slider whose thumb snaps to a fixed number of stops.
#include <vector>

#include "skin/CControlBase.h"
#include "skin/SkinImage.h"

namespace corvane {

// Stop positions for a rectangle [left, right) with the given margins.
std::vector<int> SliderStopPositions(int left, int right, int stopCount, int leftMargin, int rightMargin);
// The stop nearest to x: half-way between two stops belongs to the upper one.
int NearestSliderStop(const std::vector<int>& stops, int x);

class CSliderControl : public CControlBase {
 public:
  CSliderControl(ControlHost* parent, unsigned id, CRect rect, std::u16string text, int stopCount, int leftMargin,
                 int rightMargin, bool visible = true, bool shown = true, bool disabled = false);

  bool LoadThumbImage(std::u16string_view skinName);
  // The owner moves the thumb when the value changed elsewhere.
  void SetCurrentStop(int stop);
  // A moved slider keeps its stop: the stops and the thumb move with the rectangle.
  void SetRect(int left, int top, int right, int bottom) override;
  int CurrentStop() const { return current_; }
  const std::vector<int>& Stops() const { return stops_; }
  CRect ThumbRect() const { return thumb_; }
  bool Dragging() const { return dragging_; }

  void Draw(QPainter& dc, CRect clip) override;
  bool OnMouseMove(unsigned flags, int x, int y) override;
  bool OnLButtonDown(unsigned flags, int x, int y) override;
  bool OnLButtonUp(unsigned flags, int x, int y) override;
  void ReleaseImages() override;

 private:
  CRect ThumbRectOf(int stop) const;

  int stopCount_, leftMargin_, rightMargin_;
  std::vector<int> stops_;
  SkinImage thumb_img_;
  CRect thumb_;
  int current_ = 0;
  bool dragging_ = false;
  int dragX_ = 0;
};

}  // namespace corvane
