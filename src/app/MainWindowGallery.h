#pragma once
// The main window in the review gallery: as it opens, then with each section open, each
// picture with a JSON file of the same base name listing its controls.
#include "app/Gallery.h"

namespace corvane {

void RenderMainWindowPages(AppContext& app, GuiState& gui, const GallerySink& sink);

}  // namespace corvane
