#include "skin/CRadioButton.h"

#include <array>

#include <QPainter>

#include "skin/GuiState.h"
#include "skin/SkinFiles.h"

namespace corvane {

namespace {

// Groups: lighting modes, two page choices, two sensor choices, the lift-off distance,
// polling rates and the macro manager's two modes.
constexpr std::array<RadioBit, 22> kRadioBits{{
    {3034, 0, 0x0000007F}, {3035, 1, 0x0000007F}, {3036, 2, 0x0000007F}, {3037, 3, 0x0000007F},
    {3038, 4, 0x0000007F}, {3039, 5, 0x0000007F}, {3040, 6, 0x0000007F},
    {2009, 7, 0x00000180}, {2010, 8, 0x00000180},
    {3501, 9, 0x00000600}, {3502, 10, 0x00000600},
    {3240, 11, 0x00001800}, {3250, 12, 0x00001800},
    {2031, 13, 0x0000E000}, {2032, 14, 0x0000E000}, {2033, 15, 0x0000E000},
    {3030, 16, 0x000F0000}, {3031, 17, 0x000F0000}, {3032, 18, 0x000F0000}, {3033, 19, 0x000F0000},
    {3510, 20, 0x00300000}, {3511, 21, 0x00300000},
}};

}  // namespace

std::optional<RadioBit> RadioBitOf(unsigned id) {
  for (const auto& b : kRadioBits)
    if (b.id == id) return b;
  return std::nullopt;
}

std::uint32_t SelectRadio(std::uint32_t selection, unsigned id) {
  const auto b = RadioBitOf(id);
  if (!b) return selection;
  return (selection & ~b->groupMask) | (std::uint32_t{1} << b->bit);
}

CRadioButton::CRadioButton(ControlHost* parent, unsigned id, CRect rect, std::u16string text, bool visible,
                           bool shown, bool disabled)
    : CRadioButtonBase(parent, id, rect, std::move(text), visible, shown, disabled) {}

bool CRadioButton::Selected() const {
  const auto b = RadioBitOf(id_);
  return b && (Gui().RadioSelection >> b->bit & 1u);
}

void CRadioButton::Select() { Gui().RadioSelection = SelectRadio(Gui().RadioSelection, id_); }

}  // namespace corvane
