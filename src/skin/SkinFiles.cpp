#include "skin/SkinFiles.h"

#include <string>

#include "base/TextUtil.h"
#include "skin/GuiState.h"

namespace corvane {

std::filesystem::path SkinFilePath(const GuiState& gui, std::u16string_view name) {
  std::u16string rel(name);
  for (auto& c : rel)
    if (c == u'\\') c = u'/';
  return gui.ExeFolder / std::filesystem::path(Utf8(rel));
}

QString ResourceImagePath(int resourceId) { return QString(":/corvane/res/%1.png").arg(resourceId); }

}  // namespace corvane
