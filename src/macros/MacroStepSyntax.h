#pragma once
// The written form of a macro step used by corvanectl:
//   +NAME / -NAME   press / release of a key (key-name table) or mouse button ("L Key".."K5");
//                   +0xNN / -0xNN give the code itself (0x08..0xE4)
//   NUMBERms        delay of 0..15300000 ms
//   mx:N, my:N      horizontal / vertical movement, N signed (-128..127)
//   wheel:N         wheel steps, N signed (-128..127), positive = down
#include <string>
#include <string_view>

#include "settings/MacroItem.h"

namespace corvane {

constexpr std::uint32_t kMaxMacroDelayMs = 15300000;

// False with a one-line reason when the text is not a step.
bool ParseMacroStep(std::u16string_view text, MacroAction& step, std::string& error);
// The written form; ParseMacroStep reads it back (delay steps come back with code 3).
std::u16string FormatMacroStep(const MacroAction& step);

}  // namespace corvane
