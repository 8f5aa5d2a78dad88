// The X key symbol -> virtual-key table the keyboard hook records through, checked
// against the codes of the key-name table (what the step list shows and the macro
// encoder sends), and the message's second parameter.
#include <gtest/gtest.h>

#include "platform/KeyboardHookKeys.h"
#include "settings/KeyTables.h"

namespace corvane {
namespace {

TEST(KeyboardHookKeys, KeysymsGiveTheVirtualKeysTheStepListNames) {
  struct Case {
    std::uint32_t keysym;
    std::uint8_t vk;
    const char16_t* name;  // KeyName(vk)
  };
  const Case cases[] = {
      {0x0061, 0x41, u"A"},           // a
      {0x0041, 0x41, u"A"},           // A (with Shift, where the symbol is read with modifiers)
      {0x007A, 0x5A, u"Z"},           // z
      {0x0030, 0x30, u"0"},           // 0
      {0x0039, 0x39, u"9"},           // 9
      {0x0021, 0x31, u"1"},           // exclam: the key it is typed on
      {0x0020, 0x20, u"Space"},
      {0x002C, 0xBC, u","},
      {0x003B, 0xBA, u";"},
      {0x0027, 0xDE, u"'"},
      {0x0060, 0xC0, u"~"},
      {0x005B, 0xDB, u"["},
      {0x005C, 0xDC, u"\\"},
      {0xFF08, 0x08, u"Backspace"},
      {0xFF09, 0x09, u"Tab"},
      {0xFE20, 0x09, u"Tab"},         // ISO_Left_Tab
      {0xFF0D, 0x0D, u"Enter"},
      {0xFF8D, 0x0D, u"Enter"},       // KP_Enter
      {0xFF1B, 0x1B, u"Esc"},
      {0xFFFF, 0x2E, u"Del"},
      {0xFF63, 0x2D, u"Ins"},
      {0xFF50, 0x24, u"Home"},
      {0xFF57, 0x23, u"End"},
      {0xFF55, 0x21, u"Page Up"},
      {0xFF56, 0x22, u"Page Down"},
      {0xFF51, 0x25, u"Left Arrow"},
      {0xFF52, 0x26, u"Up Arrow"},
      {0xFF53, 0x27, u"Right Arrow"},
      {0xFF54, 0x28, u"Down Arrow"},
      {0xFF61, 0x2C, u"Print Screen"},
      {0xFF13, 0x13, u"Pause"},
      {0xFFE5, 0x14, u"CapsLock"},
      {0xFF7F, 0x90, u"Num Lock"},
      {0xFF14, 0x91, u"Scroll Lock"},
      {0xFF67, 0x5D, u"App"},
      {0xFFBE, 0x70, u"F1"},
      {0xFFC9, 0x7B, u"F12"},
      {0xFFD5, 0x87, u"F24"},
      {0xFFB0, 0x60, u"Num0"},
      {0xFFB9, 0x69, u"Num9"},
      {0xFFAA, 0x6A, u"Multiply"},
      {0xFFAB, 0x6B, u"Add"},
      {0xFFAD, 0x6D, u"Subtract"},
      {0xFFAE, 0x6E, u"Decimal"},
      {0xFFAF, 0x6F, u"Divide"},
      {0xFFE1, 0xA0, u"Shift_L"},
      {0xFFE2, 0xA1, u"Shift_R"},
      {0xFFE3, 0xA2, u"Ctrl_L"},
      {0xFFE4, 0xA3, u"Ctrl_R"},
      {0xFFE9, 0xA4, u"Alt_L"},
      {0xFFEA, 0xA5, u"Alt_R"},
      {0xFE03, 0xA5, u"Alt_R"},       // AltGr
      {0xFFEB, 0x5B, u"Win_L"},       // Super_L
      {0xFFEC, 0x5C, u"Win_R"},
      {0x1008FF2F, 0x5F, u"Sleep"},   // XF86Sleep
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.keysym);
    EXPECT_EQ(VirtualKeyOfKeysym(c.keysym), c.vk);
    EXPECT_EQ(KeyName(c.vk), std::u16string_view(c.name));
  }
}

TEST(KeyboardHookKeys, SymbolsWithoutAVirtualKeyGiveNone) {
  for (std::uint32_t keysym : {0x0000u, 0x00E9u /* eacute */, 0xFF20u /* Multi_key */, 0xFFEEu /* Hyper_R */,
                               0x1008FF11u /* XF86AudioLowerVolume */, 0xFFFFFFu})
    EXPECT_EQ(VirtualKeyOfKeysym(keysym), 0) << keysym;
}

TEST(KeyboardHookKeys, SecondParameterHoldsReleaseBitAndWrappingTime) {
  EXPECT_EQ(HookLParam(false, 130), 130u);
  EXPECT_EQ(HookLParam(true, 130), 0x80000082u);
  EXPECT_EQ(HookLParam(false, 0x80000005ull), 5u) << "the time stamp keeps 31 bits";
  EXPECT_EQ(HookLParam(true, 0xFFFFFFFFull), 0xFFFFFFFFu);
}

}  // namespace
}  // namespace corvane
