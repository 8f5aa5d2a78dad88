#pragma once
// Scrolling a row list with its scroll bar, the way the macro manager and the picker do:
// arrows by one row, the track by a page less one row, the thumb dragged, the wheel by
// one row; never before row 0 nor past the last full page.
#include "skin/SkinTypes.h"

namespace corvane {

class CRowList;
class CVScrollBar;

// Sets the list's first row (kept within bounds) and the bar to match.
void ScrollRowList(CRowList& list, CVScrollBar& bar, int top);
// The bar's report (code 1 with the part pressed, code 3 with the thumb moved); true
// when the list moved.
bool OnRowListScroll(CRowList& list, CVScrollBar& bar, WPARAM part, LPARAM code);
// The bar after the list's rows changed.
void SyncScrollBar(CRowList& list, CVScrollBar& bar);

}  // namespace corvane
