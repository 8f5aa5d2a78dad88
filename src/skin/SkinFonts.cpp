#include "skin/SkinFonts.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <tuple>

#include <QFontMetricsF>
#include <QString>
#include <QStringList>

#include "skin/GuiState.h"

namespace corvane {

void InstallFontSubstitutes() {
  static const QString kSong = QString::fromStdU16String(u"宋体");
  if (QFont::substitutes(kSong).isEmpty())
    QFont::insertSubstitutions(kSong, {"SimSun", "Noto Sans CJK SC", "Noto Serif CJK SC", "WenQuanYi Zen Hei"});
  if (QFont::substitutes("Tahoma").isEmpty())
    QFont::insertSubstitutions("Tahoma", {"DejaVu Sans", "Noto Sans", "Liberation Sans"});
}

QFont MakeGdiFont(const std::u16string& face, int height, int weight) {
  QFont f(QString::fromStdU16String(face));
  f.setStyleHint(QFont::SansSerif);
  f.setWeight(weight <= 0 ? QFont::Normal : static_cast<QFont::Weight>(std::clamp(weight, 1, 1000)));
  f.setHintingPreference(QFont::PreferNoHinting);
  if (height == 0) height = -12;
  if (height < 0) {
    f.setPixelSize(-height);
    return f;
  }
  // A cell height: find the em size whose ascent plus descent fills the cell. Every control
  // asks for one of a few fonts, so each face, cell and weight is measured once.
  static std::map<std::tuple<std::u16string, int, int>, int> emForCell;
  const auto key = std::make_tuple(face, height, weight);
  if (const auto it = emForCell.find(key); it != emForCell.end()) {
    f.setPixelSize(it->second);
    return f;
  }
  f.setPixelSize(height);
  const double cell = QFontMetricsF(f).ascent() + QFontMetricsF(f).descent();
  const int em = cell > 0 ? std::max(1, static_cast<int>(std::lround(height * height / cell))) : height;
  emForCell.emplace(key, em);
  f.setPixelSize(em);
  return f;
}

QFont MakeControlFont(const UiFont& font) { return MakeGdiFont(font.UiFontFace, font.UiFontHeight); }

QFont MakeDialogFont(const GuiState& gui) {
  const int logPixelsY = static_cast<int>(96 * gui.DpiFactor);
  return MakeGdiFont(gui.Font.UiFontFace, (-10 * logPixelsY) / 72, 600);
}

QFont MakeEditFont(const GuiState& gui) {
  const double factor = gui.DpiFactor > 0 ? gui.DpiFactor : 1.0;
  const int tenths = static_cast<int>(gui.SkinScale * 100 / factor);
  // CreatePointFont: em height = tenths * LOGPIXELSY / 720.
  const int px = static_cast<int>(std::lround(tenths * 96.0 * factor / 720.0));
  return MakeGdiFont(u"Tahoma", -std::max(1, px));
}

}  // namespace corvane
