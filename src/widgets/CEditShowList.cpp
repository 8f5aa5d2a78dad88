#include "widgets/CEditShowList.h"

#include <algorithm>

#include <QPainter>

#include "macros/MacroLibrary.h"
#include "macros/MacroTreeRows.h"
#include "skin/DrawTextW.h"
#include "skin/SkinFiles.h"

namespace corvane {

CEditShowList::CEditShowList(ControlHost* parent, MacroLibrary& library, unsigned, CRect rect, std::u16string text,
                             bool visible, bool shown, bool disabled)
    : CRowList(parent, kEditShowListId, rect, std::move(text), visible, shown, disabled), library_(library) {}

bool CEditShowList::LoadFolderOpenImage(std::u16string_view n) { return folderOpen_.Load(SkinFilePath(Gui(), n)); }
bool CEditShowList::LoadFolderClosedImage(std::u16string_view n) {
  return folderClosed_.Load(SkinFilePath(Gui(), n));
}

int CEditShowList::RowCount() const { return CountVisibleRows(library_); }

int CEditShowList::FolderImageWidth() const {
  return folderOpen_.IsDrawable() ? folderOpen_.Width() : folderClosed_.IsDrawable() ? folderClosed_.Width() : 16;
}

void CEditShowList::Select(int row) {
  selectedRow_ = row;
  library_.CurrentMacroLocation = row >= 0 ? LocationOfRow(library_, row) : MacroLocation::None();
}

void CEditShowList::SyncSelection() { selectedRow_ = RowOfLocation(library_, library_.CurrentMacroLocation); }

void CEditShowList::EnsureSelectionVisible() {
  const int rows = RowCount();
  const int visible = VisibleRows();
  if (selectedRow_ < 0 && rows <= visible) topRow_ = 0;
  if (selectedRow_ >= 0 && selectedRow_ >= topRow_ + visible) topRow_ = selectedRow_ - visible + 1;
  if (selectedRow_ >= 0 && selectedRow_ < topRow_) topRow_ = selectedRow_;
  topRow_ = std::max(0, std::min(topRow_, rows - visible));
}

void CEditShowList::Draw(QPainter& dc, CRect) {
  const float s = Scale();
  dc.save();
  dc.setClipRect(rect_.ToQRect(), Qt::IntersectClip);
  dc.fillRect(rect_.ToQRect(), ColorOf(0x004B4B4B));
  dc.setFont(font_);
  const MacroLibrary& lib = library_;
  const int rows = RowCount();
  const int rowH = RowHeight();
  const int inset = static_cast<int>(2 * s);
  const int imgW = FolderImageWidth();
  for (int row = topRow_, i = 0; row < rows && i <= VisibleRows(); ++row, ++i) {
    const MacroLocation loc = LocationOfRow(lib, row);
    const MacroNode* node = lib.NodeAt(loc);
    if (!node) continue;
    CRect r{rect_.left + inset, rect_.top + i * rowH, rect_.right - inset, rect_.top + (i + 1) * rowH};
    if (row == selectedRow_) dc.fillRect(r.ToQRect(), ColorOf(kAccent));
    const int depth = loc.stage < 0 ? 0 : loc.stage;
    r.left += static_cast<int>((imgW + 3) * s * depth);
    if (node->IsFolder()) {
      const SkinImage& img = node->MacroItemFolderIsOpen ? folderOpen_ : folderClosed_;
      if (img.IsDrawable()) {
        const double w = img.Width() * s, h = img.Height() * s;
        img.Draw(dc, QRectF(r.left, r.top + (rowH - h) / 2, w, h));
      }
      r.left += static_cast<int>((imgW + 3) * s);
    }
    dc.setPen(ColorOf(kTextWhite));
    DrawTextW(dc, QString::fromStdU16String(node->MacroItemName), r, DT_SINGLELINE | DT_VCENTER | DT_WORD_ELLIPSIS);
  }
  dc.restore();
}

bool CEditShowList::OnLButtonDown(unsigned, int x, int y) {
  if (disabled_ || !rect_.Contains(x, y)) return false;
  state_ = 2;
  const int row = RowAt(y);
  Select(row);
  if (row >= 0) {
    const MacroLocation loc = LocationOfRow(library_, row);
    MacroNode* node = library_.NodeAt(loc);
    const int depth = loc.stage < 0 ? 0 : loc.stage;
    if (node && node->IsFolder() && x - rect_.left < FolderImageWidth() * Scale() * (depth + 1)) {
      node->MacroItemFolderIsOpen = node->MacroItemFolderIsOpen ? 0 : 1;
      SyncSelection();
    }
  }
  Notify(kNotifyPress);
  return true;
}

bool CEditShowList::OnLButtonDblClk(unsigned, int x, int y) {
  if (disabled_ || !rect_.Contains(x, y)) return false;
  const int row = RowAt(y);
  if (row < 0) return false;
  MacroNode* node = library_.NodeAt(LocationOfRow(library_, row));
  if (node) node->MacroItemFolderIsOpen = node->MacroItemFolderIsOpen ? 0 : 1;
  SyncSelection();
  Notify(kNotifyDoubleClick);
  return true;
}

bool CEditShowList::OnRButtonUp(unsigned, int x, int y) {
  if (disabled_ || !rect_.Contains(x, y)) return false;
  Select(RowAt(y));
  rightClick_ = QPoint(x, y);
  Notify(kNotifyRightUp, reinterpret_cast<WPARAM>(&rightClick_));
  return true;
}

void CEditShowList::ReleaseImages() {
  folderOpen_.Release();
  folderClosed_.Release();
}

}  // namespace corvane
