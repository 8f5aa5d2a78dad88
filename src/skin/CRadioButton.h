#pragma once
// A radio button: its group's selection is one bit per button in the shared word
// RadioSelection, so the selection outlives the windows that show it.
#include <cstdint>
#include <optional>

#include "skin/CControlBase.h"
#include "skin/SkinImage.h"

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

class CRadioButton : public CControlBase {
 public:
  CRadioButton(ControlHost* parent, unsigned id, CRect rect, std::u16string text, bool visible = true,
               bool shown = true, bool disabled = false);

  bool LoadNormalImage(std::u16string_view skinName);
  bool LoadHoverImage(std::u16string_view skinName);
  bool LoadSelectedImage(std::u16string_view skinName);
  bool Selected() const;

  void Draw(QPainter& dc, CRect clip) override;
  bool OnMouseMove(unsigned flags, int x, int y) override;
  bool OnLButtonDown(unsigned flags, int x, int y) override;
  bool OnLButtonUp(unsigned flags, int x, int y) override;
  void ReleaseImages() override;

 private:
  SkinImage normal_, hover_, selected_;
};

}  // namespace corvane
