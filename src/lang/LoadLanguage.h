#pragma once
// Choosing and loading the language file at start-up.
//
// config/LanSetting.ini names the language: "EN" (exactly) reads config/Lan_EN.txt, anything
// else config/Lan.txt. The language file is "[Setting]" followed by "N=text" lines; a later line
// for the same N wins. The load stops at the first line that is empty, has no "=", starts with
// "=" or ends right after it: the entries read so far stay, the font is not touched and the
// result is 0. A line whose number lies outside 0..499 is skipped. After a complete load the
// interface font follows the language (see UiFontFor) and the result is 1.
#include "lang/LanguageFiles.h"
#include "settings/AppContext.h"

namespace corvane {

// Reads ctx.DataFolder's language files into ctx.Language and sets ctx.Font from ctx.SkinScale.
int LoadLanguage(AppContext& ctx);

}  // namespace corvane
