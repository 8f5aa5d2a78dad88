#include "skin/CSliderControl.h"

#include <algorithm>

#include <QPainter>

#include "skin/SkinFiles.h"

namespace corvane {

std::vector<int> SliderStopPositions(int left, int right, int stopCount, int leftMargin, int rightMargin) {
  std::vector<int> stops;
  if (stopCount < 1) return stops;
  const int usable = right - left - leftMargin - rightMargin;
  stops.resize(static_cast<std::size_t>(stopCount));
  stops[0] = left + leftMargin;
  for (int i = 1; i < stopCount - 1; ++i)
    stops[static_cast<std::size_t>(i)] = left + leftMargin + i * usable / (stopCount - 1);
  if (stopCount > 1) stops.back() = right - rightMargin;
  return stops;
}

int NearestSliderStop(const std::vector<int>& stops, int x) {
  if (stops.empty()) return 0;
  std::size_t i = 0;
  while (i + 1 < stops.size() && x >= (stops[i] + stops[i + 1]) / 2) ++i;
  return static_cast<int>(i);
}

CSliderControl::CSliderControl(ControlHost* parent, unsigned id, CRect rect, std::u16string text, int stopCount,
                               int leftMargin, int rightMargin, bool visible, bool shown, bool disabled)
    : CControlBase(parent, id, rect, std::move(text), visible, shown, disabled),
      stopCount_(stopCount), leftMargin_(leftMargin), rightMargin_(rightMargin),
      stops_(SliderStopPositions(rect.left, rect.right, stopCount, leftMargin, rightMargin)) {
  thumb_ = ThumbRectOf(0);
}

bool CSliderControl::LoadThumbImage(std::u16string_view n) { return thumb_img_.Load(SkinFilePath(Gui(), n)); }

CRect CSliderControl::ThumbRectOf(int stop) const {
  const int pos = stops_.empty() ? rect_.left + leftMargin_ : stops_[static_cast<std::size_t>(stop)];
  return {pos - leftMargin_, rect_.top, pos + rightMargin_, rect_.bottom};
}

void CSliderControl::SetCurrentStop(int stop) {
  current_ = stops_.empty() ? 0 : std::clamp(stop, 0, static_cast<int>(stops_.size()) - 1);
  thumb_ = ThumbRectOf(current_);
}

void CSliderControl::SetRect(int left, int top, int right, int bottom) {
  CControlBase::SetRect(left, top, right, bottom);
  stops_ = SliderStopPositions(left, right, stopCount_, leftMargin_, rightMargin_);
  thumb_ = ThumbRectOf(current_);
}

void CSliderControl::Draw(QPainter& dc, CRect) {
  if (!thumb_img_.IsDrawable()) return;
  const float s = Scale();
  const double w = thumb_img_.Width() * s, h = thumb_img_.Height() * s;
  double x;
  if (dragging_) {
    x = std::clamp<double>(dragX_, rect_.left, std::max<double>(rect_.left, rect_.right - w));
  } else {
    const int pos = stops_.empty() ? rect_.left + leftMargin_ : stops_[static_cast<std::size_t>(current_)];
    x = pos - leftMargin_;
  }
  thumb_img_.Draw(dc, QRectF(x, rect_.top, w, h));
}

bool CSliderControl::OnMouseMove(unsigned, int x, int y) {
  if (disabled_) return false;
  const int old = state_;
  const bool inside = rect_.Contains(x, y);
  if (state_ != 2) state_ = inside ? 1 : 0;
  if (!inside) dragging_ = false;
  if (dragging_ && (state_ == 1 || state_ == 2)) {
    const int cx = std::clamp(x, rect_.left, rect_.right);
    dragX_ = cx - leftMargin_;
    // The thumb's hit rectangle follows the stop the owner is told about.
    SetCurrentStop(NearestSliderStop(stops_, cx));
    Invalidate();
    Notify(kNotifyDrag, static_cast<WPARAM>(current_));
    return true;
  }
  return old != state_;
}

bool CSliderControl::OnLButtonDown(unsigned, int x, int y) {
  if (disabled_ || !rect_.Contains(x, y)) return false;
  state_ = 2;
  if (thumb_.Contains(x, y)) dragging_ = true;
  dragX_ = x - leftMargin_;
  Notify(kNotifyPress);
  return true;
}

bool CSliderControl::OnLButtonUp(unsigned, int x, int y) {
  if (disabled_) return false;
  if (rect_.Contains(x, y)) {
    state_ = 1;
    dragX_ = x - leftMargin_;
    SetCurrentStop(NearestSliderStop(stops_, x));
    dragging_ = false;
    Notify(kNotifyClick);
  } else {
    state_ = 0;
    dragging_ = false;
  }
  return true;
}

void CSliderControl::ReleaseImages() { thumb_img_.Release(); }

}  // namespace corvane
