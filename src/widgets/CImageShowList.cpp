#include "widgets/CImageShowList.h"

#include <algorithm>

#include <QPainter>

#include "macros/MacroStepText.h"
#include "settings/MacroItem.h"
#include "skin/DrawTextW.h"
#include "skin/SkinFiles.h"

namespace corvane {

CImageShowList::CImageShowList(ControlHost* parent, unsigned, CRect rect, std::u16string text, bool visible,
                               bool shown, bool disabled)
    : CRowList(parent, kImageShowListId, rect, std::move(text), visible, shown, disabled) {}

bool CImageShowList::LoadKeyDownImage(std::u16string_view n) { return keyDown_.Load(SkinFilePath(Gui(), n)); }
bool CImageShowList::LoadKeyUpImage(std::u16string_view n) { return keyUp_.Load(SkinFilePath(Gui(), n)); }
bool CImageShowList::LoadDelayImage(std::u16string_view n) { return delay_.Load(SkinFilePath(Gui(), n)); }

int CImageShowList::RowCount() const {
  if (!item_) return 0;
  return static_cast<int>(std::min(item_->MacroActionNum, MacroItem::kMaxActions));
}

void CImageShowList::Draw(QPainter& dc, CRect) {
  const float s = Scale();
  dc.save();
  dc.setClipRect(rect_.ToQRect(), Qt::IntersectClip);
  dc.fillRect(rect_.ToQRect(), ColorOf(0x004B4B4B));
  dc.setFont(font_);
  const int rowH = RowHeight();
  for (int row = topRow_, i = 0; row < RowCount() && i <= VisibleRows(); ++row, ++i) {
    const int top = rect_.top + i * rowH;
    const CRect rowRect{rect_.left, top, rect_.right, top + rowH};
    if (row == selectedRow_) dc.fillRect(rowRect.ToQRect(), ColorOf(kAccent));
    const MacroStepDisplay step = StepDisplay(item_->GetAction(static_cast<std::uint32_t>(row)));
    const CRect text{rect_.left + static_cast<int>(17 * s), top, rect_.right - static_cast<int>(2 * s), top + rowH};
    const SkinImage* img = step.Icon == MacroStepIcon::kDelay     ? &delay_
                           : step.Icon == MacroStepIcon::kPress   ? &keyDown_
                           : step.Icon == MacroStepIcon::kRelease ? &keyUp_
                                                                  : nullptr;
    if (img && img->IsDrawable())
      img->Draw(dc, QRectF(text.left - 15 * s, top + 3 * s, img->Width() * s, img->Height() * s));
    dc.setPen(ColorOf(kTextWhite));
    DrawTextW(dc, QString::fromStdU16String(step.Text), text, DT_SINGLELINE | DT_VCENTER | DT_WORD_ELLIPSIS);
  }
  dc.restore();
}

bool CImageShowList::OnLButtonDown(unsigned, int x, int y) {
  if (disabled_ || !rect_.Contains(x, y)) return false;
  state_ = 2;
  selectedRow_ = RowAt(y);
  Notify(kNotifyPress);
  return true;
}

bool CImageShowList::OnLButtonDblClk(unsigned, int x, int y) {
  if (disabled_ || !rect_.Contains(x, y)) return false;
  state_ = 1;
  Notify(kNotifyDoubleClick);
  return true;
}

void CImageShowList::ReleaseImages() {
  keyDown_.Release();
  keyUp_.Release();
  delay_.Release();
}

}  // namespace corvane
