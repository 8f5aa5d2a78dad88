#pragma once
// Where the skin files and the program's own pictures are found.
#include <filesystem>
#include <string_view>

#include <QString>

namespace corvane {

struct GuiState;

// The full path of a skin file named as the windows name it ("skins\exit_nr.png"):
// beside the program, with the backslashes turned into folder separators.
std::filesystem::path SkinFilePath(const GuiState& gui, std::u16string_view name);

// The program's own pictures, compiled in: the application icon (128), the main window
// background (bitmap 364), the colour palette picture (bitmap 287) and the scroll bar's
// arrow strips (PNG 187 down, 188 up).
QString ResourceImagePath(int resourceId);

}  // namespace corvane
