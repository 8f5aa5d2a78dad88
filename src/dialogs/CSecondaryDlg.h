#pragma once
// What the secondary dialogs share: a design size scaled by SkinScale, a frame picture
// from "skins\" drawn over the whole design area, the close / OK / Cancel buttons and
// captions built the same way, the one edit box some of them hold, and registration in
// the table of open secondary windows while open.
#include <string_view>

#include <QImage>

#include "skin/CDlgBase.h"
#include "skin/DrawTextW.h"

class QLineEdit;

namespace corvane {

class CImageButton;
class CStaticText;

class CSecondaryDlg : public CDlgBase {
  Q_OBJECT

 public:
  CSecondaryDlg(GuiState& gui, QWidget* parent, int designWidth, int designHeight, std::u16string_view frame);

  void DrawDialog(QPainter& dc, const CRect& client) override;
  bool OnInitDialog() override;

  int DesignWidth() const { return designWidth_; }
  int DesignHeight() const { return designHeight_; }
  QLineEdit* Edit() const { return edit_; }

 protected:
  // A rectangle in design pixels relative to the client area.
  CRect Design(int left, int top, int right, int bottom) const;
  CImageButton* AddCloseButton(int left, int top, int right, int bottom);
  // OK / Cancel style button with the "button2" pictures and a language caption.
  CImageButton* AddTextButton(unsigned id, int left, int top, int right, int bottom, int captionEntry);
  CStaticText* AddText(unsigned id, int left, int top, int right, int bottom, std::u16string text, COLORREF colour,
                       unsigned format);
  // The edit box (id 2017): black text on white, centred, the "Tahoma" edit font, focused.
  QLineEdit* AddEdit(int left, int top, int right, int bottom, const std::u16string& text);
  // Close and Cancel: on a click, release the images and end with IDCANCEL.
  LRESULT OnCloseOrCancel(WPARAM wParam, LPARAM lParam);
  // Shows the program's attention box with a language text.
  void ShowAttention(int entry);
  void SetRegisters(bool r) { registers_ = r; }

 private:
  int designWidth_, designHeight_;
  QImage frame_;
  QLineEdit* edit_ = nullptr;
  bool registers_ = true;
};

}  // namespace corvane
