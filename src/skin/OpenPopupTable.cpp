#include "skin/OpenPopupTable.h"

#include <QMetaObject>
#include <QPointer>
#include <QWidget>

#include "skin/GuiState.h"

namespace corvane {

bool RegisterOpenPopup(GuiState& gui, QWidget* window) {
  for (auto& slot : gui.OpenPopupTable) {
    if (!slot) {
      slot = window;
      return true;
    }
  }
  return false;
}

void UnregisterOpenPopup(GuiState& gui, QWidget* window) {
  auto& t = gui.OpenPopupTable;
  for (std::size_t i = 0; i < t.size(); ++i) {
    if (t[i] != window) continue;
    for (std::size_t j = i; j + 1 < t.size(); ++j) t[j] = t[j + 1];
    t.back() = nullptr;
    return;
  }
}

void CloseOpenPopups(GuiState& gui) {
  // Closing a window unregisters it and shifts the table, so work from a copy.
  const auto windows = gui.OpenPopupTable;
  for (QWidget* w : windows) {
    if (!w) continue;
    QPointer<QWidget> window(w);
    QMetaObject::invokeMethod(
        window, [window] { if (window) window->close(); }, Qt::QueuedConnection);
  }
}

}  // namespace corvane
