#pragma once
// A skinned window for the toolkit's tests: it records every message its controls and
// popups send, and the helpers deliver real mouse events through the application.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

#include "base/DataFolder.h"
#include "lang/LanguageTable.h"
#include "skin/CDlgBase.h"
#include "skin/CWndPopup.h"
#include "skin/GuiState.h"

namespace corvane::testing {

struct Message {
  unsigned msg;
  WPARAM wParam;
  LPARAM lParam;
  bool operator==(const Message&) const = default;
};

// The selection message the tests give popups.
constexpr unsigned kChoiceMessage = 5000;

// Window state with the skins beside the test program, captions from language.
inline std::unique_ptr<GuiState> MakeGuiState(const LanguageTable& language, float scale = 1.0f) {
  auto gui = std::make_unique<GuiState>(language);
  gui->ExeFolder = ExecutableFolder();
  gui->SkinScale = scale;
  return gui;
}

class TestDialog : public CDlgBase {
 public:
  explicit TestDialog(GuiState& gui, int w = 400, int h = 300) : CDlgBase(gui, nullptr, w, h) {}
  void InitUI(const CRect&) override {}
  void DrawDialog(QPainter& dc, const CRect& client) override {
    ++paints;
    DrawControls(dc, client);
  }
  LRESULT OnMessage(unsigned msg, WPARAM wParam, LPARAM lParam) override {
    messages.push_back({msg, wParam, lParam});
    if (msg == kChoiceMessage && wParam != 2 && wParam != 11 && lParam)
      choices.push_back(*reinterpret_cast<const PopupSelection*>(lParam));
    return 0;
  }
  void OnTimer(int id) override { timers.push_back(id); }

  // Messages with this number, in order.
  std::vector<Message> For(unsigned msg) const {
    std::vector<Message> out;
    for (const auto& m : messages)
      if (m.msg == msg) out.push_back(m);
    return out;
  }

  std::vector<Message> messages;
  std::vector<PopupSelection> choices;
  std::vector<int> timers;
  int paints = 0;
};

// A test with a shown, empty window of the default size over a fresh window state.
class ShownDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    gui = MakeGuiState(language);
    dlg = std::make_unique<TestDialog>(*gui);
    dlg->EnsureInitialized();
    dlg->show();
  }
  LanguageTable language;
  std::unique_ptr<GuiState> gui;
  std::unique_ptr<TestDialog> dlg;
};

inline void SendMouse(QWidget* w, QEvent::Type type, QPoint p, Qt::MouseButton button, Qt::MouseButtons buttons) {
  QMouseEvent e(type, QPointF(p), QPointF(w->mapToGlobal(p)), button, buttons, Qt::NoModifier);
  QApplication::sendEvent(w, &e);
}
inline void Move(QWidget* w, QPoint p, Qt::MouseButtons held = Qt::NoButton) {
  SendMouse(w, QEvent::MouseMove, p, Qt::NoButton, held);
}
inline void Press(QWidget* w, QPoint p, Qt::MouseButton b = Qt::LeftButton) { SendMouse(w, QEvent::MouseButtonPress, p, b, b); }
inline void Release(QWidget* w, QPoint p, Qt::MouseButton b = Qt::LeftButton) {
  SendMouse(w, QEvent::MouseButtonRelease, p, b, Qt::NoButton);
}
inline void DoubleClick(QWidget* w, QPoint p) {
  Press(w, p);
  Release(w, p);
  SendMouse(w, QEvent::MouseButtonDblClick, p, Qt::LeftButton, Qt::LeftButton);
  Release(w, p);
}
// Move onto p, press and release there.
inline void Click(QWidget* w, QPoint p, Qt::MouseButton b = Qt::LeftButton) {
  Move(w, p);
  Press(w, p, b);
  Release(w, p, b);
}
inline QPoint Inside(const CRect& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

}  // namespace corvane::testing
