#include "skin/CDPIRadioButton.h"

#include <QPainter>

#include "skin/DrawTextW.h"
#include "skin/GuiState.h"
#include "skin/SkinFiles.h"
#include "skin/SkinScaling.h"

namespace corvane {

std::uint32_t SelectDpiLevels(std::uint32_t selection, int level) {
  if (level < 0 || level > 7) return selection;
  const std::uint32_t mask = (std::uint32_t{1} << (level + 1)) - 1;
  return (selection & ~0xFFu) | mask;
}

CDPIRadioButton::CDPIRadioButton(ControlHost* parent, unsigned id, CRect rect, std::u16string text, bool visible,
                                 bool shown, bool disabled)
    : CRadioButtonBase(parent, id, rect, std::move(text), visible, shown, disabled) {}

bool CDPIRadioButton::Selected() const {
  const int k = Level();
  return k >= 0 && k < 8 && (Gui().DpiRadioSelection >> k & 1u);
}

void CDPIRadioButton::Draw(QPainter& dc, CRect clip) {
  CRadioButtonBase::Draw(dc, clip);
  dc.save();
  dc.setFont(font_);
  dc.setPen(ColorOf(kTextGrey));
  const CRect strip{rect_.left, rect_.top, rect_.right, rect_.top + Scaled(Scale(), 11)};
  DrawTextW(dc, QString::number(dpiValue_ * 50), strip, DT_CENTER | DT_SINGLELINE | DT_WORD_ELLIPSIS | DT_NOCLIP);
  dc.restore();
}

void CDPIRadioButton::Select() {
  if (Level() >= 0 && Level() < 8) Gui().DpiRadioSelection = SelectDpiLevels(Gui().DpiRadioSelection, Level());
}

}  // namespace corvane
