#pragma once
// What the two list controls share: rows 20 design pixels high counted from the top row
// shown, one selected row, the hover of a button and a release that reports a click.
#include "skin/CControlBase.h"

namespace corvane {

class CRowList : public CControlBase {
 public:
  using CControlBase::CControlBase;

  int RowHeight() const;
  int VisibleRows() const;
  virtual int RowCount() const = 0;
  int TopRow() const { return topRow_; }
  void SetTopRow(int row) { topRow_ = row < 0 ? 0 : row; }
  int SelectedRow() const { return selectedRow_; }

  bool OnMouseMove(unsigned flags, int x, int y) override;
  bool OnLButtonUp(unsigned flags, int x, int y) override;

 protected:
  // The row under a point's y, -1 past the last row.
  int RowAt(int y) const;

  int topRow_ = 0;
  int selectedRow_ = -1;
};

}  // namespace corvane
