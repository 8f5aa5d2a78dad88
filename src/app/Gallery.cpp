#include "app/Gallery.h"

#include <cstdio>
#include <system_error>

#include <QFile>
#include <QTemporaryDir>

#include "app/GalleryContext.h"
#include "app/MainWindowGallery.h"
#include "skin/SkinFonts.h"

namespace corvane {

int RenderGallery(const std::filesystem::path& dir) {
  std::error_code ec;
  std::filesystem::create_directories(dir, ec);
  if (!std::filesystem::is_directory(dir)) return -1;
  QTemporaryDir data;
  if (!data.isValid()) return -1;
  InstallFontSubstitutes();
  int written = 0;
  bool failed = false;
  struct Scale {
    float value;
    const char* text;
  };
  for (const char* language : {"en", "zh"}) {
    for (const Scale scale : {Scale{1.0f, "1"}, Scale{1.5f, "1.5"}, Scale{2.0f, "2"}}) {
      auto ctx = MakeGalleryContext(data.path().toStdString(), language, scale.value);
      const GallerySink sink{[&](const QString& name, const QImage& image, const QByteArray& controls) {
        const QString base = QString("%1-scale%2-%3").arg(name, scale.text, language);
        const auto path = dir / (base + ".png").toStdString();
        if (image.isNull() || !image.save(QString::fromStdString(path.string()))) {
          std::fprintf(stderr, "corvane: cannot write %s\n", path.c_str());
          failed = true;
          return;
        }
        ++written;
        if (controls.isEmpty()) return;
        QFile json(QString::fromStdString((dir / (base + ".json").toStdString()).string()));
        if (!json.open(QIODevice::WriteOnly | QIODevice::Truncate) || json.write(controls) != controls.size()) {
          std::fprintf(stderr, "corvane: cannot write %s\n", json.fileName().toLocal8Bit().constData());
          failed = true;
        }
      }};
      RenderControlPages(ctx->App, ctx->Gui, sink);
      RenderPopups(ctx->App, ctx->Gui, sink);
      RenderDialogs(ctx->App, ctx->Gui, sink);
      RenderTrayIcons(ctx->App, ctx->Gui, sink);
      RenderAutoSwitchDialogs(ctx->App, ctx->Gui, sink);
      RenderMainWindowPages(ctx->App, ctx->Gui, sink);
    }
  }
  return failed ? -1 : written;
}

}  // namespace corvane
