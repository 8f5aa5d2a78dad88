#pragma once
// A radio button: its group's selection is one bit per button in the shared word
// RadioSelection, so the selection outlives the windows that show it.
#include <cstdint>
#include <optional>

#include "skin/CRadioButtonBase.h"

namespace corvane {

struct RadioBit {
  unsigned id;
  int bit;
  std::uint32_t groupMask;
};

// The bit of a radio button id and the mask of its group; none for other ids.
std::optional<RadioBit> RadioBitOf(unsigned id);
// RadioSelection after selecting the button id: its group cleared, its own bit set.
std::uint32_t SelectRadio(std::uint32_t selection, unsigned id);

class CRadioButton : public CRadioButtonBase {
 public:
  CRadioButton(ControlHost* parent, unsigned id, CRect rect, std::u16string text, bool visible = true,
               bool shown = true, bool disabled = false);

  bool Selected() const override;

 protected:
  void Select() override;
};

}  // namespace corvane
