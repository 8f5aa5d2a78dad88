#pragma once
// The interface fonts. Faces are requested by the names the language chooses ("宋体",
// "Tahoma"); where those faces are not installed the font system substitutes Noto Sans
// CJK and DejaVu Sans, which cover the same scripts.
#include <string>

#include <QFont>

#include "lang/LanguageTable.h"

namespace corvane {

struct GuiState;

// Registers the substitutes for the two interface faces; safe to call again.
void InstallFontSubstitutes();

// A font made the way the window system's CreateFontW makes it: a positive height is the
// character cell (ascent plus descent), a negative one the em height, both in pixels;
// weight 0 means normal.
QFont MakeGdiFont(const std::u16string& face, int height, int weight = 0);

// The font of every control and popup: UiFontFace at UiFontHeight.
QFont MakeControlFont(const UiFont& font);

// The dialog font: UiFontFace, weight 600, 10 points at the screen's vertical DPI.
QFont MakeDialogFont(const GuiState& gui);

// The edit-box font of the secondary dialogs: "Tahoma" at int(SkinScale * 100 / DpiFactor)
// tenths of a point, so it grows with the skin but not with the desktop's DPI setting.
QFont MakeEditFont(const GuiState& gui);

}  // namespace corvane
