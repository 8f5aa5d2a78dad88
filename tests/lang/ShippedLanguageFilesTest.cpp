#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "base/TextUtil.h"
#include "base/UnicodeTextFile.h"
#include "lang/LanguageFiles.h"
#include "lang/LoadLanguage.h"
#include "support/TempDataFolder.h"

namespace corvane {
namespace {

// Every entry the program shows, gathered from where each is used: main window, tray menu and
// section headers; dialogs' OK and Cancel; the button-assignment menu and its submenus (with a
// spare caption after multimedia, office, window control and the profile menu, and DPI shift);
// default profile names; lighting effects for modes 0..9; messages; the button-function, macro,
// pairing and firmware dialogs; the tilt slider's caption; the tray's tool tip and battery
// notice, the per-application profiles dialog.
const std::vector<std::pair<int, int>> kUsedRanges = {
    {0, 34},    {36, 36},   {39, 43},   {45, 55},   {60, 69},   {75, 81},   {85, 94},
    {100, 109}, {120, 123}, {130, 135}, {140, 147}, {150, 156}, {170, 176}, {180, 181},
    {189, 211}, {220, 225}, {232, 239}, {241, 243}, {245, 258}, {260, 293}, {295, 308},
    {310, 314}, {320, 320}, {470, 490},
};

std::set<int> UsedEntries() {
  std::set<int> used;
  for (const auto& [first, last] : kUsedRanges) {
    for (int n = first; n <= last; ++n) used.insert(n);
  }
  return used;
}

const ShippedLanguageFile* Shipped(const char* name) {
  for (const ShippedLanguageFile& f : ShippedLanguageFiles()) {
    if (std::strcmp(f.Name, name) == 0) return &f;
  }
  return nullptr;
}

// The indices a language file sets, read as LoadLanguage reads them.
std::set<int> IndicesOf(std::string_view bytes) {
  UnicodeTextReader reader;
  reader.OpenBytes(bytes);
  std::u16string line;
  std::set<int> indices;
  reader.ReadLine(line);
  while (reader.ReadLine(line)) indices.insert(static_cast<int>(ParseLong(line.substr(0, line.find(u'=')))));
  return indices;
}

TEST(ShippedLanguageFiles, AreUtf16LeWithMarkAndLineFeedsOnly) {
  for (const char* name : {"Lan_EN.txt", "Lan.txt", "LanSetting.ini"}) {
    SCOPED_TRACE(name);
    const ShippedLanguageFile* f = Shipped(name);
    ASSERT_NE(f, nullptr);
    const std::string_view b = f->Bytes;
    ASSERT_GE(b.size(), 4u);
    EXPECT_EQ(b.substr(0, 2), "\xFF\xFE");
    ASSERT_EQ(b.size() % 2, 0u);
    for (std::size_t i = 2; i < b.size(); i += 2) {
      const unsigned unit = static_cast<unsigned char>(b[i]) | (static_cast<unsigned char>(b[i + 1]) << 8);
      ASSERT_NE(unit, u'\r') << "carriage return at byte " << i;
      ASSERT_NE(unit, 0u) << "NUL at byte " << i;
    }
    EXPECT_EQ(b.substr(b.size() - 2), std::string_view("\n\0", 2)) << "last line must end with a line feed";
    EXPECT_EQ(b.find(std::string_view("\n\0\n\0", 4)), std::string_view::npos) << "empty line would stop the load";

    // What is compiled in is what res/lang holds.
    std::string onDisk;
    ASSERT_TRUE(ReadFileBytes(std::filesystem::path(CORVANE_SOURCE_DIR) / "res/lang" / name, onDisk));
    EXPECT_TRUE(onDisk == b) << "rebuild: the embedded copy differs from res/lang/" << name;
  }
}

TEST(ShippedLanguageFiles, CoverExactlyTheEntriesTheProgramUses) {
  const std::set<int> used = UsedEntries();
  for (const char* name : {"Lan_EN.txt", "Lan.txt"}) {
    SCOPED_TRACE(name);
    const std::set<int> have = IndicesOf(Shipped(name)->Bytes);
    std::vector<int> missing, extra;
    std::set_difference(used.begin(), used.end(), have.begin(), have.end(), std::back_inserter(missing));
    std::set_difference(have.begin(), have.end(), used.begin(), used.end(), std::back_inserter(extra));
    EXPECT_TRUE(missing.empty()) << "missing entries, first " << (missing.empty() ? -1 : missing.front());
    EXPECT_TRUE(extra.empty()) << "unused entries, first " << (extra.empty() ? -1 : extra.front());
  }
}

struct Loaded {
  LanguageTable Language;
  UiFont Font;
};

// Installs the shipped files into an empty data folder, optionally chooses a language, loads.
Loaded LoadInstalled(const testing::TempDataFolder& folder, const char16_t* setting, float scale) {
  InstallLanguageFiles(folder.Root());
  if (setting) folder.PutText("config/LanSetting.ini", setting);
  Loaded ctx;
  EXPECT_EQ(LoadLanguage(folder.Root(), ctx.Language, ctx.Font, scale), 1);
  return ctx;
}

TEST(ShippedLanguageFiles, EnglishIsChosenAndLoadsCompletely) {
  testing::TempDataFolder folder;
  const Loaded ctx = LoadInstalled(folder, nullptr, 1.5f);
  const LanguageTable& t = ctx.Language;
  EXPECT_EQ(t.Text(0), u"English");
  EXPECT_EQ(ctx.Font.UiFontFace, u"Tahoma");
  EXPECT_EQ(ctx.Font.UiFontHeight, 24);
  EXPECT_EQ(ctx.Font.UiFontCharset, 1);
  // Default profile names, and texts that the program joins with others.
  for (int p = 0; p < 5; ++p) EXPECT_EQ(t.Text(85 + p), u"Profile " + U16(std::to_string(p + 1)));
  EXPECT_EQ(t.Text(266) + u"5" + t.Text(267), u"Sleep after 5 min");
  EXPECT_EQ(t.Text(269) + u"5" + t.Text(267), u"Lights off after 5 min");
  EXPECT_EQ(t.Text(295) + u"(1/1419)", u"Updating the loader (1/1419)");
  EXPECT_EQ(t.Text(26).back(), u'+');  // the fire-key dialog's result drops it
}

TEST(ShippedLanguageFiles, ChineseLoadsCompletelyWithItsFont) {
  testing::TempDataFolder folder;
  const Loaded ctx = LoadInstalled(folder, u"[ChangeLanguage]\nLanguage=CN\n", 1.0f);
  EXPECT_EQ(ctx.Language.Text(0), u"中文");
  EXPECT_EQ(ctx.Font.UiFontFace, u"宋体");
  EXPECT_EQ(ctx.Font.UiFontHeight, 12);
  EXPECT_EQ(ctx.Font.UiFontCharset, 134);
  EXPECT_EQ(ctx.Language.Text(26).back(), u'+');
  for (int n : UsedEntries()) EXPECT_FALSE(ctx.Language.Text(n).empty()) << "entry " << n;
}

TEST(InstallLanguageFiles, WritesMissingFilesAndKeepsExistingOnes) {
  testing::TempDataFolder folder;
  std::filesystem::remove(folder.Root() / "config");  // the config folder is created as well
  InstallLanguageFiles(folder.Root());
  for (const ShippedLanguageFile& f : ShippedLanguageFiles()) {
    std::string bytes;
    ASSERT_TRUE(ReadFileBytes(folder.Path(std::string("config/") + f.Name), bytes)) << f.Name;
    EXPECT_TRUE(bytes == f.Bytes) << f.Name;
  }

  // The user's own choice and texts survive a second installation; only what is gone returns.
  const std::string mySetting("\xFF\xFE" "C\0N\0\n\0", 8);
  const std::string myTexts = "odd";
  ASSERT_TRUE(WriteFileAtomically(folder.Path("config/LanSetting.ini"), mySetting));
  ASSERT_TRUE(WriteFileAtomically(folder.Path("config/Lan.txt"), myTexts));
  std::filesystem::remove(folder.Path("config/Lan_EN.txt"));
  InstallLanguageFiles(folder.Root());
  std::string bytes;
  ASSERT_TRUE(ReadFileBytes(folder.Path("config/LanSetting.ini"), bytes));
  EXPECT_TRUE(bytes == mySetting);
  ASSERT_TRUE(ReadFileBytes(folder.Path("config/Lan.txt"), bytes));
  EXPECT_EQ(bytes, myTexts);
  ASSERT_TRUE(ReadFileBytes(folder.Path("config/Lan_EN.txt"), bytes));
  EXPECT_TRUE(bytes == Shipped("Lan_EN.txt")->Bytes);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Root() / "config"), {}), 3)
      << "no temporary files left behind";
}

TEST(InstallLanguageFiles, UnwritableFolderIsNoCrash) {
  testing::TempDataFolder folder;
  // "config" is a plain file here, so nothing can be installed below it.
  std::filesystem::remove(folder.Root() / "config");
  ASSERT_TRUE(WriteFileAtomically(folder.Root() / "config", "x"));
  InstallLanguageFiles(folder.Root());
  Loaded ctx;
  EXPECT_EQ(LoadLanguage(folder.Root(), ctx.Language, ctx.Font, 1.0f), 0);
  EXPECT_EQ(ctx.Font.UiFontFace, u"宋体");
}

}  // namespace
}  // namespace corvane
