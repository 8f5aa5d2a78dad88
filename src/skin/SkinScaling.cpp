#include "skin/SkinScaling.h"

namespace corvane {

float ChooseSkinScale(int cx, int cy) {
  if (cx >= 2401 && cy >= 1601) return 2.0f;
  if (cx < 1801) return 1.0f;
  return cy <= 1200 ? 1.0f : 1.5f;
}

double ComputeDpiFactor(double logicalDpiX) { return logicalDpiX > 0 ? logicalDpiX / 96.0 : 1.0; }

CRect ScaledRect(float scale, int x, int y, int left, int top, int right, int bottom) {
  return {Scaled(scale, x + left), Scaled(scale, y + top), Scaled(scale, x + right), Scaled(scale, y + bottom)};
}

}  // namespace corvane
