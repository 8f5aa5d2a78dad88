#pragma once
// A short fixed-time progress animation shown while the main window writes settings to
// the mouse: the bar grows in 50 steps of 2 % every 10 ms, then the dialog ends by itself
// 20 ms later. The animation runs on the UI thread from a timer, so repainting (after
// the window was covered, say) shows the bar as far as it has grown.
#include <string>

#include "dialogs/CSecondaryDlg.h"
#include "skin/SkinImage.h"

namespace corvane {

class CProgressBarDlg : public CSecondaryDlg {
  Q_OBJECT

 public:
  static constexpr int kStepTimer = 1;   // one animation step
  static constexpr int kCloseTimer = 2;  // ends the dialog after the last step
  static constexpr int kStepMs = 10;
  static constexpr int kCloseMs = 20;

  CProgressBarDlg(GuiState& gui, std::u16string title, std::u16string message, QWidget* parent = nullptr);

  bool OnInitDialog() override;
  void InitUI(const CRect& client) override;
  void DrawDialog(QPainter& dc, const CRect& client) override;
  void OnTimer(int id) override;

  int Progress() const { return progress_; }
  // Sets the progress directly (the gallery shows chosen stages).
  void SetProgress(int p) { progress_ = p; }
  const std::u16string& Message() const { return message_; }

 protected:
  bool PreTranslateKey(QKeyEvent* event) override;

 private:
  std::u16string title_, message_;
  SkinImage background_, bar_;
  int progress_ = 0;
};

}  // namespace corvane
