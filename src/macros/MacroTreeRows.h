#pragma once
// The flattened library tree shown by the macro manager's and the picker's tree lists:
// every used top-level node in slot order; below an open folder its used children, and
// below an open child folder its used children. Closed folders hide their subtree.
#include "macros/MacroLibrary.h"

namespace corvane {

int CountVisibleRows(const MacroLibrary& library);
// Stage -1 for a row past the last one.
MacroLocation LocationOfRow(const MacroLibrary& library, int row);
// -1 for a location that is not visible.
int RowOfLocation(const MacroLibrary& library, const MacroLocation& location);

}  // namespace corvane
