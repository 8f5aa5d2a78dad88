#include "dialogs/CSecondaryDlg.h"

#include <QLineEdit>
#include <QPainter>

#include "dialogs/CAttentionDlg.h"
#include "skin/CImageButton.h"
#include "skin/CStaticText.h"
#include "skin/GuiState.h"
#include "skin/SkinFiles.h"
#include "skin/SkinFonts.h"
#include "skin/SkinScaling.h"

namespace corvane {

CSecondaryDlg::CSecondaryDlg(GuiState& gui, QWidget* parent, int designWidth, int designHeight,
                             std::u16string_view frame)
    : CDlgBase(gui, parent, Scaled(gui.SkinScale, designWidth), Scaled(gui.SkinScale, designHeight)),
      designWidth_(designWidth), designHeight_(designHeight), frame_(LoadOpaqueBitmap(SkinFilePath(gui, frame))) {}

bool CSecondaryDlg::OnInitDialog() {
  CDlgBase::OnInitDialog();
  if (registers_) RegisterInOpenPopupTable();
  return true;
}

void CSecondaryDlg::DrawDialog(QPainter& dc, const CRect& client) {
  DrawFrameBackground(dc, client, frame_, designWidth_, designHeight_);
  DrawControls(dc, client);
}

CRect CSecondaryDlg::Design(int left, int top, int right, int bottom) const {
  return ScaledRect(Gui().SkinScale, ClientRect(), left, top, right, bottom);
}

CImageButton* CSecondaryDlg::AddCloseButton(int left, int top, int right, int bottom) {
  auto b = std::make_unique<CImageButton>(this, kIdClose, Design(left, top, right, bottom), u"", DT_CENTER);
  b->LoadNormalImage(u"skins\\exit_nr.png");
  b->LoadHoverImage(u"skins\\exit_ov.png");
  return AddControl(0, std::move(b));
}

CImageButton* CSecondaryDlg::AddTextButton(unsigned id, int left, int top, int right, int bottom, int captionEntry) {
  auto b = std::make_unique<CImageButton>(this, id, Design(left, top, right, bottom),
                                          Gui().Language.Text(captionEntry), DT_CENTER);
  b->LoadNormalImage(u"skins\\button2_nr.png");
  b->LoadHoverImage(u"skins\\button2_ov.png");
  return AddControl(0, std::move(b));
}

CStaticText* CSecondaryDlg::AddText(unsigned id, int left, int top, int right, int bottom, std::u16string text,
                                    COLORREF colour, unsigned format) {
  return AddControl(0, std::make_unique<CStaticText>(this, id, Design(left, top, right, bottom), std::move(text),
                                                     colour, format));
}

QLineEdit* CSecondaryDlg::AddEdit(int left, int top, int right, int bottom, const std::u16string& text) {
  edit_ = new QLineEdit(this);
  edit_->setObjectName(QStringLiteral("edit2017"));
  edit_->setGeometry(Design(left, top, right, bottom).ToQRect());
  edit_->setFont(MakeEditFont(Gui()));
  edit_->setAlignment(Qt::AlignCenter);
  edit_->setFrame(false);
  edit_->setStyleSheet(QStringLiteral("QLineEdit { color: black; background: white; border: none; }"));
  edit_->setText(QString::fromStdU16String(text));
  edit_->setCursorPosition(static_cast<int>(edit_->text().size()));
  edit_->setFocus();
  InstallKeyFilter(edit_);
  return edit_;
}

LRESULT CSecondaryDlg::OnCloseOrCancel(WPARAM, LPARAM code) {
  if (code != kNotifyClick) return 0;
  ReleaseControlImages();
  OnCancel();
  return 0;
}

void CSecondaryDlg::ShowAttention(int entry) {
  CAttentionDlg box(Gui(), u"", Gui().Language.Text(entry), this);
  box.DoModal();
}

}  // namespace corvane
