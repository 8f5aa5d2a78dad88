#pragma once
// The texts of the loaded language file, addressed by number, and the interface font
// that the language chooses.
#include <array>
#include <string>

namespace corvane {

// Face, height (already scaled) and character set of the controls' and popups' font.
// Before a language is loaded: "宋体", 12, 134 (GB2312).
struct UiFont {
  std::u16string UiFontFace = u"宋体";
  int UiFontHeight = 12;
  int UiFontCharset = 134;
};

struct LanguageTable {
  static constexpr int kEntries = 500;
  std::array<std::u16string, kEntries> Texts;

  // Entry n; an empty text for a number outside the table.
  const std::u16string& Text(int n) const;
};

// The language counts as Chinese when entry 0 is "中文" (font, macro manager layout, on-screen
// display offsets).
bool IsChineseLanguage(const LanguageTable& language);

// Chinese: "宋体", int(12 x skinScale), 134. Any other language: "Tahoma", int(16 x skinScale), 1.
UiFont UiFontFor(const LanguageTable& language, float skinScale);

}  // namespace corvane
