#pragma once
// The texts of the loaded language file, addressed by number, and the interface font
// that the language chooses.
#include <array>
#include <string>

namespace corvane {

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

}  // namespace corvane
