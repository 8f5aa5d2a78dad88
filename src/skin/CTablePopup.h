#pragma once
// An image-backed popup whose items, captions (language entries) and chosen values come
// from one table; a release on the hot item reports its caption and value.
#include <array>
#include <cstdint>
#include <span>

#include "skin/CImagePopup.h"

namespace corvane {

struct PopupTableEntry {
  int code;
  int captionEntry;  // LanguageTable entry of the caption
  std::array<std::uint8_t, 3> value;
};

class CTablePopup : public CImagePopup {
 public:
  CTablePopup(GuiState& gui, int kind, int designWidth, std::span<const PopupTableEntry> table,
              const Images& images);

  void InitItems() override;
  bool OnItemUp(int x, int y) override;

 protected:
  const PopupTableEntry* EntryOf(int code) const;

 private:
  std::span<const PopupTableEntry> table_;
};

}  // namespace corvane
