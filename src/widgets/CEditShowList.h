#pragma once
// The macro library as a tree list (id always 2015): one row per visible node, folders
// with an open or closed folder picture, indented by depth. A press selects a row (and
// opens or closes a folder when it falls on its picture), a double click opens or
// closes the folder, a right click selects and reports code 11 with the point.
#include <QPoint>

#include "skin/CRowList.h"
#include "skin/SkinImage.h"

namespace corvane {

class MacroLibrary;
constexpr unsigned kEditShowListId = 2015;

class CEditShowList : public CRowList {
 public:
  // library: the macro library shown; its current selection follows the list's.
  CEditShowList(ControlHost* parent, MacroLibrary& library, unsigned id, CRect rect, std::u16string text,
                bool visible = true, bool shown = true, bool disabled = false);

  bool LoadFolderOpenImage(std::u16string_view skinName);
  bool LoadFolderClosedImage(std::u16string_view skinName);

  int RowCount() const override;
  // Selects the row of the library's current selection (-1 when it is not visible).
  void SyncSelection();
  // Scrolls so that the selected row is shown.
  void EnsureSelectionVisible();
  // The point of the last right click, as sent with code 11.
  const QPoint& RightClickPoint() const { return rightClick_; }

  void Draw(QPainter& dc, CRect clip) override;
  bool OnLButtonDown(unsigned flags, int x, int y) override;
  bool OnLButtonDblClk(unsigned flags, int x, int y) override;
  bool OnRButtonUp(unsigned flags, int x, int y) override;
  void ReleaseImages() override;

 private:
  // Selects the row (or nothing); the library's current selection follows.
  void Select(int row);
  int FolderImageWidth() const;

  MacroLibrary& library_;
  SkinImage folderOpen_, folderClosed_;
  QPoint rightClick_;
};

}  // namespace corvane
