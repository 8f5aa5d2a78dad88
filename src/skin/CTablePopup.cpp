#include "skin/CTablePopup.h"

#include "skin/GuiState.h"

namespace corvane {

CTablePopup::CTablePopup(GuiState& gui, int kind, int designWidth, std::span<const PopupTableEntry> table,
                         const Images& images)
    : CImagePopup(gui, kind, designWidth, 22, images), table_(table) {}

void CTablePopup::InitItems() {
  for (const auto& e : table_) AddItem(e.code, Gui().Language.Text(e.captionEntry));
}

const PopupTableEntry* CTablePopup::EntryOf(int code) const {
  for (const auto& e : table_)
    if (e.code == code) return &e;
  return nullptr;
}

bool CTablePopup::OnItemUp(int x, int y) {
  return ReleaseOnHot(x, y, [this](int code, int index) {
    const PopupTableEntry* e = EntryOf(code);
    selection_.text = items_[static_cast<std::size_t>(index)].text;
    selection_.value = e ? e->value : std::array<std::uint8_t, 3>{};
    SendChoice();
  });
}

}  // namespace corvane
