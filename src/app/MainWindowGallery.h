#pragma once
// The main window in the review gallery: as it opens, then with each section open, each
// picture with a JSON file of the same base name listing its controls.
#include <filesystem>

#include <QByteArray>
#include <QString>

#include "app/Gallery.h"

namespace corvane {

class CDlgBase;

// The controls of a window as JSON: id, class, rectangle in window pixels, visible,
// enabled and caption of each, in drawing order.
QByteArray DescribeControls(const CDlgBase& dlg);

// Renders the pages through sink; each picture's JSON goes to dir / (name + suffix +
// ".json"), suffix being what the sink adds to the name before ".png".
void RenderMainWindowPages(AppContext& app, GuiState& gui, const GallerySink& sink, const std::filesystem::path& dir,
                           const QString& suffix);

}  // namespace corvane
