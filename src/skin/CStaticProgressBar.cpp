#include "skin/CStaticProgressBar.h"

#include <algorithm>

#include <QPainter>

#include "skin/SkinFiles.h"

namespace corvane {

CStaticProgressBar::CStaticProgressBar(ControlHost* parent, unsigned, CRect rect, std::u16string text, bool visible,
                                       bool shown)
    : CControlBase(parent, kStaticProgressBarId, rect, std::move(text), visible, shown, true) {}

bool CStaticProgressBar::LoadBackgroundImage(std::u16string_view n) { return background_.Load(SkinFilePath(Gui(), n)); }
bool CStaticProgressBar::LoadFillImage(std::u16string_view n) { return fill_.Load(SkinFilePath(Gui(), n)); }

void CStaticProgressBar::Draw(QPainter& dc, CRect) {
  background_.Draw(dc, rect_.ToQRectF());
  if (!fill_.IsDrawable() || maximum_ <= 0) return;
  const int srcW = std::clamp(value_, 0, maximum_) * fill_.Width() / maximum_;
  if (srcW <= 0) return;
  fill_.Draw(dc, QRectF(rect_.left, rect_.top, srcW * Scale(), rect_.Height()), QRectF(0, 0, srcW, fill_.Height()));
}

void CStaticProgressBar::ReleaseImages() {
  background_.Release();
  fill_.Release();
}

}  // namespace corvane
