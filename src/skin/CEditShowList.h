#pragma once
// The macro library as a tree list (id always 2015): one row per visible node, folders
// with an open or closed folder picture, indented by depth. A press selects a row (and
// opens or closes a folder when it falls on its picture), a double click opens or
// closes the folder, a right click selects and reports code 11 with the point.
#include <QPoint>

#include "skin/CControlBase.h"
#include "skin/SkinImage.h"

namespace corvane {

constexpr unsigned kEditShowListId = 2015;

class CEditShowList : public CControlBase {
 public:
  CEditShowList(ControlHost* parent, unsigned id, CRect rect, std::u16string text, bool visible = true,
                bool shown = true, bool disabled = false);

  bool LoadFolderOpenImage(std::u16string_view skinName);
  bool LoadFolderClosedImage(std::u16string_view skinName);

  int RowHeight() const;
  int VisibleRows() const;
  int RowCount() const;
  int TopRow() const { return topRow_; }
  void SetTopRow(int row) { topRow_ = row < 0 ? 0 : row; }
  int SelectedRow() const { return selectedRow_; }
  // Selects the row of the library's current selection (-1 when it is not visible).
  void SyncSelection();
  // Scrolls so that the selected row is shown.
  void EnsureSelectionVisible();
  // The point of the last right click, as sent with code 11.
  const QPoint& RightClickPoint() const { return rightClick_; }

  void Draw(QPainter& dc, CRect clip) override;
  bool OnMouseMove(unsigned flags, int x, int y) override;
  bool OnLButtonDown(unsigned flags, int x, int y) override;
  bool OnLButtonUp(unsigned flags, int x, int y) override;
  bool OnLButtonDblClk(unsigned flags, int x, int y) override;
  bool OnRButtonUp(unsigned flags, int x, int y) override;
  void ReleaseImages() override;

 private:
  int RowAt(int y) const;
  // Selects the row (or nothing); the library's current selection follows.
  void Select(int row);
  int FolderImageWidth() const;

  SkinImage folderOpen_, folderClosed_;
  int topRow_ = 0;
  int selectedRow_ = -1;
  QPoint rightClick_;
};

}  // namespace corvane
