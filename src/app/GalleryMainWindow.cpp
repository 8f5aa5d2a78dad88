// The main window's pages of the gallery and the control lists beside them.
#include "app/MainWindowGallery.h"
#include "app/MainWindowLayout.h"
#include "app/MainWindowPreview.h"
#include "session/AppContext.h"

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
  {
    // Lighting in the breathing effect, whose colour slots the window shows.
    ProfileRecord& p = app.Profiles[app.Config.CurrentProfileSlot()];
    const auto savedMode = p.Lighting1ModeValue;
    const std::u16string savedName = p.Lighting1Name;
    p.Lighting1ModeValue[0] = 3;
    p.Lighting1Name.clear();
    MainWindowPreview window(app, gui);
    window.EnsureInitialized();
    SectionStates open{};
    open[static_cast<std::size_t>(*SectionOfHeader(kSectionHeaders[1]))] = true;
    ApplySectionStates(window, open);
    ShowCurrentProfile(window, app, gui);
    shoot(window, "mainwindow-section-3002-slots");
    p.Lighting1ModeValue = savedMode;
    p.Lighting1Name = savedName;
  }
}

}  // namespace corvane
