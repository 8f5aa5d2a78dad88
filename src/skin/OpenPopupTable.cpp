#include "skin/OpenPopupTable.h"

#include <QMetaObject>
#include <QPointer>
#include <QWidget>

#include "session/AppContext.h"

namespace corvane {

bool RegisterOpenPopup(AppContext& ctx, QWidget* window) {
  for (auto& slot : ctx.OpenPopupTable) {
    if (!slot) {
      slot = window;
      return true;
    }
  }
  return false;
}

void UnregisterOpenPopup(AppContext& ctx, QWidget* window) {
  auto& t = ctx.OpenPopupTable;
  for (std::size_t i = 0; i < t.size(); ++i) {
    if (t[i] != window) continue;
    for (std::size_t j = i; j + 1 < t.size(); ++j) t[j] = t[j + 1];
    t.back() = nullptr;
    return;
  }
}

void CloseOpenPopups(AppContext& ctx) {
  // Closing a window unregisters it and shifts the table, so work from a copy.
  const auto windows = ctx.OpenPopupTable;
  for (void* w : windows) {
    if (!w) continue;
    QPointer<QWidget> window(static_cast<QWidget*>(w));
    QMetaObject::invokeMethod(
        window, [window] { if (window) window->close(); }, Qt::QueuedConnection);
  }
}

}  // namespace corvane
