#include "dialogs/CMacroSelectDlg.h"

#include <QKeyEvent>
#include <QPainter>
#include <QWheelEvent>

#include "dialogs/CAttentionDlg.h"
#include "dialogs/MacroPickerDialog.h"
#include "dialogs/RowListScroll.h"
#include "lang/LanguageEntries.h"
#include "macros/MacroPicker.h"
#include "session/AppContext.h"
#include "skin/CImageButton.h"
#include "skin/CStaticText.h"
#include "skin/CVScrollBar.h"
#include "skin/GuiState.h"
#include "skin/SkinFiles.h"
#include "skin/SkinScaling.h"
#include "widgets/CEditShowList.h"

namespace corvane {

CMacroSelectDlg::CMacroSelectDlg(AppContext& app, GuiState& gui, QWidget* parent)
    : CDlgBase(gui, parent, Scaled(gui.SkinScale, kDesignWidth), Scaled(gui.SkinScale, kDesignHeight)),
      app_(app), frame_(LoadOpaqueBitmap(SkinFilePath(gui, u"skins\\Frame_Macro_Manager.bmp"))) {}

CRect CMacroSelectDlg::Design(int left, int top, int right, int bottom) const {
  return ScaledRect(Gui().SkinScale, ClientRect(), left, top, right, bottom);
}

bool CMacroSelectDlg::OnInitDialog() {
  CDlgBase::OnInitDialog();
  RegisterInOpenPopupTable();
  app_.Macros.CollapseAllFolders();
  app_.Macros.CurrentMacroLocation = MacroLocation::None();
  tree_->SetTopRow(0);
  tree_->SyncSelection();
  SyncScrollBar(*tree_, *scroll_);
  return true;
}

void CMacroSelectDlg::InitUI(const CRect&) {
  AddControl(0, std::make_unique<CStaticText>(this, 2025, Design(24, 35, 124, 52),
                                              Gui().Language.Text(kTextMacroTree), kTextGrey, DT_LEFT));
  auto close = std::make_unique<CImageButton>(this, kIdClose, Design(505, 3, 520, 18), u"", DT_CENTER);
  close->LoadNormalImage(u"skins\\exit_nr.png");
  close->LoadHoverImage(u"skins\\exit_ov.png");
  AddControl(0, std::move(close));
  auto ok = std::make_unique<CImageButton>(this, kIdOk, Design(232, 333, 297, 356), Gui().Language.Text(kTextOk),
                                           DT_CENTER);
  ok->LoadNormalImage(u"skins\\button2_nr.png");
  ok->LoadHoverImage(u"skins\\button2_ov.png");
  AddControl(0, std::move(ok));
  auto tree = std::make_unique<CEditShowList>(this, app_.Macros, kIdTree, Design(25, 54, 488, 323), u"");
  tree->LoadFolderOpenImage(u"skins\\foldr_open.png");
  tree->LoadFolderClosedImage(u"skins\\foldr_close.png");
  tree_ = AddControl(0, std::move(tree));
  scroll_ = AddControl(0, std::make_unique<CVScrollBar>(this, kIdTreeScroll, Design(489, 53, 507, 324), u""));
}

void CMacroSelectDlg::DrawDialog(QPainter& dc, const CRect& client) {
  DrawFrameBackground(dc, client, frame_, kDesignWidth, kDesignHeight);
  const CRect panel = Design(24, 53, 489, 324);
  dc.save();
  dc.setPen(ColorOf(0x00949494));
  dc.setBrush(Qt::NoBrush);
  dc.drawRect(QRect(panel.left, panel.top, panel.Width() - 1, panel.Height() - 1));
  dc.restore();
  DrawControls(dc, client);
}

LRESULT CMacroSelectDlg::OnMessage(unsigned msg, WPARAM wParam, LPARAM code) {
  switch (msg) {
    case kIdClose:
      if (code == kNotifyClick) {
        ReleaseControlImages();
        EndDialog(IDCANCEL);
      }
      return 0;
    case kIdOk:
      if (code == kNotifyClick) RunOk();
      return 0;
    case kIdTree:
      if (code == kNotifyPress || code == kNotifyDoubleClick || code == kNotifyRightUp) {
        SyncScrollBar(*tree_, *scroll_);
        update();
      }
      return 0;
    case kIdTreeScroll:
      if (OnRowListScroll(*tree_, *scroll_, wParam, code)) InvalidateRect(tree_->GetRect());
      return 0;
    default:
      return 0;
  }
}

void CMacroSelectDlg::RunOk() {
  const MacroNode* node = app_.Macros.NodeAt(app_.Macros.CurrentMacroLocation);
  if (!node || !node->IsMacro()) {
    CAttentionDlg box(Gui(), u"", Gui().Language.Text(kTextSelectMacroFirst), this);
    box.DoModal();
    return;
  }
  choice_ = MacroPickerChoice(Gui().Language, node);
  ReleaseControlImages();
  EndDialog(IDOK);
}

bool CMacroSelectDlg::PreTranslateKey(QKeyEvent* e) {
  return e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter || e->key() == Qt::Key_Escape;
}

void CMacroSelectDlg::wheelEvent(QWheelEvent* e) {
  const int delta = e->angleDelta().y();
  if (delta == 0) return;
  ScrollRowList(*tree_, *scroll_, tree_->TopRow() + (delta > 0 ? -1 : 1));
  InvalidateRect(tree_->GetRect());
}

std::optional<ButtonFunction> RunMacroPicker(QWidget* parent, GuiState& gui, AppContext& app) {
  CMacroSelectDlg dlg(app, gui, parent);
  if (dlg.DoModal() != IDOK) return std::nullopt;
  return dlg.Choice();
}

}  // namespace corvane
