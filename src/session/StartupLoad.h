#pragma once
// The start-up load every executable runs before anything else: data folder, language,
// macro library, configuration with the five profiles, and the sensor's DPI tables.
#include <string>
#include <string_view>
#include <vector>

#include "session/AppContext.h"

namespace corvane {

// Ends the start-up notice about a data folder that cannot be created or written: the
// program still runs on defaults, but every save will fail.
inline constexpr std::string_view kDataFolderUnusable = "; nothing can be saved there";

// Runs the load in the program's order on ctx (DataFolder must be set). A data folder
// that cannot be created or written adds a notice (its path and the reason) at once,
// rather than leaving it to the first save. Returns the
// interface font at skinScale: the language's after a complete language load, else the
// default one.
UiFont RunStartupLoad(AppContext& ctx, float skinScale = 1.0f);

// The interface font RunStartupLoad returned, for a loaded ctx at another scale (the load
// may run before the screen, and so the scale, is known).
UiFont InterfaceFont(const AppContext& ctx, float skinScale);

// One short message for the window's attention box (two lines of it) about the damaged
// files the load found, naming them, after the data folder's own notice when there is
// one; corvanectl prints the full notices instead.
std::u16string FileNoticesSummary(const std::vector<std::string>& notices);

}  // namespace corvane
