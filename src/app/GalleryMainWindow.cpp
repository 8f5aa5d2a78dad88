// The main window's pages of the gallery and the control lists beside them.
#include "app/MainWindowGallery.h"
#include "app/MainWindowLayout.h"
#include "app/MainWindowPreview.h"

namespace corvane {

void RenderMainWindowPages(AppContext& app, GuiState& gui, const GallerySink& sink) {
  auto shoot = [&](MainWindowPreview& window, const QString& name) { sink.Window(name, window); };
  {
    MainWindowPreview window(app, gui);
    window.EnsureInitialized();
    shoot(window, "mainwindow-start");
  }
  for (int i = 0; i < kSectionCount; ++i) {
    MainWindowPreview window(app, gui);
    window.EnsureInitialized();
    SectionStates open{};
    open[static_cast<std::size_t>(i)] = true;
    ApplySectionStates(window, open);
    ShowCurrentProfile(window, app, gui);
    shoot(window, QString("mainwindow-section-%1").arg(kSectionHeaders[static_cast<std::size_t>(i)]));
  }
}

}  // namespace corvane
