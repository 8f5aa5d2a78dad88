#pragma once
// The start-up load every executable runs before anything else: data folder, language,
// macro library, configuration with the five profiles, and the sensor's DPI tables.
#include <filesystem>

#include "settings/AppContext.h"

namespace corvane {

// Runs the load in the program's order on ctx (DataFolder must be set).
void RunStartupLoad(AppContext& ctx);

// Folder of the running executable (skins live beside it).
std::filesystem::path ExecutableFolder();

}  // namespace corvane
