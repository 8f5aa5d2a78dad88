#pragma once
// The review gallery: every control family in each of its states, every popup and every
// dialog of the toolkit, rendered offscreen to PNG files at scales 1, 1.5 and 2 in both
// languages, named after what they show ("popup-CComboPopup-scale1.5-en.png").
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include <QImage>
#include <QString>

namespace corvane {

struct AppContext;

// A fresh context for the gallery: a data folder of its own under root choosing the
// language ("en" or "zh"), the start-up load run for real, skins beside the program.
std::unique_ptr<AppContext> MakeGalleryContext(const std::filesystem::path& root, const std::string& language,
                                               float scale);

// Receives each picture with its name (without scale, language and extension).
using GallerySink = std::function<void(const QString& name, const QImage& image)>;

void RenderControlPages(AppContext& ctx, const GallerySink& sink);
void RenderPopups(AppContext& ctx, const GallerySink& sink);
void RenderDialogs(AppContext& ctx, const GallerySink& sink);

// Renders everything into dir; the number of files written, -1 when dir is unusable.
int RenderGallery(const std::filesystem::path& dir);

}  // namespace corvane
