#include "dialogs/RowListScroll.h"

#include <algorithm>

#include "skin/CRowList.h"
#include "skin/CVScrollBar.h"

namespace corvane {

namespace {
int LastTop(const CRowList& list) { return std::max(0, list.RowCount() - list.VisibleRows()); }
}  // namespace

void SyncScrollBar(CRowList& list, CVScrollBar& bar) {
  list.SetTopRow(std::clamp(list.TopRow(), 0, LastTop(list)));
  bar.SetScrollState(list.TopRow(), list.VisibleRows(), list.RowCount());
}

void ScrollRowList(CRowList& list, CVScrollBar& bar, int top) {
  list.SetTopRow(std::clamp(top, 0, LastTop(list)));
  SyncScrollBar(list, bar);
}

bool OnRowListScroll(CRowList& list, CVScrollBar& bar, WPARAM part, LPARAM code) {
  const int before = list.TopRow();
  const int page = std::max(1, list.VisibleRows() - 1);
  if (code == kNotifyPress) {
    switch (part) {
      case CVScrollBar::kPartUp: ScrollRowList(list, bar, before - 1); break;
      case CVScrollBar::kPartDown: ScrollRowList(list, bar, before + 1); break;
      case CVScrollBar::kPartPageUp: ScrollRowList(list, bar, before - page); break;
      case CVScrollBar::kPartPageDown: ScrollRowList(list, bar, before + page); break;
      default: break;
    }
  } else if (code == kNotifyDrag) {
    // The bar keeps its own thumb where it was dragged; only the list follows.
    list.SetTopRow(std::clamp(bar.Position(), 0, LastTop(list)));
  }
  return list.TopRow() != before;
}

}  // namespace corvane
