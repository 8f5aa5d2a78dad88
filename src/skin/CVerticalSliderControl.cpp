#include "skin/CVerticalSliderControl.h"

#include <algorithm>

#include <QPainter>

#include "skin/SkinFiles.h"

namespace corvane {

int VerticalSliderValue(int top, int bottom, int count, int y) {
  if (bottom <= top) return 0;
  y = std::clamp(y, top, bottom);
  return (bottom - y - (y != bottom ? 1 : 0)) * count / (bottom - top);
}

CVerticalBarBase::CVerticalBarBase(ControlHost* parent, unsigned id, CRect rect, std::u16string text, int stopCount,
                                   int topMargin, int bottomMargin, bool visible, bool shown, bool disabled)
    : CControlBase(parent, id, rect, std::move(text), visible, shown, disabled),
      stopCount_(stopCount), topMargin_(topMargin), bottomMargin_(bottomMargin) {}

bool CVerticalBarBase::LoadEmptyImage(std::u16string_view n) { return empty_.Load(SkinFilePath(Gui(), n)); }
bool CVerticalBarBase::LoadFillImage(std::u16string_view n) { return fill_.Load(SkinFilePath(Gui(), n)); }

void CVerticalBarBase::Draw(QPainter& dc, CRect) {
  const float s = Scale();
  if (empty_.IsDrawable())
    empty_.Draw(dc, QRectF(rect_.left, rect_.top, empty_.Width() * s, empty_.Height() * s));
  if (!fill_.IsDrawable() || stopCount_ <= 0) return;
  const int d = (rect_.bottom - rect_.top) * (std::clamp(value_, 0, stopCount_ - 1) + 1) / stopCount_;
  int fillTop = rect_.bottom - d;
  if (s > 1 && d % 2 != 0) fillTop -= 1;
  // Source rows from the fill picture's bottom, as many as the scaled fill covers.
  const double rows = (rect_.bottom - fillTop) / s;
  const double srcTop = std::max(0.0, fill_.Height() - rows);
  const double srcH = fill_.Height() - srcTop;
  fill_.Draw(dc, QRectF(rect_.left, fillTop, fill_.Width() * s, srcH * s), QRectF(0, srcTop, fill_.Width(), srcH));
}

void CVerticalBarBase::SetStopCount(int count) {
  stopCount_ = std::max(1, count);
  value_ = std::clamp(value_, 0, stopCount_ - 1);
}

void CVerticalBarBase::ReleaseImages() {
  empty_.Release();
  fill_.Release();
}

CVerticalSliderControl::CVerticalSliderControl(ControlHost* parent, unsigned id, CRect rect, std::u16string text,
                                               int stopCount, int topMargin, int bottomMargin, bool visible,
                                               bool shown, bool disabled)
    : CVerticalBarBase(parent, id, rect, std::move(text), stopCount, topMargin, bottomMargin, visible, shown,
                       disabled) {}

bool CVerticalSliderControl::OnMouseMove(unsigned, int x, int y) {
  if (disabled_) return false;
  const int old = state_;
  if (state_ != 2) state_ = rect_.Contains(x, y) ? 1 : 0;
  if (dragging_ && (state_ == 1 || state_ == 2)) {
    value_ = VerticalSliderValue(rect_.top, rect_.bottom, stopCount_, y);
    Invalidate();
    Notify(kNotifyDrag, static_cast<WPARAM>(value_));
    return true;
  }
  return old != state_;
}

bool CVerticalSliderControl::OnLButtonDown(unsigned, int x, int y) {
  if (disabled_ || !rect_.Contains(x, y)) return false;
  state_ = 2;
  dragging_ = true;
  value_ = VerticalSliderValue(rect_.top, rect_.bottom, stopCount_, y);
  Notify(kNotifyPress);
  return true;
}

bool CVerticalSliderControl::OnLButtonUp(unsigned, int x, int y) {
  if (disabled_) return false;
  dragging_ = false;
  if (rect_.Contains(x, y)) {
    state_ = 1;
    Notify(kNotifyClick);
  } else {
    state_ = 0;
  }
  return true;
}

CDPIValueShowControl::CDPIValueShowControl(ControlHost* parent, unsigned id, CRect rect, std::u16string text,
                                           int stopCount, int topMargin, int bottomMargin, bool visible, bool shown,
                                           bool disabled)
    : CVerticalBarBase(parent, id, rect, std::move(text), stopCount, topMargin, bottomMargin, visible, shown,
                       disabled) {}

bool CDPIValueShowControl::OnMouseMove(unsigned, int x, int y) { return ButtonMouseMove(x, y); }
bool CDPIValueShowControl::OnLButtonDown(unsigned, int x, int y) { return ButtonLButtonDown(x, y); }
bool CDPIValueShowControl::OnLButtonUp(unsigned, int x, int y) { return ButtonLButtonUp(x, y, [] {}); }

}  // namespace corvane
