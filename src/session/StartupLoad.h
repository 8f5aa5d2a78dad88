#pragma once
// The start-up load every executable runs before anything else: data folder, language,
// macro library, configuration with the five profiles, and the sensor's DPI tables.
#include <string>
#include <vector>

#include "session/AppContext.h"

namespace corvane {

// Runs the load in the program's order on ctx (DataFolder must be set). Returns the
// interface font at skinScale: the language's after a complete language load, else the
// default one.
UiFont RunStartupLoad(AppContext& ctx, float skinScale = 1.0f);

// One short message for the window's attention box (two lines of it) about the damaged
// files the load found, naming them; corvanectl prints the full notices instead.
std::u16string FileNoticesSummary(const std::vector<std::string>& notices);

}  // namespace corvane
