#pragma once
// The fire-key dialog: the interval (ms) and the repeat count of an auto-repeating key.
// Values above 255 become "255" with a warning within 100 ms; an interval of 4 or less is
// refused. OK reports the function to the parent window (message 1063) and ends.
#include <optional>

#include "dialogs/CSecondaryDlg.h"
#include "settings/ButtonFunctionMenus.h"
#include "skin/CWndPopup.h"

class QLineEdit;

namespace corvane {

class CFireKeyDlg : public CSecondaryDlg {
  Q_OBJECT

 public:
  static constexpr unsigned kResultMessage = 1063;
  static constexpr int kCheckTimer = 1;
  static constexpr int kCheckMs = 100;
  static constexpr unsigned kIdIntervalLabel = 3001, kIdCountLabel = 3002, kIdNote = 3003;

  // current: the button's fire-key value (30 ii cc) to start from, if it has one.
  CFireKeyDlg(GuiState& gui, QWidget* parent, std::optional<ButtonValue> current = std::nullopt);

  bool OnInitDialog() override;
  void InitUI(const CRect& client) override;
  LRESULT OnMessage(unsigned msg, WPARAM wParam, LPARAM lParam) override;
  void OnTimer(int id) override;

  QLineEdit* IntervalEdit() const { return interval_; }
  QLineEdit* CountEdit() const { return count_; }
  // The record sent with the result (valid after OK).
  const PopupSelection& Record() const { return record_; }
  // The OK action.
  void RunOk(WPARAM wParam = 0);

 protected:
  bool PreTranslateKey(QKeyEvent* event) override;

 private:
  LRESULT OnOk(WPARAM wParam, LPARAM lParam);
  // An attention box with the dialog's title (entry 150).
  void Warn(int entry);

  std::optional<ButtonValue> current_;
  QLineEdit* interval_ = nullptr;
  QLineEdit* count_ = nullptr;
  PopupSelection record_;
};

// The number a text starts with, as the C library's wtoi reads it: leading blanks, an
// optional sign, then digits; 0 when there are none.
long LeadingNumber(const QString& text);

}  // namespace corvane
