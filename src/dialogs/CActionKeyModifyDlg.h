#pragma once
// Edits the key of a key step: every key the keyboard hook reports (press or release,
// modifiers included) becomes the chosen key and is shown; OK stores it in the step.
// Enter confirms without storing a key and Escape cancels, as a plain dialog does.
#include "dialogs/CMacroSmallDlg.h"
#include "platform/KeyboardHook.h"

namespace corvane {

class CActionKeyModifyDlg : public CMacroSmallDlg {
  Q_OBJECT

 public:
  static constexpr unsigned kIdKeyText = 2012;
  static constexpr unsigned kIdTitleText = 2013;

  CActionKeyModifyDlg(GuiState& gui, MacroAction& step, QWidget* parent = nullptr);

  bool OnInitDialog() override;
  void InitUI(const CRect& client) override;
  LRESULT OnMessage(unsigned msg, WPARAM wParam, LPARAM lParam) override;
  void RunOk() override;
  std::uint8_t ChosenKey() const { return chosen_; }
  const CKeyboardHook& Hook() const { return hook_; }

 protected:
  bool PreTranslateKey(QKeyEvent* event) override;
  bool event(QEvent* event) override;
  void done(int r) override;

 private:
  MacroAction& step_;
  std::uint8_t chosen_;
  CKeyboardHook hook_;
};

}  // namespace corvane
