// The Corvane GUI. For now it renders the review gallery of the skinned toolkit:
//   corvane --gallery DIR
#include <cstdio>
#include <cstring>
#include <string>

#include <QApplication>

#include "app/Gallery.h"

namespace {

int Usage() {
  std::fprintf(stderr, "usage: corvane --gallery DIR\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3 || std::strcmp(argv[1], "--gallery") != 0) return Usage();
  const std::string dir = argv[2];
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
