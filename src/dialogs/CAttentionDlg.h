#pragma once
// The program's message box: one message and an OK button.
#include "dialogs/CSecondaryDlg.h"

namespace corvane {

class CAttentionDlg : public CSecondaryDlg {
  Q_OBJECT

 public:
  static constexpr unsigned kIdMessage = 2013;

  CAttentionDlg(GuiState& gui, std::u16string title, std::u16string message, QWidget* parent = nullptr);

  void InitUI(const CRect& client) override;
  LRESULT OnMessage(unsigned msg, WPARAM wParam, LPARAM lParam) override;
  const std::u16string& Message() const { return message_; }

 protected:
  bool PreTranslateKey(QKeyEvent* event) override;

 private:
  LRESULT OnOk(WPARAM wParam, LPARAM lParam);

  std::u16string title_, message_;
};

}  // namespace corvane
