#pragma once
// Layout in design pixels times SkinScale, truncated to integers.
#include "skin/SkinTypes.h"

namespace corvane {

// The skin scale for the primary screen's work area (cx by cy).
float ChooseSkinScale(int cx, int cy);

// The display's horizontal pixels per inch over the 96 of an unscaled desktop.
double ComputeDpiFactor(double logicalDpiX);

// int(v * scale).
inline int Scaled(float scale, double v) { return static_cast<int>(v * scale); }

// A control's rectangle for design pixels (left, top, right, bottom) in a client area
// whose top-left corner is (x, y).
CRect ScaledRect(float scale, int x, int y, int left, int top, int right, int bottom);
inline CRect ScaledRect(float scale, const CRect& client, int left, int top, int right, int bottom) {
  return ScaledRect(scale, client.left, client.top, left, top, right, bottom);
}

}  // namespace corvane
