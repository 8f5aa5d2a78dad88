#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <random>
#include <vector>

#include "base/UnicodeTextFile.h"
#include "settings/ConfigTable.h"
#include "settings/ProfileFile.h"
#include "support/DefaultProfileGolden.h"
#include "support/SettingsTestContext.h"

namespace corvane {
namespace {

using testing::DefaultProfileLines;
using testing::JoinLines;
using testing::SettingsTestContext;
using testing::Utf16File;
using testing::Utf16Lines;

std::unique_ptr<ProfileRecord> DefaultRecord(const LanguageTable& language, int p) {
  auto r = std::make_unique<ProfileRecord>();
  ResetProfileToDefaults(*r, p, language, 0x3311);
  return r;
}

LanguageTable TestLanguage() {
  LanguageTable language;
  testing::FillTestLanguage(language);
  return language;
}

bool Parse(std::u16string_view text, ProfileRecord& record) {
  UnicodeTextReader reader;
  reader.OpenBytes(Utf16File(text));
  return ParseProfileFile(reader, record);
}

// A record with a different value in every field the file holds.
std::unique_ptr<ProfileRecord> EveryFieldSet() {
  auto r = std::make_unique<ProfileRecord>();
  std::uint32_t seed = 1;
  const auto next = [&] { return seed = seed * 1103515245u + 12345u; };
  for (int i = 0; i < kSettingCount; ++i) {
    r->Settings[static_cast<std::size_t>(i)] = {u"K" + FormatDecimal(i),
                                                FormatDecimal(static_cast<long>(next() % 1000))};
  }
  r->Settings[1].Value = u"a=b \t value with = and spaces ";
  for (int k = 0; k < kButtonCount; ++k) {
    ButtonEntry& b = r->Buttons[static_cast<std::size_t>(k)];
    b.Name = u"Name " + FormatDecimal(k);
    b.URL = k == 3 ? u"C:\\Program Files\\x.exe" : u"";
    b.Value = {static_cast<std::uint8_t>(next()), static_cast<std::uint8_t>(next()), static_cast<std::uint8_t>(next())};
    b.MacroKeyIndex = next();
    b.Macro.MacroItemName = k == 2 ? u"" : u"M" + FormatDecimal(k);
    b.Macro.MacroActionNum = next() % 251;
    std::vector<MacroAction> steps(MacroItem::kMaxActions);
    for (MacroAction& a : steps) {
      for (auto& byte : a.bytes) byte = static_cast<std::uint8_t>(next() >> 8);
    }
    b.Macro.SetSteps(steps);
  }
  r->PollingRateName = u"8000Hz";
  r->PollingRateValue = {6, 1, 2};
  r->Lighting1OffOn = 0;
  r->Lighting1Name = u"Wave";
  r->Lighting1ModeValue = {9, 0xAB, 0xCD};
  for (std::size_t m = 0; m < kLightingModeCount; ++m) {
    r->Lighting1Speed[m] = static_cast<std::uint8_t>(next());
    r->Lighting1Brightness[m] = static_cast<std::uint8_t>(next());
    r->Lighting1Direction[m] = static_cast<std::uint8_t>(next());
    for (std::size_t s = 0; s < kLightingSlotCount; ++s) {
      r->Lighting1ColorSelected[m][s] = static_cast<std::uint8_t>(next());
      r->Lighting1FixedColor[m][s] = next() & 0xFFFFFF;
    }
  }
  r->Lighting2OffOn = 1;
  r->Lighting2Name = u"";
  r->Lighting2ModeValue = {1, 2, 3};
  r->Lighting2Speed = 0xFE;
  r->Lighting2Brightness = 100;
  r->Lighting2FixedColor = 0x010203;
  r->DPIOffOnFlag = 0xA5;
  for (std::size_t l = 0; l < kDpiLevelCount; ++l) {
    r->XYSettingX[l] = static_cast<std::uint16_t>(next());
    r->XYSettingY[l] = static_cast<std::uint16_t>(next());
    r->DPILevelIndication[l] = next() & 0xFFFFFF;
  }
  r->CurrentDPILevel = 7;
  r->AngleSnapValue = 0x11;
  r->LiftDetectionValue = 0x22;
  return r;
}

TEST(ProfileFile, DefaultProfileGoldenLines) {
  const LanguageTable language = TestLanguage();
  for (int p : {0, 4}) {
    const auto expected = DefaultProfileLines(language, p);
    ASSERT_EQ(expected.size(), 118u);
    const std::u16string text = ProfileFileText(*DefaultRecord(language, p));
    const auto lines = Utf16Lines(Utf16File(text));
    ASSERT_EQ(lines.size(), expected.size());
    for (std::size_t i = 0; i < lines.size(); ++i) EXPECT_EQ(lines[i], expected[i]) << "line " << i + 1;
  }
}

TEST(ProfileFile, WrittenFileIsTheTextWithByteOrderMark) {
  SettingsTestContext t;
  const auto r = DefaultRecord(t.ctx->Language, 0);
  const auto path = t.folder.Path("out.psf");
  ASSERT_TRUE(WriteProfileFile(*r, path));
  EXPECT_EQ(t.folder.Bytes("out.psf"), Utf16File(JoinLines(DefaultProfileLines(t.ctx->Language, 0))));
  EXPECT_FALSE(WriteProfileFile(*r, t.folder.Path("no/such/folder/x.psf")));
  EXPECT_FALSE(WriteProfileFile(*r, {}));
}

TEST(ProfileFile, EveryFieldSurvivesWriteAndRead) {
  const auto original = EveryFieldSet();
  const std::u16string text = ProfileFileText(*original);
  auto read = std::make_unique<ProfileRecord>();
  // Fields the file does not hold keep what they had.
  read->Buttons[1].Macro.MacroKeyLoopType = 0;
  read->Buttons[1].Macro.MacroKeyIndex = 77;
  ASSERT_TRUE(Parse(text, *read));
  EXPECT_EQ(ProfileFileText(*read), text);
  EXPECT_EQ(read->Settings, original->Settings);
  EXPECT_EQ(read->Lighting1FixedColor, original->Lighting1FixedColor);
  EXPECT_EQ(read->Lighting1ColorSelected, original->Lighting1ColorSelected);
  EXPECT_EQ(read->XYSettingY, original->XYSettingY);
  EXPECT_EQ(read->DPILevelIndication, original->DPILevelIndication);
  for (std::size_t k = 0; k < kButtonCount; ++k) {
    EXPECT_THAT(read->Buttons[k].Macro.Steps(), ::testing::ElementsAreArray(original->Buttons[k].Macro.Steps())) << k;
    EXPECT_EQ(read->Buttons[k].MacroKeyIndex, original->Buttons[k].MacroKeyIndex) << k;
  }
  EXPECT_EQ(read->Buttons[1].Macro.MacroKeyLoopType, 0);
  EXPECT_EQ(read->Buttons[1].Macro.MacroKeyIndex, 77u);
}

// Default lines with one line replaced (1-based), inserted before, or removed.
std::u16string Edited(int line, std::u16string_view replacement) {
  auto lines = DefaultProfileLines(TestLanguage(), 0);
  lines[static_cast<std::size_t>(line - 1)] = replacement;
  return JoinLines(lines);
}

TEST(ProfileFile, PositionalAcceptanceRules) {
  const std::u16string actions(2000, u'0');
  struct Case {
    const char* what;
    int line;
    std::u16string replacement;
    bool accepted;
  };
  const Case cases[] = {
      {"empty profile name", 2, u"ProfileName=", true},
      {"key renamed", 2, u"Name=Mine", true},
      {"no key before =", 2, u"=Mine", false},
      {"setting without =", 10, u"ScrollWheelPageEnable", false},
      {"empty setting line", 25, u"", false},
      {"body key renamed", 26, u"Flags=3F", true},
      {"body line without =", 27, u"\tXYSetting1ValueX 0009", false},
      {"body = at position 0", 43, u"=02", false},
      {"body value missing", 26, u"DPIOffOnFlagValue=", true},
      {"name line empty value", 54, u"PollingRateName=", true},
      {"name line = at position 0", 56, u"=Wave", false},
      {"button name = at position 0", 70, u"=Left", false},
      {"button url empty", 71, u"\tKey0URL=", true},
      {"button value without =", 72, u"\tKey0Value100100", false},
      {"key index empty", 73, u"\tMacroKeyIndex=", false},
      {"key index = at position 0", 73, u"=5", true},
      {"macro name empty", 74, u"\tMacroKey0Name=", true},
      {"macro name = at position 0", 74, u"=", true},
      {"action count empty", 75, u"\t\tMacroActionNum=", false},
      {"action count = at position 0", 75, u"=0", true},
      {"1999 action digits", 76, u"\t\tAllAction=" + actions.substr(1), false},
      {"2001 action digits", 76, u"\t\tAllAction=" + actions + u"0", false},
      {"actions = at position 0", 76, u"=" + actions, true},
      {"last block's actions", 118, u"\t\tAllAction=" + actions + u"00", false},
  };
  for (const Case& c : cases) {
    auto r = std::make_unique<ProfileRecord>();
    r->Settings[0].Value = u"untouched";
    EXPECT_EQ(Parse(Edited(c.line, c.replacement), *r), c.accepted) << c.what;
    if (!c.accepted) {
      EXPECT_EQ(r->Settings[0].Value, u"untouched") << c.what;
    }
  }
}

TEST(ProfileFile, KeysAreTakenFromTheFile) {
  auto r = DefaultRecord(TestLanguage(), 0);
  ASSERT_TRUE(Parse(Edited(6, u"Doppelklick=9"), *r));
  EXPECT_EQ(r->Settings[kSettingDoubleClickSpeed], (SettingPair{u"Doppelklick", u"9"}));
  EXPECT_EQ(Utf16Lines(Utf16File(ProfileFileText(*r)))[5], u"Doppelklick=9");
}

TEST(ProfileFile, ValuesComeFromFixedPlaces) {
  struct Case {
    const char* what;
    int line;
    std::u16string replacement;
    std::function<bool(const ProfileRecord&)> check;
  };
  const Case cases[] = {
      {"parse stops at a non-digit", 26, u"DPIOffOnFlagValue=3G", [](auto& r) { return r.DPIOffOnFlag == 3; }},
      {"only two characters", 26, u"DPIOffOnFlagValue=1FFF", [](auto& r) { return r.DPIOffOnFlag == 0x1F; }},
      {"value follows the first =", 26, u"A=B=7F", [](auto& r) { return r.DPIOffOnFlag == 0x0B; }},
      {"short value", 26, u"DPIOffOnFlagValue=", [](auto& r) { return r.DPIOffOnFlag == 0; }},
      {"four-digit step", 29, u"\tXYSetting2ValueX=02570", [](auto& r) { return r.XYSettingX[1] == 0x257; }},
      {"colour red first", 44, u"\tX=123456", [](auto& r) { return r.DPILevelIndication[0] == 0x563412; }},
      {"colour cut short", 44, u"\tX=1234", [](auto& r) { return r.DPILevelIndication[0] == 0x3412; }},
      {"separators unchecked", 59, u"\tS=01x02x03x04x05x06x07x08x09x0A",
       [](auto& r) { return r.Lighting1Speed[0] == 1 && r.Lighting1Speed[9] == 0x0A; }},
      {"ten items cut short", 60, u"\tB=02|02", [](auto& r) {
         return r.Lighting1Brightness[1] == 2 && r.Lighting1Brightness[2] == 0 && r.Lighting1Brightness[9] == 0;
       }},
      {"name with =", 56, u"Lighting1Name=a=b", [](auto& r) { return r.Lighting1Name == u"a=b"; }},
      {"three bytes", 72, u"\tKey0Value=90ABCD", [](auto& r) {
         return r.Buttons[0].Value == std::array<std::uint8_t, 3>{0x90, 0xAB, 0xCD};
       }},
      {"decimal key index", 73, u"\tMacroKeyIndex=12x", [](auto& r) { return r.Buttons[0].MacroKeyIndex == 12; }},
      // A count beyond the 250 slots is limited to them.
      {"action count limited", 75, u"\t\tMacroActionNum=999",
       [](auto& r) { return r.Buttons[0].Macro.MacroActionNum == 250; }},
      {"negative action count", 75, u"\t\tMacroActionNum=-1",
       [](auto& r) { return r.Buttons[0].Macro.MacroActionNum == 250; }},
      {"action bytes", 76, u"\t\tAllAction=41800000" + std::u16string(1992, u'0'), [](auto& r) {
         return r.Buttons[0].Macro.GetAction(0) == MacroAction{{0x41, 0x80, 0, 0}};
       }},
  };
  for (const Case& c : cases) {
    auto r = DefaultRecord(TestLanguage(), 0);
    ASSERT_TRUE(Parse(Edited(c.line, c.replacement), *r)) << c.what;
    EXPECT_TRUE(c.check(*r)) << c.what;
  }
}

TEST(ProfileFile, WholeFileShapes) {
  const auto lines = DefaultProfileLines(TestLanguage(), 0);
  const std::u16string text = JoinLines(lines);
  std::u16string crlf;
  for (const auto& l : lines) crlf += l + u"\r\n";
  auto missingLast = lines;
  missingLast.pop_back();
  auto extra = lines;
  extra.push_back(u"anything");
  extra.push_back(u"");
  auto blankInside = lines;
  blankInside.insert(blankInside.begin() + 30, u"");
  std::u16string noFinalLf = text;
  noFinalLf.pop_back();

  struct Case {
    const char* what;
    std::u16string text;
    bool accepted;
  };
  const Case cases[] = {
      {"as written", text, true},
      {"carriage returns", crlf, false},
      {"117 lines", JoinLines(missingLast), false},
      {"lines after the last block", JoinLines(extra), true},
      {"empty line inside", JoinLines(blankInside), false},
      {"no final line feed", noFinalLf, true},
      {"empty", u"", false},
      {"header with space", u"[Setting] \n" + text.substr(10), false},
  };
  for (const Case& c : cases) {
    auto r = std::make_unique<ProfileRecord>();
    EXPECT_EQ(Parse(c.text, *r), c.accepted) << c.what;
  }
}

TEST(ProfileFile, DamagedBytesNeverCrash) {
  const std::string good = Utf16File(JoinLines(DefaultProfileLines(TestLanguage(), 0)));
  auto r = std::make_unique<ProfileRecord>();
  // Cut anywhere (odd lengths included): only a cut inside the final line feed is whole.
  for (std::size_t cut = 0; cut < good.size(); cut += 97) {
    UnicodeTextReader reader;
    reader.OpenBytes(std::string_view(good).substr(0, cut));
    EXPECT_FALSE(ParseProfileFile(reader, *r)) << cut;
  }
  for (std::size_t cut : {good.size() - 1, good.size() - 2}) {
    UnicodeTextReader reader;
    reader.OpenBytes(std::string_view(good).substr(0, cut));
    EXPECT_TRUE(ParseProfileFile(reader, *r)) << cut;
  }
  std::mt19937 random(7);
  for (int round = 0; round < 50; ++round) {
    std::string bytes = good;
    for (int k = 0; k < 20; ++k) bytes[random() % bytes.size()] = static_cast<char>(random());
    if (round % 2) bytes.resize(random() % bytes.size());
    UnicodeTextReader reader;
    reader.OpenBytes(bytes);
    ParseProfileFile(reader, *r);  // any result, but no crash and no read past the text
  }
}

TEST(ProfileFile, FailedImportLeavesTheProfileAndEveryFileAlone) {
  SettingsTestContext t;
  t.ctx->Config.ConfigDefaults();
  const std::string defaults = Utf16File(JoinLines(DefaultProfileLines(t.ctx->Language, 1)));
  std::filesystem::create_directories(t.folder.Path("a-folder.psf"));
  ASSERT_EQ(::mkfifo(t.folder.Path("a-fifo.psf").c_str(), 0600), 0);
  t.folder.PutBytes("binary.psf", std::string("\x00\xFF\x13\x37\n\n\x00", 7));
  t.folder.PutBytes("odd.psf", defaults.substr(0, 1001));
  t.folder.PutBytes("cut.psf", Utf16File(Edited(73, u"\tMacroKeyIndex=")));
  // Larger than any settings file is read: not loaded into memory at all.
  t.folder.PutBytes("huge.psf", "");
  ASSERT_EQ(::truncate(t.folder.Path("huge.psf").c_str(), 65 * 1024 * 1024), 0);
  const auto before = EveryFieldSet();
  struct Case {
    const char* name;
    const char* reason;
  };
  for (const Case c : {Case{"missing.psf", "no such file"}, Case{"a-folder.psf", "a directory"},
                       Case{"a-fifo.psf", "not a regular file"}, Case{"binary.psf", "byte-order mark"},
                       Case{"odd.psf", "not a complete profile file"}, Case{"cut.psf", "not a complete profile file"},
                       Case{"huge.psf", "larger than"}}) {
    t.ctx->Profiles[1] = *before;
    // Every file's size and time: the 65 MiB one is not read into memory for this.
    const auto stamp = [&] {
      std::vector<std::pair<std::string, std::uintmax_t>> files;
      for (const auto& e : std::filesystem::directory_iterator(t.folder.Root())) {
        if (!e.is_regular_file()) continue;
        files.emplace_back(e.path().filename().string(), e.file_size());
      }
      std::sort(files.begin(), files.end());
      return files;
    };
    const auto files = stamp();
    const auto chosen = t.folder.Bytes("cut.psf");
    std::string why;
    // Returns at once for the FIFO too: it is never opened.
    EXPECT_FALSE(ReadProfileFile(*t.ctx, t.ctx->Language, 1, t.folder.Path(c.name), &why)) << c.name;
    EXPECT_NE(why.find(c.reason), std::string::npos) << c.name << ": " << why;
    EXPECT_EQ(ProfileFileText(t.ctx->Profiles[1]), ProfileFileText(*before)) << c.name;
    EXPECT_EQ(stamp(), files) << c.name;
    EXPECT_EQ(t.folder.Bytes("cut.psf"), chosen) << c.name;
    EXPECT_FALSE(t.folder.Exists("config/default1.psf")) << c.name;
  }
}

TEST(ProfileFile, SaveAllWritesTheFiveSlotsWhereTheyPoint) {
  SettingsTestContext t;
  t.ctx->Config.ConfigDefaults();
  t.ctx->Config.Pairs[kConfigProfileSlot0URL + 3].Value = (t.folder.Root() / "elsewhere.psf").u16string();
  t.ctx->Config.Pairs[kConfigProfileSlot0URL + 4].Value = u"";  // names no file
  for (int p = 0; p < kProfileCount; ++p)
    ResetProfileToDefaults(t.ctx->Profiles[p], p, t.ctx->Language, t.ctx->Dpi.SensorId);
  EXPECT_FALSE(SaveAllProfiles(*t.ctx));
  for (const char* name : {"config/default0.psf", "config/default1.psf", "config/default2.psf", "elsewhere.psf"}) {
    EXPECT_TRUE(t.folder.Exists(name)) << name;
  }
  EXPECT_EQ(t.folder.Bytes("elsewhere.psf"), Utf16File(JoinLines(DefaultProfileLines(t.ctx->Language, 3))));
  EXPECT_FALSE(t.folder.Exists("config/default4.psf"));
}

}  // namespace
}  // namespace corvane
