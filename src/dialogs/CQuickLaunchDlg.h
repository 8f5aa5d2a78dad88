#pragma once
// The quick-launch dialog: the browse button picks a program, a file or a desktop entry;
// OK reports the chosen path to the parent window (message 1039) and ends. Without a
// chosen file OK sends nothing: a button whose target is empty would start nothing.
#include <functional>
#include <string>

#include <QString>

#include "dialogs/CSecondaryDlg.h"
#include "skin/CWndPopup.h"

namespace corvane {

class CQuickLaunchDlg : public CSecondaryDlg {
  Q_OBJECT

 public:
  static constexpr unsigned kResultMessage = 1039;
  static constexpr unsigned kIdBrowse = 2012;
  static constexpr unsigned kIdPath = 2013;
  static constexpr unsigned kIdLaunchTitle = 2014;

  explicit CQuickLaunchDlg(GuiState& gui, QWidget* parent = nullptr);

  void InitUI(const CRect& client) override;
  LRESULT OnMessage(unsigned msg, WPARAM wParam, LPARAM lParam) override;

  // The browse action: the file dialog, and on its OK the chosen path.
  void Browse();
  // Takes path as chosen (what the file dialog's OK does).
  void SetChosenPath(const QString& path);
  const std::u16string& Path() const { return path_; }
  const PopupSelection& Record() const { return record_; }

 protected:
  bool PreTranslateKey(QKeyEvent* event) override;

 private:
  LRESULT OnBrowse(WPARAM wParam, LPARAM lParam);
  LRESULT OnOk(WPARAM wParam, LPARAM lParam);

  std::u16string path_;
  PopupSelection record_;
};

}  // namespace corvane
