#pragma once
// The state of one gallery pass: the program's state, loaded for one language, and the
// window's state over it at one scale.
#include <filesystem>
#include <memory>
#include <string>

#include "session/AppContext.h"
#include "skin/GuiState.h"

namespace corvane {

struct GalleryContext {
  AppContext App;
  GuiState Gui{App.Language};
};

// A fresh context for the gallery: a data folder of its own under root choosing the
// language ("en" or "zh"), the start-up load run for real, skins beside the program.
std::unique_ptr<GalleryContext> MakeGalleryContext(const std::filesystem::path& root, const std::string& language,
                                                   float scale);

}  // namespace corvane
