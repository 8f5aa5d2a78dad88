#include "skin/CVScrollBar.h"

#include <algorithm>

#include <QPainter>

#include "skin/SkinFiles.h"

namespace corvane {

CVScrollBar::CVScrollBar(ControlHost* parent, unsigned id, CRect rect, std::u16string text, bool visible,
                         bool shown, bool disabled)
    : CControlBase(parent, id, rect, std::move(text), visible, shown, disabled) {
  upStrip_.LoadResource(ResourceImagePath(188));
  downStrip_.LoadResource(ResourceImagePath(187));
  Layout();
}

void CVScrollBar::Layout() {
  const float s = Scale();
  const int upH = upStrip_.IsDrawable() ? static_cast<int>(upStrip_.Height() * s) : 0;
  const int downH = downStrip_.IsDrawable() ? static_cast<int>(downStrip_.Height() * s) : 0;
  up_ = upH > 0 ? CRect{rect_.left, rect_.top, rect_.right, rect_.top + upH} : CRect{};
  down_ = downH > 0 ? CRect{rect_.left, rect_.bottom - downH, rect_.right, rect_.bottom} : CRect{};
  trackTop_ = rect_.top + upH;
  trackBottom_ = rect_.bottom - downH;
  SetScrollState(position_, page_, range_);
}

void CVScrollBar::SetScrollState(int position, int page, int range) {
  position_ = position;
  page_ = page;
  range_ = range;
  if (range <= 0) {
    thumb_ = {rect_.left, trackTop_, rect_.right, trackBottom_};
  } else {
    const int length = TrackLength();
    const int top = trackTop_ + static_cast<int>(static_cast<double>(position) / range * length + 0.5);
    const int size = std::min(length, static_cast<int>(static_cast<double>(page) / range * length + 0.5));
    thumb_ = {rect_.left, top, rect_.right, std::min(trackBottom_, top + size - 1)};
  }
  Invalidate();
}

void CVScrollBar::Draw(QPainter& dc, CRect) {
  dc.fillRect(CRect{rect_.left, trackTop_, rect_.right, trackBottom_}.ToQRect(), ColorOf(0x00101010));
  auto frameOf = [&](bool hot, int part) { return pressedPart_ == part && state_ == 2 ? 2 : hot ? 1 : 0; };
  if (!up_.IsEmpty()) upStrip_.DrawFrame(dc, up_.ToQRectF(), frameOf(hotUp_, kPartUp), 3);
  if (!down_.IsEmpty()) downStrip_.DrawFrame(dc, down_.ToQRectF(), frameOf(hotDown_, kPartDown), 3);
  if (thumb_.IsEmpty()) return;
  const bool hot = hotThumb_ || dragging_;
  dc.fillRect(thumb_.ToQRect(), ColorOf(hot ? kAccent : 0x001F1F1F));
  const int inset = std::max(1, static_cast<int>(Scale()));
  const CRect inner = thumb_.Inset(inset, inset, inset, inset);
  if (!inner.IsEmpty()) dc.fillRect(inner.ToQRect(), ColorOf(hot ? 0x001F1F1F : 0x00323232));
}

bool CVScrollBar::OnMouseMove(unsigned, int x, int y) {
  if (disabled_) return false;
  const bool oldUp = hotUp_, oldDown = hotDown_, oldThumb = hotThumb_;
  const int oldState = state_;
  if (state_ != 2) {
    state_ = rect_.Contains(x, y) ? 1 : 0;
    hotUp_ = up_.Contains(x, y);
    hotDown_ = down_.Contains(x, y);
    hotThumb_ = thumb_.Contains(x, y);
  }
  if (dragging_) {
    const int size = thumb_.bottom - thumb_.top;
    const int top = std::clamp(y - grabOffset_, trackTop_, std::max(trackTop_, trackBottom_ - size));
    thumb_ = {rect_.left, top, rect_.right, top + size};
    const int pos = range_ > 0 ? (top - trackTop_) * range_ / TrackLength() : 0;
    if (pos != position_) {
      position_ = pos;
      Notify(kNotifyDrag, 0);
    }
    return true;
  }
  return oldUp != hotUp_ || oldDown != hotDown_ || oldThumb != hotThumb_ || oldState != state_;
}

bool CVScrollBar::OnLButtonDown(unsigned, int x, int y) {
  if (disabled_ || !rect_.Contains(x, y)) return false;
  state_ = 2;
  WPARAM part;
  if (up_.Contains(x, y)) {
    part = kPartUp;
  } else if (down_.Contains(x, y)) {
    part = kPartDown;
  } else if (thumb_.Contains(x, y)) {
    part = kPartThumb;
    dragging_ = true;
    grabOffset_ = y - thumb_.top;
  } else {
    part = y < thumb_.top ? kPartPageUp : kPartPageDown;
  }
  pressedPart_ = static_cast<int>(part);
  Notify(kNotifyPress, part);
  return true;
}

bool CVScrollBar::OnLButtonUp(unsigned, int x, int y) {
  if (disabled_) return false;
  const bool wasDragging = dragging_;
  dragging_ = false;
  pressedPart_ = -1;
  if (rect_.Contains(x, y)) {
    state_ = 1;
    Notify(kNotifyClick);
  } else {
    state_ = 0;
    if (wasDragging) Notify(kNotifyClick);
  }
  SetScrollState(position_, page_, range_);
  return true;
}

void CVScrollBar::ReleaseImages() {
  upStrip_.Release();
  downStrip_.Release();
}

}  // namespace corvane
