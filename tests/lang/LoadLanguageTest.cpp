#include "lang/LoadLanguage.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "support/TempDataFolder.h"

namespace corvane {
namespace {

struct Font {
  std::u16string face;
  int height;
  int charset;
};
const Font kInitialFont{u"宋体", 12, 134};

struct Case {
  const char* what;
  std::optional<std::u16string> setting;  // LanSetting.ini; none = missing
  std::optional<std::u16string> english;  // Lan_EN.txt
  std::optional<std::u16string> chinese;  // Lan.txt
  float scale;
  int result;
  std::vector<std::pair<int, std::u16string>> entries;  // every other entry stays empty
  Font font;
};

const std::u16string kEnglish = u"[Setting]\n1=en\n";
const std::u16string kChinese = u"[Setting]\n1=zh\n";
const std::u16string kChooseEnglish = u"[ChangeLanguage]\nLanguage=EN\n";

TEST(LoadLanguage, FollowsTheLoadRules) {
  const std::vector<Case> cases = {
      // Choosing the file.
      {"missing setting file reads Lan.txt", std::nullopt, kEnglish, kChinese, 1, 1, {{1, u"zh"}},
       {u"Tahoma", 16, 1}},
      {"header and EN read Lan_EN.txt", kChooseEnglish, kEnglish, kChinese, 1, 1, {{1, u"en"}}, {u"Tahoma", 16, 1}},
      {"first line EN without header", u"EN\n", kEnglish, kChinese, 1, 1, {{1, u"en"}}, {u"Tahoma", 16, 1}},
      {"code compared case-sensitively", u"[ChangeLanguage]\nLanguage=en\n", kEnglish, kChinese, 1, 1,
       {{1, u"zh"}}, {u"Tahoma", 16, 1}},
      {"any key name works", u"[ChangeLanguage]\nx=EN", kEnglish, kChinese, 1, 1, {{1, u"en"}}, {u"Tahoma", 16, 1}},
      {"line 2 without = is the code", u"[ChangeLanguage]\nEN\n", kEnglish, kChinese, 1, 1, {{1, u"en"}},
       {u"Tahoma", 16, 1}},
      {"= at position 0 makes line 2 the code", u"[ChangeLanguage]\n=EN\n", kEnglish, kChinese, 1, 1,
       {{1, u"zh"}}, {u"Tahoma", 16, 1}},
      {"= as last character makes line 2 the code", u"[ChangeLanguage]\nEN=\n", kEnglish, kChinese, 1, 1,
       {{1, u"zh"}}, {u"Tahoma", 16, 1}},
      {"header alone gives no code", u"[ChangeLanguage]\n", kEnglish, kChinese, 1, 1, {{1, u"zh"}},
       {u"Tahoma", 16, 1}},
      {"code keeps a carriage return", u"[ChangeLanguage]\nLanguage=EN\r\n", kEnglish, kChinese, 1, 1,
       {{1, u"zh"}}, {u"Tahoma", 16, 1}},
      // Reading entries.
      {"later line for the same index wins", kChooseEnglish, u"[Setting]\n5=a\n7=x\n5=b\n", std::nullopt, 1, 1,
       {{5, u"b"}, {7, u"x"}}, {u"Tahoma", 16, 1}},
      {"text after the first = kept untrimmed", kChooseEnglish, u"[Setting]\n 4 =a=b \n", std::nullopt, 1, 1,
       {{4, u"a=b "}}, {u"Tahoma", 16, 1}},
      {"last line needs no line feed", kChooseEnglish, u"[Setting]\n3=end", std::nullopt, 1, 1, {{3, u"end"}},
       {u"Tahoma", 16, 1}},
      {"non-number index sets entry 0 and the font", kChooseEnglish, u"[Setting]\nabc=中文\n", std::nullopt, 1, 1,
       {{0, u"中文"}}, {u"宋体", 12, 134}},
      {"index outside 0..499 ignored", kChooseEnglish,
       u"[Setting]\n500=a\n-1=b\n99999999999999999999=c\n499=z\n0=English\n", std::nullopt, 1, 1,
       {{499, u"z"}, {0, u"English"}}, {u"Tahoma", 16, 1}},
      // Font after a complete load.
      {"file ending after [Setting] still sets the font", kChooseEnglish, u"[Setting]\n", std::nullopt, 1.5f, 1, {},
       {u"Tahoma", 24, 1}},
      {"Chinese at scale 1.5", std::nullopt, std::nullopt, u"[Setting]\n0=中文\n", 1.5f, 1, {{0, u"中文"}},
       {u"宋体", 18, 134}},
      {"other language at scale 2", std::nullopt, std::nullopt, u"[Setting]\n0=Deutsch\n", 2, 1,
       {{0, u"Deutsch"}}, {u"Tahoma", 32, 1}},
      // Incomplete loads: entries so far kept, font untouched.
      {"missing language file", kChooseEnglish, std::nullopt, kChinese, 1, 0, {}, kInitialFont},
      {"file without header", kChooseEnglish, u"1=a\n", std::nullopt, 1, 0, {}, kInitialFont},
      {"empty file", kChooseEnglish, u"", std::nullopt, 1, 0, {}, kInitialFont},
      {"CR LF file not loaded", kChooseEnglish, u"[Setting]\r\n1=a\r\n", std::nullopt, 1, 0, {}, kInitialFont},
      {"empty line stops the load", kChooseEnglish, u"[Setting]\n0=English\n1=a\n\n2=b\n", std::nullopt, 1, 0,
       {{0, u"English"}, {1, u"a"}}, kInitialFont},
      {"line without = stops the load", kChooseEnglish, u"[Setting]\n1=a\nbroken\n2=b\n", std::nullopt, 1, 0,
       {{1, u"a"}}, kInitialFont},
      {"line starting with = stops the load", kChooseEnglish, u"[Setting]\n1=a\n=b\n", std::nullopt, 1, 0,
       {{1, u"a"}}, kInitialFont},
      {"empty text stops the load", kChooseEnglish, u"[Setting]\n1=a\n2=\n3=c\n", std::nullopt, 1, 0, {{1, u"a"}},
       kInitialFont},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    testing::TempDataFolder folder;
    if (c.setting) folder.PutText("config/LanSetting.ini", *c.setting);
    if (c.english) folder.PutText("config/Lan_EN.txt", *c.english);
    if (c.chinese) folder.PutText("config/Lan.txt", *c.chinese);
    LanguageTable language;
    UiFont font;

    EXPECT_EQ(LoadLanguage(folder.Root(), language, font, c.scale), c.result);

    LanguageTable expected;
    for (const auto& [n, text] : c.entries) expected.Texts[static_cast<std::size_t>(n)] = text;
    for (int n = 0; n < LanguageTable::kEntries; ++n) {
      EXPECT_EQ(language.Text(n), expected.Text(n)) << "entry " << n;
    }
    EXPECT_EQ(font.UiFontFace, c.font.face);
    EXPECT_EQ(font.UiFontHeight, c.font.height);
    EXPECT_EQ(font.UiFontCharset, c.font.charset);
  }
}

TEST(LoadLanguage, TextOutsideTheTableIsEmpty) {
  LanguageTable table;
  table.Texts[0] = u"x";
  EXPECT_EQ(table.Text(0), u"x");
  EXPECT_EQ(table.Text(-1), u"");
  EXPECT_EQ(table.Text(500), u"");
}

}  // namespace
}  // namespace corvane
