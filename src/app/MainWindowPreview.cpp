#include "app/MainWindowPreview.h"

#include <QPainter>

#include "app/MainWindowLayout.h"
#include "session/AppContext.h"
#include "skin/GuiState.h"
#include "skin/SkinFiles.h"
#include "skin/SkinScaling.h"

namespace corvane {

MainWindowPreview::MainWindowPreview(AppContext& app, GuiState& gui)
    : CDlgBase(gui, nullptr, Scaled(gui.SkinScale, kMainDesignWidth), Scaled(gui.SkinScale, kMainDesignHeight)),
      app_(app),
      background_(ResourceImagePath(364)) {
  setFixedSize(Scaled(gui.SkinScale, kMainDesignWidth), Scaled(gui.SkinScale, kMainDesignHeight));
}

void MainWindowPreview::InitUI(const CRect& client) {
  CreateMainWindowControls(*this, app_, Gui(), client);
  ShowCurrentProfile(*this, app_, Gui());
}

void MainWindowPreview::DrawDialog(QPainter& dc, const CRect& client) {
  dc.fillRect(client.ToQRect(), ColorOf(BackgroundColor()));
  dc.setRenderHint(QPainter::SmoothPixmapTransform);
  if (!background_.isNull()) dc.drawImage(client.ToQRectF(), background_);
  DrawControls(dc, client);
}

LRESULT MainWindowPreview::OnMessage(unsigned msg, WPARAM, LPARAM lParam) {
  if (lParam == kNotifyClick) OnSectionHeader(*this, app_, Gui(), msg);
  return 0;
}

}  // namespace corvane
