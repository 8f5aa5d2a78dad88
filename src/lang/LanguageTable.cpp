#include "lang/LanguageTable.h"

namespace corvane {

const std::u16string& LanguageTable::Text(int n) const {
  static const std::u16string kEmpty;
  return n >= 0 && n < kEntries ? Texts[static_cast<std::size_t>(n)] : kEmpty;
}

}  // namespace corvane
