#pragma once
// The key-combination dialog: captures a key through the keyboard hook (the Windows keys
// and the left and right Shift, Ctrl and Alt keys are not keys of a combination), with
// Ctrl, Shift, Alt and Win boxes, or the key alone. OK gives "Ctrl+Shift+A" and 70 mm kk.
#include <optional>

#include "dialogs/CSecondaryDlg.h"
#include "platform/KeyboardHook.h"
#include "settings/ButtonAssignment.h"
#include "settings/KeyTables.h"

namespace corvane {

class CCheckButton;

class CShortcutDlg : public CSecondaryDlg {
  Q_OBJECT

 public:
  enum Id : unsigned {
    kIdKeyOnly = 2005,
    kIdCtrl = 2006,
    kIdAlt = 2007,
    kIdShift = 2008,
    kIdWin = 2009,
    kIdKeyText = 2012,
    kIdTitleText = 2013,
  };

  explicit CShortcutDlg(GuiState& gui, QWidget* parent = nullptr);

  bool OnInitDialog() override;
  void InitUI(const CRect& client) override;
  LRESULT OnMessage(unsigned msg, WPARAM wParam, LPARAM lParam) override;

  // The result of OK: nothing when neither a key nor a modifier was given.
  const std::optional<ButtonFunction>& Choice() const { return choice_; }
  const ShortcutChoice& Captured() const { return captured_; }
  const CKeyboardHook& Hook() const { return hook_; }

 protected:
  bool event(QEvent* event) override;
  void done(int r) override;

 private:
  CCheckButton* AddCheck(unsigned id, int left, int top, int captionRight, std::u16string caption);
  bool IsChecked(unsigned id) const;
  void RunOk();

  CKeyboardHook hook_;
  ShortcutChoice captured_;
  std::optional<ButtonFunction> choice_;
};

// The main window's way to the dialog: runs it modally over parent and answers the
// function for the button (nothing when cancelled or nothing was given).
std::optional<ButtonFunction> RunShortcutDialog(QWidget* parent, GuiState& gui);

}  // namespace corvane
