#include "widgets/CMacroListPopup.h"

#include <span>

#include "lang/LanguageEntries.h"
#include "skin/GuiState.h"

namespace corvane {

namespace {
constexpr int kForm0[] = {1, 2, 4, 7, 8};
constexpr int kForm2[] = {1, 2, 4, 5, 6, 7, 8};
constexpr int kFull[] = {1, 2, 3, 4, 5, 6, 7, 8};
}  // namespace

CMacroListPopup::CMacroListPopup(GuiState& gui, int form, const Images& images)
    : CImagePopup(gui, kKind, 162, 22, images), form_(form) {}

void CMacroListPopup::InitItems() {
  const std::span<const int> codes = form_ == 0 ? std::span<const int>(kForm0)
                                     : form_ == 2 ? std::span<const int>(kForm2)
                                                  : std::span<const int>(kFull);
  for (int c : codes) AddItem(c, Gui().Language.Text(kTextMacroMenuFirst + c - 1));
}

bool CMacroListPopup::OnItemUp(int x, int y) {
  return ReleaseOnHot(x, y, [this](int code, int) {
    selection_.text.clear();
    selection_.value = {static_cast<std::uint8_t>(code - 1), 0, 0};
    SendChoice();
  });
}

}  // namespace corvane
