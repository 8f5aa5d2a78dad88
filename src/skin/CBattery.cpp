#include "skin/CBattery.h"

#include <algorithm>

#include <QPainter>

#include "skin/SkinFiles.h"

namespace corvane {

namespace {
constexpr int kFillOrigin = 7;
constexpr int kFillHeight = 50;
}  // namespace

CBattery::CBattery(ControlHost* parent, unsigned, CRect rect, std::u16string text, bool visible, bool shown)
    : CControlBase(parent, kBatteryId, rect, std::move(text), visible, shown, true) {}

bool CBattery::LoadFillImage(std::u16string_view n) { return fill_.Load(SkinFilePath(Gui(), n)); }
bool CBattery::LoadEmptyImage(std::u16string_view n) { return empty_.Load(SkinFilePath(Gui(), n)); }
bool CBattery::LoadChargingFillImage(std::u16string_view n) { return chargingFill_.Load(SkinFilePath(Gui(), n)); }
bool CBattery::LoadChargingSymbolImage(std::u16string_view n) {
  return chargingSymbol_.Load(SkinFilePath(Gui(), n));
}

int CBattery::FillTop(int level) const {
  const float s = Scale();
  const int rows = std::max(1, level * kFillHeight / 100);
  int top = static_cast<int>((kFillOrigin + kFillHeight - rows) * s + rect_.top);
  if (s > 1 && (rect_.bottom - top) % 2 != 0) top -= 1;
  return top;
}

void CBattery::DrawFill(QPainter& dc, const SkinImage& fill, int level) const {
  if (!fill.IsDrawable()) return;
  const float s = Scale();
  const int top = FillTop(level);
  const double rows = (rect_.bottom - top) / s;
  const double srcTop = std::max(0.0, fill.Height() - rows);
  const double srcH = fill.Height() - srcTop;
  dc.save();
  dc.setClipRect(rect_.ToQRect(), Qt::IntersectClip);
  dc.drawImage(QRectF(rect_.left, top, fill.Width() * s, srcH * s), fill.Image(),
               QRectF(0, srcTop, fill.Width(), srcH));
  dc.restore();
}

void CBattery::Draw(QPainter& dc, CRect) {
  switch (mode_) {
    case kCharging:
      empty_.Draw(dc, rect_.ToQRectF());
      DrawFill(dc, chargingFill_, chargingLevel_);
      chargingSymbol_.Draw(dc, rect_.ToQRectF());
      break;
    case kFull:
      fill_.Draw(dc, rect_.ToQRectF());
      chargingSymbol_.Draw(dc, rect_.ToQRectF());
      break;
    default:
      empty_.Draw(dc, rect_.ToQRectF());
      DrawFill(dc, fill_, level_);
      break;
  }
}

void CBattery::ReleaseImages() {
  fill_.Release();
  empty_.Release();
  chargingFill_.Release();
  chargingSymbol_.Release();
}

}  // namespace corvane
