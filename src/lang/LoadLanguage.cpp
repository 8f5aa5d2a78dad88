#include "lang/LoadLanguage.h"

#include <string>
#include <string_view>

#include "base/DataFolder.h"
#include "base/TextUtil.h"
#include "base/UnicodeTextFile.h"

namespace corvane {
namespace {

// The language code of LanSetting.ini: line 1 "[ChangeLanguage]" and line 2 "key=code". A
// first line other than the header is taken as the code itself; a second line without a usable
// "=" (none, at position 0, or as its last character) is taken whole. Empty when the file is
// missing or has no lines.
std::u16string ReadLanguageCode(const std::filesystem::path& dataFolder) {
  UnicodeTextReader reader;
  std::u16string line;
  if (!reader.Open(ResolveDataPath(dataFolder, u"config\\LanSetting.ini"))) return {};
  if (!reader.ReadLine(line)) return {};
  if (line != u"[ChangeLanguage]") return line;
  if (!reader.ReadLine(line)) return {};
  const std::size_t eq = line.find(u'=');
  if (eq != std::u16string::npos && eq >= 1 && eq + 1 < line.size()) return line.substr(eq + 1);
  return line;
}

}  // namespace

int LoadLanguage(const std::filesystem::path& dataFolder, LanguageTable& language, UiFont& font, float skinScale) {
  const std::u16string code = ReadLanguageCode(dataFolder);
  const std::u16string_view name = code == u"EN" ? u"config\\Lan_EN.txt" : u"config\\Lan.txt";

  UnicodeTextReader reader;
  std::u16string line;
  if (!reader.Open(ResolveDataPath(dataFolder, name))) return 0;
  // A file saved with CR LF fails here too: its header reads "[Setting]\r".
  if (!reader.ReadLine(line) || line != u"[Setting]") return 0;

  while (reader.ReadLine(line)) {
    const std::size_t eq = line.find(u'=');
    // An empty line reads as a lone line feed and so has no "=" either.
    if (eq == std::u16string::npos || eq == 0 || eq + 1 == line.size()) return 0;
    const long n = ParseLong(std::u16string_view(line).substr(0, eq), 10);
    // The table has 500 entries; a line for any other number is skipped, not stored.
    if (n < 0 || n >= LanguageTable::kEntries) continue;
    language.Texts[static_cast<std::size_t>(n)] = line.substr(eq + 1);
  }

  font = UiFontFor(language, skinScale);
  return 1;
}

}  // namespace corvane
