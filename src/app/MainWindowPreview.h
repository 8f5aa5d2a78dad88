#pragma once
// The main window's controls on a plain skinned window with the main background, for the
// gallery and the tests: the controls, ShowCurrentProfile and the section headers, without
// the window's device link, timers and commands.
#include "skin/CDlgBase.h"

namespace corvane {

struct AppContext;

class MainWindowPreview : public CDlgBase {
 public:
  MainWindowPreview(AppContext& app, GuiState& gui);

  void InitUI(const CRect& client) override;
  void DrawDialog(QPainter& dc, const CRect& client) override;
  LRESULT OnMessage(unsigned msg, WPARAM wParam, LPARAM lParam) override;

 private:
  AppContext& app_;
  QImage background_;
};

}  // namespace corvane
