#pragma once
// What the macro manager's five small dialogs share: the 319 x 102 frame, the cross, OK
// and Cancel, a title, and the one field (an edit box, or the key dialog's key text) at
// the same place. The step dialogs edit one macro step and overwrite it only on OK; the
// name dialogs keep the typed name for the caller.
#include <string>

#include "dialogs/CSecondaryDlg.h"
#include "settings/MacroItem.h"

namespace corvane {

class CMacroSmallDlg : public CSecondaryDlg {
  Q_OBJECT

 public:
  static constexpr int kDesignWidth = 319;
  static constexpr int kDesignHeight = 102;

  CMacroSmallDlg(GuiState& gui, QWidget* parent);

  LRESULT OnMessage(unsigned msg, WPARAM wParam, LPARAM lParam) override;
  // The OK action (button 2010, and Enter where the dialog confirms with it).
  virtual void RunOk() = 0;

 protected:
  // The cross, OK, Cancel and the title (id titleId, ending at titleRight).
  void AddFrameControls(unsigned titleId, int titleRight, int titleEntry);
  // The edit box at the field's place.
  void AddField(const std::u16string& text);
  std::u16string FieldText() const;
  // Keys of the dialogs with an edit box: Enter confirms, Escape is swallowed; with
  // digitsOnly, a typed character other than a digit or backspace shows text 175 (and is
  // still typed).
  bool FilterEditKeys(QKeyEvent* event, bool digitsOnly);
  void EndOk();

 private:
  LRESULT OnOk(WPARAM wParam, LPARAM lParam);
};

// The decimal number a field starts with (after optional blanks and a sign); 0 when it
// starts with none. Large values saturate.
long LeadingNumber(const std::u16string& text);

}  // namespace corvane
