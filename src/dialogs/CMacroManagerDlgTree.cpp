// The macro manager's tree side: following the selection, scrolling both lists, the
// context menu and its actions (new, rename, delete, import, export).
#include <algorithm>

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QWheelEvent>

#include "dialogs/CAttentionDlg.h"
#include "dialogs/CMacroKeyOrFolderNameDlg.h"
#include "dialogs/CMacroKeyRenameDlg.h"
#include "dialogs/CMacroManagerDlg.h"
#include "dialogs/RowListScroll.h"
#include "lang/LanguageEntries.h"
#include "macros/MacroDeleteRule.h"
#include "macros/MacroExport.h"
#include "macros/MacroImport.h"
#include "macros/MacroTreeRows.h"
#include "session/AppContext.h"
#include "skin/CRadioButton.h"
#include "skin/CVScrollBar.h"
#include "skin/GuiState.h"
#include "skin/SkinScaling.h"
#include "widgets/CComboActionInsertPopup.h"
#include "widgets/CEditShowList.h"
#include "widgets/CImageShowList.h"
#include "widgets/CMacroListPopup.h"

namespace corvane {

namespace {
constexpr std::uint32_t kModeRadioBits = 0x0000E000;
}  // namespace

void CMacroManagerDlg::SelectionChanged() {
  MacroLibrary& lib = app_.Macros;
  MacroNode* node = lib.NodeAt(lib.CurrentMacroLocation);
  MacroItem* item = node && node->IsMacro() ? node->Item.get() : nullptr;
  if (item != currentMacro_) {
    currentMacro_ = item;
    steps_->SetMacroItem(item);
    steps_->SetTopRow(0);
    steps_->SetSelectedRow(-1);
  }
  tree_->SyncSelection();
  UpdateScrollBars();
  std::uint32_t& radios = Gui().RadioSelection;
  radios &= ~kModeRadioBits;
  if (currentMacro_) {
    const unsigned id = currentMacro_->MacroKeyLoopType == 1   ? kIdModeHeld
                        : currentMacro_->MacroKeyLoopType == 4 ? kIdModeToggle
                                                               : kIdModeCount;
    radios = SelectRadio(radios, id);
  }
  countEdit_->setText(currentMacro_ ? QString::number(currentMacro_->MacroKeyLoopNum) : QString());
  PlaceCountEdit();
  update();
}

void CMacroManagerDlg::PlaceCountEdit() {
  // Shown for "play N times" only; otherwise moved out of sight.
  const bool counted = currentMacro_ && currentMacro_->MacroKeyLoopType == 2;
  QRect r = countRect_.ToQRect();
  if (!counted) r.translate(Scaled(Gui().SkinScale, 1000), 0);
  countEdit_->setGeometry(r);
  countEdit_->setEnabled(counted);
}

void CMacroManagerDlg::UpdateScrollBars() {
  SyncScrollBar(*tree_, *treeScroll_);
  SyncScrollBar(*steps_, *stepScroll_);
}

void CMacroManagerDlg::ScrollList(bool tree, int newTop) {
  CRowList* list = tree ? static_cast<CRowList*>(tree_) : steps_;
  ScrollRowList(*list, tree ? *treeScroll_ : *stepScroll_, newTop);
  InvalidateRect(list->GetRect());
}

void CMacroManagerDlg::OnScroll(bool tree, WPARAM part, LPARAM code) {
  CRowList* list = tree ? static_cast<CRowList*>(tree_) : steps_;
  if (OnRowListScroll(*list, tree ? *treeScroll_ : *stepScroll_, part, code)) InvalidateRect(list->GetRect());
}

void CMacroManagerDlg::wheelEvent(QWheelEvent* e) {
  const QPoint p = e->position().toPoint();
  const int delta = e->angleDelta().y();
  if (delta == 0 || treeScroll_->Disabled()) return;
  const bool tree = tree_->GetRect().Contains(p.x(), p.y()) || treeScroll_->GetRect().Contains(p.x(), p.y());
  CRowList* list = tree ? static_cast<CRowList*>(tree_) : steps_;
  ScrollList(tree, list->TopRow() + (delta > 0 ? -1 : 1));
}

void CMacroManagerDlg::ShowStepVisible(int row) {
  const int visible = steps_->VisibleRows();
  int top = steps_->TopRow();
  if (row >= top + visible) top = row - visible + 1;
  if (row >= 0 && row < top) top = row;
  ScrollList(false, top);
}

void CMacroManagerDlg::OpenTreeMenu(const QPoint& at) {
  const MacroNode* node = app_.Macros.NodeAt(app_.Macros.CurrentMacroLocation);
  // Nothing selected: form 0; a folder: form 2; a macro: every item.
  const int form = !node ? 0 : node->IsFolder() ? 2 : 1;
  ClosePopup(kTreeMenuSlot);
  auto* menu = new CMacroListPopup(Gui(), form);
  menu->Create(this, QRect(mapToGlobal(at), QSize(1, 1)), kMsgTreeMenuChoice, kIdTree);
  SetPopupSlot(kTreeMenuSlot, menu);
}

void CMacroManagerDlg::OpenInsertPopup() {
  ClosePopup(kInsertPopupSlot);
  const CRect r = FindControl(kIdInsert)->GetRect();
  auto* popup = new CComboActionInsertPopup(Gui());
  popup->Create(this, QRect(mapToGlobal(QPoint(r.left, r.bottom)), QSize(r.Width(), 1)), kMsgInsertChoice, kIdInsert);
  SetPopupSlot(kInsertPopupSlot, popup);
}

void CMacroManagerDlg::RunTreeAction(int action) {
  switch (action) {
    case kNewMacro: NewNode(false); break;
    case kNewFolder: NewNode(true); break;
    case kExportMacro: ExportMacroFile(); break;
    case kImportMacro: ImportMacroFile(); break;
    case kRename: RenameSelected(); break;
    case kDelete: DeleteSelected(); break;
    case kImportLibrary: ImportLibraryFile(); break;
    case kExportLibrary: ExportLibraryFile(); break;
    default: return;
  }
  SelectionChanged();
}

void CMacroManagerDlg::SelectCreated(const MacroLocation& location, bool openSelectedFolder) {
  MacroLibrary& lib = app_.Macros;
  if (openSelectedFolder) {
    if (MacroNode* folder = lib.NodeAt(lib.CurrentMacroLocation); folder && folder->IsFolder())
      folder->MacroItemFolderIsOpen = 1;
  }
  lib.CurrentMacroLocation = location;
  SelectionChanged();
  tree_->EnsureSelectionVisible();
  UpdateScrollBars();
}

bool CMacroManagerDlg::NewNode(bool folder) {
  CMacroKeyOrFolderNameDlg dlg(Gui(), folder ? CMacroKeyOrFolderNameDlg::kFolder : CMacroKeyOrFolderNameDlg::kMacro,
                               this);
  if (dlg.DoModal() != IDOK) return false;
  const std::u16string& name = dlg.NewNodeName();
  if (name.empty()) {
    Attention(kTextNodeNameEmpty);
    return false;
  }
  MacroLibrary& lib = app_.Macros;
  MacroLocation where = lib.CurrentMacroLocation;
  const MacroNodeChange change = folder ? lib.AddFolder(name, where) : lib.AddMacro(name, where);
  if (change == MacroNodeChange::kClash) Attention(kTextNameInUse);
  if (change == MacroNodeChange::kBadName) Attention(kTextNodeNameEmpty);
  if (change != MacroNodeChange::kDone) return false;
  SelectCreated(where, true);
  return true;
}

void CMacroManagerDlg::RenameSelected() {
  MacroLibrary& lib = app_.Macros;
  const MacroLocation at = lib.CurrentMacroLocation;
  const MacroNode* node = lib.NodeAt(at);
  if (!node || !node->IsUsed()) return;
  CMacroKeyRenameDlg dlg(Gui(), node->MacroItemName, this);
  if (dlg.DoModal() != IDOK) return;
  const std::u16string& name = dlg.RenameResult();
  if (name.empty()) {
    Attention(kTextNodeNameEmpty);
    return;
  }
  if (lib.NameExistsAmongSiblings(at.stage, at.stage0Index, at.stage1Index, name)) {
    Attention(kTextNameInUse);
    return;
  }
  if (lib.RenameNode(at, name) == MacroNodeChange::kBadName) Attention(kTextNodeNameEmpty);
}

void CMacroManagerDlg::DeleteSelected() {
  MacroLibrary& lib = app_.Macros;
  if (!lib.NodeAt(lib.CurrentMacroLocation)) {
    Attention(kTextSelectNodeFirst);
    return;
  }
  CAttentionDlg confirm(Gui(), u"", Gui().Language.Text(kTextDeleteConfirm), this);
  if (confirm.DoModal() != IDOK) return;
  if (DeleteMacroNode(app_, lib, lib.CurrentMacroLocation) == MacroDeleteOutcome::kInUse) {
    Attention(kTextMacroInUse);
    return;
  }
  lib.CurrentMacroLocation = MacroLocation::None();
}

QString CMacroManagerDlg::AskFile(bool save, int titleEntry, const QString& extension,
                                  const std::u16string& defaultName) {
  const QString title = QString::fromStdU16String(Gui().Language.Text(titleEntry));
  const QString filter = QStringLiteral("%1 file(*.%1)").arg(extension);
  const QString name = QString::fromStdU16String(defaultName);
  QString path;
  if (chooseFile_) {
    path = chooseFile_(save, title, filter, name);
  } else if (save) {
    path = QFileDialog::getSaveFileName(this, title, QDir::current().filePath(name), filter);
  } else {
    path = QFileDialog::getOpenFileName(this, title, QDir::currentPath(), filter);
  }
  // A name typed without its extension gets it, as the save dialog's default extension.
  if (save && !path.isEmpty() && QFileInfo(path).suffix().isEmpty()) path += QLatin1Char('.') + extension;
  return path;
}

void CMacroManagerDlg::ExportMacroFile() {
  const MacroNode* node = app_.Macros.NodeAt(app_.Macros.CurrentMacroLocation);
  if (!node || !node->IsMacro()) return;
  const QString path = AskFile(true, kTextExportMacroTitle, QStringLiteral("mkf"), DefaultMacroExportName(app_.Macros));
  if (!path.isEmpty()) ExportMacro(app_.Macros, path.toStdU16String());
}

void CMacroManagerDlg::ExportLibraryFile() {
  const QString path =
      AskFile(true, kTextExportLibraryTitle, QStringLiteral("mbf"), DefaultLibraryExportName(app_.Macros));
  if (!path.isEmpty()) ExportMacroLibrary(app_.Macros, path.toStdU16String());
}

void CMacroManagerDlg::ImportMacroFile() {
  const QString path = AskFile(false, kTextImportMacroTitle, QStringLiteral("mkf"), u"");
  if (path.isEmpty()) return;
  const MacroImportResult r = ImportMacro(app_.Macros, path.toStdU16String());
  if (r.status == MacroImportStatus::kClash) Attention(kTextNameInUse);
  if (!r.created.empty()) SelectCreated(r.created.back(), false);
}

void CMacroManagerDlg::ImportLibraryFile() {
  const QString path = AskFile(false, kTextImportLibraryTitle, QStringLiteral("mbf"), u"");
  if (path.isEmpty()) return;
  const MacroImportResult r = ImportMacroLibrary(app_.Macros, path.toStdU16String());
  if (r.status == MacroImportStatus::kClash) Attention(kTextNameInUse);
  if (!r.created.empty()) SelectCreated(r.created.back(), false);
}

}  // namespace corvane
