// The Corvane program: the main window over the user's settings and the mouse.
//   corvane [--data-dir DIR] [--simulate[=ROLES]] [--sim-state FILE] [--trace FILE] [--no-wait] [--macros]
//                             --macros opens the macro manager (in the running program when there is one)
//   corvane --gallery DIR     renders the review gallery of the skinned toolkit
//   corvane --version
#include <cstdio>
#include <string>
#include <vector>

#include <QApplication>

#include "app/CCorvaneApp.h"
#include "app/Gallery.h"
#include "base/DataFolder.h"
#include "platform/FontConfigWarmUp.h"

namespace {

int RunGallery(int argc, char** argv, const std::string& dir) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const int written = corvane::RenderGallery(dir);
  if (written < 0) {
    std::fprintf(stderr, "corvane: the gallery could not be written to %s\n", dir.c_str());
    return 1;
  }
  std::printf("%d pictures written to %s\n", written, dir.c_str());
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (args.size() == 1 && args[0] == "--version") {
    std::printf("corvane %s\n", CORVANE_VERSION);
    return 0;
  }
  std::string error;
  const auto line = corvane::ParseCorvaneCommandLine(args, error);
  if (!line) {
    std::fprintf(stderr, "corvane: %s\n", error.c_str());
    return 2;
  }
  if (line->GalleryDir) return RunGallery(argc, argv, *line->GalleryDir);
  auto options = corvane::DialogOptionsOf(*line, error);
  if (!options) {
    std::fprintf(stderr, "corvane: %s\n", error.c_str());
    return 2;
  }
  if (options->DataFolder.empty() && corvane::DefaultDataFolder().empty()) {
    std::fprintf(stderr, "corvane: %s\n", std::string(corvane::kNoDataFolderText).c_str());
    return 1;
  }
  if (!corvane::DisplayAvailable()) {
    std::fprintf(stderr,
                 "corvane: no display; run it in an X11 or Wayland session (or under xvfb-run), or use corvanectl\n");
    return 1;
  }
  options->Device.warn = [](const std::string& message) { std::fprintf(stderr, "corvane: %s\n", message.c_str()); };
  // A start that only hands its request to the running program ends before the window
  // system is set up; the first one begins loading the settings while it is.
  corvane::CCorvaneApp program(std::move(*options), line->OpenMacros);
  if (program.HandedToRunningProgram()) return 0;
  corvane::FontConfigWarmUp fonts;
  QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  fonts.ApplicationReady();
  const int status = program.InitInstance();
  fonts.Wait();
  return status;
}
