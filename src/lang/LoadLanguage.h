#pragma once
// Choosing and loading the language file at start-up.
//
// config/LanSetting.ini names the language: "EN" (exactly) reads config/Lan_EN.txt, anything
// else config/Lan.txt. The language file is "[Setting]" followed by "N=text" lines; a later line
// for the same N wins. The load stops at the first line that is empty, has no "=", starts with
// "=" or ends right after it: the entries read so far stay, the font is not touched and the
// result is 0. A line whose number lies outside 0..499 is skipped. After a complete load the
// interface font follows the language (see UiFontFor) and the result is 1.
#include <filesystem>

#include "lang/LanguageTable.h"

namespace corvane {

// Reads the data folder's language files into language; after a complete load, font
// becomes the language's interface font at skinScale.
int LoadLanguage(const std::filesystem::path& dataFolder, LanguageTable& language, UiFont& font, float skinScale);

}  // namespace corvane
