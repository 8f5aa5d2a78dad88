#include "skin/CRowList.h"

#include <algorithm>

namespace corvane {

int CRowList::RowHeight() const { return std::max(1, static_cast<int>(20 * Scale())); }

int CRowList::VisibleRows() const { return static_cast<int>((rect_.Height() + 10 * Scale()) / (20 * Scale())); }

int CRowList::RowAt(int y) const {
  // Rows are counted from the top row shown.
  const int row = topRow_ + static_cast<int>((y - rect_.top) / (20 * Scale()));
  return row >= 0 && row < RowCount() ? row : -1;
}

bool CRowList::OnMouseMove(unsigned, int x, int y) { return ButtonMouseMove(x, y); }

bool CRowList::OnLButtonUp(unsigned, int x, int y) {
  if (disabled_) return false;
  if (rect_.Contains(x, y)) {
    state_ = 1;
    Notify(kNotifyClick);
  } else {
    state_ = 0;
  }
  return true;
}

}  // namespace corvane
