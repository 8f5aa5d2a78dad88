#include "lang/LanguageTable.h"

namespace corvane {

const std::u16string& LanguageTable::Text(int n) const {
  static const std::u16string kEmpty;
  return n >= 0 && n < kEntries ? Texts[static_cast<std::size_t>(n)] : kEmpty;
}

bool IsChineseLanguage(const LanguageTable& language) { return language.Texts[0] == u"中文"; }

UiFont UiFontFor(const LanguageTable& language, float skinScale) {
  if (IsChineseLanguage(language)) return {u"宋体", static_cast<int>(12.0f * skinScale), 134};
  return {u"Tahoma", static_cast<int>(16.0f * skinScale), 1};
}

}  // namespace corvane
