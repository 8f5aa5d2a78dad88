#include "widgets/ButtonMenuRows.h"

#include <array>
#include <vector>

namespace corvane {

namespace {

constexpr ButtonSubmenu kMenus[] = {ButtonSubmenu::Dpi, ButtonSubmenu::Multimedia, ButtonSubmenu::Office,
                                    ButtonSubmenu::Window};

}  // namespace

std::span<const PopupTableEntry> SubmenuRows(ButtonSubmenu menu) {
  static const auto rows = [] {
    std::array<std::vector<PopupTableEntry>, std::size(kMenus)> r;
    for (const ButtonSubmenu m : kMenus) {
      int code = 1;
      for (const SubmenuItem& item : SubmenuItems(m))
        r[static_cast<std::size_t>(m)].push_back({code++, item.LabelText, item.Value});
    }
    return r;
  }();
  return rows[static_cast<std::size_t>(menu)];
}

}  // namespace corvane
