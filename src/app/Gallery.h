#pragma once
// The review gallery: every control family in each of its states, every popup and every
// dialog of the toolkit, rendered offscreen to PNG files at scales 1, 1.5 and 2 in both
// languages, named after what they show ("popup-CComboPopup-scale1.5-en.png").
#include <filesystem>
#include <functional>

#include <QByteArray>
#include <QImage>
#include <QString>

namespace corvane {

struct AppContext;
struct GuiState;
class CDlgBase;

// Receives each picture with its name (without scale, language and extension). A window's
// picture also gets a JSON file of the same name listing its controls, for reviewers and
// UI tests.
struct GallerySink {
  // controls: the JSON list, empty for pictures that are not windows.
  std::function<void(const QString& name, const QImage& image, const QByteArray& controls)> Write;

  void operator()(const QString& name, const QImage& image) const { Write(name, image, {}); }
  // Initialises the window if needed, then writes its picture and its control list.
  void Window(const QString& name, CDlgBase& dlg) const;
};

// The controls of a window as JSON: id, class, rectangle in window pixels, visible,
// enabled and caption of each, in drawing order.
QByteArray DescribeControls(const CDlgBase& dlg);

void RenderControlPages(AppContext& ctx, GuiState& gui, const GallerySink& sink);
void RenderPopups(AppContext& ctx, GuiState& gui, const GallerySink& sink);
void RenderDialogs(AppContext& ctx, GuiState& gui, const GallerySink& sink);
void RenderTrayIcons(AppContext& ctx, GuiState& gui, const GallerySink& sink);
void RenderAutoSwitchDialogs(AppContext& ctx, GuiState& gui, const GallerySink& sink);

// Renders everything into dir; the number of files written, -1 when dir is unusable.
int RenderGallery(const std::filesystem::path& dir);

}  // namespace corvane
