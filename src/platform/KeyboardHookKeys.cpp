#include "platform/KeyboardHookKeys.h"

#include <algorithm>
#include <array>
#include <utility>

namespace corvane {

namespace {

struct KeysymKey {
  std::uint32_t keysym;
  std::uint8_t vk;
};

// Keys named by X key symbols (X11/keysymdef.h values), sorted by symbol. Letters and
// digits are ranges and handled before the table.
constexpr KeysymKey kKeys[] = {
    {0x0020, 0x20},  // space
    {0x0021, 0x31},  // exclam: the 1 key
    {0x0022, 0xDE},  // quotedbl
    {0x0023, 0x33},  // numbersign
    {0x0024, 0x34},  // dollar
    {0x0025, 0x35},  // percent
    {0x0026, 0x37},  // ampersand
    {0x0027, 0xDE},  // apostrophe
    {0x0028, 0x39},  // parenleft
    {0x0029, 0x30},  // parenright
    {0x002A, 0x38},  // asterisk
    {0x002B, 0xBB},  // plus
    {0x002C, 0xBC},  // comma
    {0x002D, 0xBD},  // minus
    {0x002E, 0xBE},  // period
    {0x002F, 0xBF},  // slash
    {0x003A, 0xBA},  // colon
    {0x003B, 0xBA},  // semicolon
    {0x003C, 0xBC},  // less
    {0x003D, 0xBB},  // equal
    {0x003E, 0xBE},  // greater
    {0x003F, 0xBF},  // question
    {0x0040, 0x32},  // at
    {0x005B, 0xDB},  // bracketleft
    {0x005C, 0xDC},  // backslash
    {0x005D, 0xDD},  // bracketright
    {0x005E, 0x36},  // asciicircum
    {0x005F, 0xBD},  // underscore
    {0x0060, 0xC0},  // grave
    {0x007B, 0xDB},  // braceleft
    {0x007C, 0xDC},  // bar
    {0x007D, 0xDD},  // braceright
    {0x007E, 0xC0},  // asciitilde
    {0xFE03, 0xA5},  // ISO_Level3_Shift (AltGr)
    {0xFE20, 0x09},  // ISO_Left_Tab (Shift+Tab)
    {0xFF08, 0x08},  // BackSpace
    {0xFF09, 0x09},  // Tab
    {0xFF0B, 0x0C},  // Clear
    {0xFF0D, 0x0D},  // Return
    {0xFF13, 0x13},  // Pause
    {0xFF14, 0x91},  // Scroll_Lock
    {0xFF15, 0x2C},  // Sys_Req (Alt+Print)
    {0xFF1B, 0x1B},  // Escape
    {0xFF21, 0x19},  // Kanji
    {0xFF22, 0x1D},  // Muhenkan
    {0xFF23, 0x1C},  // Henkan
    {0xFF27, 0x15},  // Hiragana_Katakana
    {0xFF31, 0x15},  // Hangul
    {0xFF34, 0x19},  // Hangul_Hanja
    {0xFF50, 0x24},  // Home
    {0xFF51, 0x25},  // Left
    {0xFF52, 0x26},  // Up
    {0xFF53, 0x27},  // Right
    {0xFF54, 0x28},  // Down
    {0xFF55, 0x21},  // Prior
    {0xFF56, 0x22},  // Next
    {0xFF57, 0x23},  // End
    {0xFF60, 0x29},  // Select
    {0xFF61, 0x2C},  // Print
    {0xFF62, 0x2B},  // Execute
    {0xFF63, 0x2D},  // Insert
    {0xFF67, 0x5D},  // Menu
    {0xFF6A, 0x2F},  // Help
    {0xFF6B, 0x13},  // Break
    {0xFF7F, 0x90},  // Num_Lock
    {0xFF8D, 0x0D},  // KP_Enter
    {0xFF95, 0x24},  // KP_Home
    {0xFF96, 0x25},  // KP_Left
    {0xFF97, 0x26},  // KP_Up
    {0xFF98, 0x27},  // KP_Right
    {0xFF99, 0x28},  // KP_Down
    {0xFF9A, 0x21},  // KP_Prior
    {0xFF9B, 0x22},  // KP_Next
    {0xFF9C, 0x23},  // KP_End
    {0xFF9D, 0x0C},  // KP_Begin
    {0xFF9E, 0x2D},  // KP_Insert
    {0xFF9F, 0x2E},  // KP_Delete
    {0xFFAA, 0x6A},  // KP_Multiply
    {0xFFAB, 0x6B},  // KP_Add
    {0xFFAC, 0x6C},  // KP_Separator
    {0xFFAD, 0x6D},  // KP_Subtract
    {0xFFAE, 0x6E},  // KP_Decimal
    {0xFFAF, 0x6F},  // KP_Divide
    {0xFFE1, 0xA0},  // Shift_L
    {0xFFE2, 0xA1},  // Shift_R
    {0xFFE3, 0xA2},  // Control_L
    {0xFFE4, 0xA3},  // Control_R
    {0xFFE5, 0x14},  // Caps_Lock
    {0xFFE7, 0x5B},  // Meta_L
    {0xFFE8, 0x5C},  // Meta_R
    {0xFFE9, 0xA4},  // Alt_L
    {0xFFEA, 0xA5},  // Alt_R
    {0xFFEB, 0x5B},  // Super_L
    {0xFFEC, 0x5C},  // Super_R
    {0xFFFF, 0x2E},  // Delete
    {0x1008FF2F, 0x5F},  // XF86Sleep
};

constexpr bool Sorted() {
  for (std::size_t i = 1; i < std::size(kKeys); ++i)
    if (kKeys[i - 1].keysym >= kKeys[i].keysym) return false;
  return true;
}
static_assert(Sorted(), "the key table is searched by halving");

}  // namespace

std::uint8_t VirtualKeyOfKeysym(std::uint32_t keysym) {
  if (keysym >= 0x0061 && keysym <= 0x007A) return static_cast<std::uint8_t>(keysym - 0x20);  // a..z
  if (keysym >= 0x0041 && keysym <= 0x005A) return static_cast<std::uint8_t>(keysym);         // A..Z
  if (keysym >= 0x0030 && keysym <= 0x0039) return static_cast<std::uint8_t>(keysym);         // 0..9
  if (keysym >= 0xFFB0 && keysym <= 0xFFB9) return static_cast<std::uint8_t>(0x60 + keysym - 0xFFB0);  // KP_0..9
  if (keysym >= 0xFFBE && keysym <= 0xFFD5) return static_cast<std::uint8_t>(0x70 + keysym - 0xFFBE);  // F1..F24
  const auto* end = std::end(kKeys);
  const auto* it = std::lower_bound(std::begin(kKeys), end, keysym,
                                    [](const KeysymKey& k, std::uint32_t s) { return k.keysym < s; });
  return it != end && it->keysym == keysym ? it->vk : 0;
}

}  // namespace corvane
