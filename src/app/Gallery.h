#pragma once
// The review gallery: every control family in each of its states, every popup and every
// dialog of the toolkit, rendered offscreen to PNG files at scales 1, 1.5 and 2 in both
// languages, named after what they show ("popup-CComboPopup-scale1.5-en.png").
#include <filesystem>
#include <functional>

#include <QImage>
#include <QString>

namespace corvane {

struct AppContext;
struct GuiState;

// Receives each picture with its name (without scale, language and extension).
using GallerySink = std::function<void(const QString& name, const QImage& image)>;

void RenderControlPages(AppContext& ctx, GuiState& gui, const GallerySink& sink);
void RenderPopups(AppContext& ctx, GuiState& gui, const GallerySink& sink);
void RenderDialogs(AppContext& ctx, GuiState& gui, const GallerySink& sink);
void RenderTrayIcons(AppContext& ctx, GuiState& gui, const GallerySink& sink);
void RenderAutoSwitchDialogs(AppContext& ctx, GuiState& gui, const GallerySink& sink);

// Renders everything into dir; the number of files written, -1 when dir is unusable.
int RenderGallery(const std::filesystem::path& dir);

}  // namespace corvane
