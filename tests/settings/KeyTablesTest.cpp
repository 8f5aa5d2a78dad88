#include "settings/KeyTables.h"

#include <gtest/gtest.h>

#include <set>

namespace corvane {
namespace {

TEST(KeyTables, NamesAndDeviceCodes) {
  struct Case {
    int code;
    std::u16string_view name;
    int usage;
  };
  const Case cases[] = {
      {0x00, u"Undefined", 0x00},   {0x01, u"LBUTTON", 0x00},     {0x06, u"XBUTTON2", 0x00},
      {0x07, u"Undefined", 0x00},   {0x08, u"Backspace", 0x2A},   {0x0D, u"Enter", 0x28},
      {0x0E, u"Undefined", 0x58},   {0x10, u"Shift", 0x00},       {0x11, u"Ctrl", 0x00},
      {0x17, u"junja", 0x00},       {0x1B, u"Esc", 0x29},         {0x20, u"Space", 0x2C},
      {0x21, u"Page Up", 0x4B},     {0x28, u"Down Arrow", 0x51},  {0x2C, u"Print Screen", 0x46},
      {0x30, u"0", 0x27},           {0x31, u"1", 0x1E},           {0x39, u"9", 0x26},
      {0x3B, u"Undefined", 0x29},   {0x41, u"A", 0x04},           {0x5A, u"Z", 0x1D},
      {0x5B, u"Win_L", 0xE3},       {0x5C, u"Win_R", 0xE7},       {0x5E, u"Undefined", 0x00},
      {0x5F, u"Sleep", 0x82},       {0x60, u"Num0", 0x62},        {0x61, u"Num1", 0x59},
      {0x69, u"Num9", 0x61},        {0x6C, u"Separator", 0x00},   {0x6F, u"Divide", 0x54},
      {0x70, u"F1", 0x3A},          {0x7B, u"F12", 0x45},         {0x7C, u"F13", 0x00},
      {0x87, u"F24", 0x00},         {0x88, u"Undefined", 0x00},   {0x90, u"Num Lock", 0x53},
      {0x91, u"Scroll Lock", 0x47}, {0xA0, u"Shift_L", 0xE1},     {0xA5, u"Alt_R", 0xE6},
      {0xBC, u",", 0x36},           {0xC0, u"~", 0x35},           {0xDC, u"\\", 0x31},
      {0xDE, u"'", 0x34},           {0xE0, u"L Key", 0xF0},       {0xE4, u"K5", 0xF4},
      {0xE7, u"Mouse Wheel", 0xF7}, {0xE8, u"Undefined", 0x00},   {0xF0, u"Undefined", 0x81},
      {0xF2, u"Undefined", 0x32},   {0xFB, u"Undefined", 0x91},   {0xFC, u"Undefined", 0x00},
      {0xFF, u"Undefined", 0x00},
  };
  for (const auto& c : cases) {
    const auto code = static_cast<std::uint8_t>(c.code);
    EXPECT_EQ(KeyName(code), c.name) << std::hex << c.code;
    EXPECT_EQ(KeyUsage(code), c.usage) << std::hex << c.code;
  }
}

TEST(KeyTables, TableShape) {
  const auto& names = VirtualKeyNames();
  int named = 0;
  std::set<std::u16string_view> seen;
  for (const auto n : names) {
    if (n == kUndefinedKeyName) continue;
    ++named;
    EXPECT_TRUE(seen.insert(n).second) << "duplicate name";
  }
  EXPECT_EQ(named, 147);
  int withUsage = 0;
  for (const auto u : VirtualKeyToUsage()) withUsage += u != 0;
  EXPECT_EQ(withUsage, 126);
}

TEST(KeyTables, CodeOfName) {
  struct Case {
    std::u16string_view name;
    std::optional<std::uint8_t> any;
    std::optional<std::uint8_t> step;
    std::optional<std::uint8_t> mouse;
  };
  const Case cases[] = {
      {u"A", 0x41, 0x41, std::nullopt},
      {u"a", 0x41, 0x41, std::nullopt},
      {u"ctrl", 0x11, 0x11, std::nullopt},
      {u"page up", 0x21, 0x21, std::nullopt},
      {u"F12", 0x7B, 0x7B, std::nullopt},
      {u"Num Lock", 0x90, 0x90, std::nullopt},
      {u"JUNJA", 0x17, 0x17, std::nullopt},
      {u"L Key", 0xE0, 0xE0, 0xE0},
      {u"k5", 0xE4, 0xE4, 0xE4},
      {u"LBUTTON", 0x01, std::nullopt, std::nullopt},
      {u"Mouse X", 0xE5, std::nullopt, std::nullopt},
      {u"Undefined", std::nullopt, std::nullopt, std::nullopt},
      {u"", std::nullopt, std::nullopt, std::nullopt},
      {u"Page", std::nullopt, std::nullopt, std::nullopt},
      {u"\\", 0xDC, 0xDC, std::nullopt},
  };
  for (const auto& c : cases) {
    const std::u16string n(c.name);
    EXPECT_EQ(VirtualKeyOfName(c.name), c.any) << std::string(n.begin(), n.end());
    EXPECT_EQ(PressReleaseStepOfName(c.name), c.step) << std::string(n.begin(), n.end());
    EXPECT_EQ(MouseButtonStepOfName(c.name), c.mouse) << std::string(n.begin(), n.end());
  }
  // Every name leads back to its own code.
  for (int c = 0; c < 256; ++c) {
    const auto name = KeyName(static_cast<std::uint8_t>(c));
    if (name != kUndefinedKeyName) {
      EXPECT_EQ(VirtualKeyOfName(name), c);
    }
  }
}

TEST(KeyTables, ShortcutText) {
  struct Case {
    const char* what;
    ShortcutChoice choice;
    std::u16string_view text;
    std::array<std::uint8_t, 3> value;
  };
  const Case cases[] = {
      {"ctrl alt A", {false, true, false, true, false, u"A", 0x04}, u"Ctrl+Alt+A", {0x70, 0x05, 0x04}},
      {"no key", {false, true, false, true, false, u"", 0}, u"Ctrl+Alt", {0x70, 0x05, 0x00}},
      {"key only", {true, true, false, false, false, u"A", 0x04}, u"A", {0x70, 0x00, 0x04}},
      {"all modifiers in fixed order",
       {false, true, true, true, true, u"F5", 0x3E},
       u"Ctrl+Shift+Alt+Win+F5",
       {0x70, 0x0F, 0x3E}},
      {"shift win", {false, false, true, false, true, u"Page Up", 0x4B}, u"Shift+Win+Page Up", {0x70, 0x0A, 0x4B}},
      {"nothing", {false, false, false, false, false, u"", 0}, u"", {0x70, 0x00, 0x00}},
  };
  for (const auto& c : cases) {
    const auto s = ShortcutText(c.choice);
    EXPECT_EQ(s.Text, c.text) << c.what;
    EXPECT_EQ(s.Value, c.value) << c.what;
  }
}

TEST(KeyTables, ModifierKeysCannotBeTheShortcutKey) {
  for (int c = 0; c < 256; ++c) {
    const bool ignored = c == 0x5B || c == 0x5C || (c >= 0xA0 && c <= 0xA5);
    EXPECT_EQ(IsIgnoredShortcutKey(static_cast<std::uint8_t>(c)), ignored) << std::hex << c;
  }
}

}  // namespace
}  // namespace corvane
