// The keyboard hook without XInput2 (here the offscreen window system): the program's
// own key events reach the window that started it, each once, as virtual keys; events
// still queued when the hook stops, or from an earlier start, are not taken.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QKeyEvent>
#include <QTest>
#include <QWidget>
#include <QWindow>

#include "platform/KeyboardHook.h"
#include "platform/KeyboardHookKeys.h"

namespace corvane::testing {
namespace {

class HookWindow : public QWidget {
 public:
  bool event(QEvent* e) override {
    std::uint8_t key = 0;
    std::uint32_t lParam = 0;
    if (hook.Take(e, key, lParam)) {
      got.push_back({key, (lParam & kHookReleaseBit) != 0});
      return true;
    }
    return QWidget::event(e);
  }
  CKeyboardHook hook;
  std::vector<std::pair<std::uint8_t, bool>> got;
};

TEST(KeyboardHookTest, ProgramKeysArriveOnceEachUntilStopped) {
  HookWindow window;
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  ASSERT_TRUE(window.hook.StartHook(&window));
  EXPECT_FALSE(window.hook.SystemWide());
  QTest::keyClick(window.windowHandle(), Qt::Key_A);
  QTest::keyClick(window.windowHandle(), Qt::Key_7);
  QTest::qWait(20);
  using Got = std::vector<std::pair<std::uint8_t, bool>>;
  EXPECT_EQ(window.got, (Got{{0x41, false}, {0x41, true}, {0x37, false}, {0x37, true}}));

  window.got.clear();
  window.hook.StopHook();
  QTest::keyClick(window.windowHandle(), Qt::Key_C);
  QTest::qWait(20);
  EXPECT_TRUE(window.got.empty()) << "nothing after StopHook";

  // Started again, it delivers again.
  window.hook.StartHook(&window);
  QTest::keyClick(window.windowHandle(), Qt::Key_E);
  QTest::qWait(20);
  EXPECT_EQ(window.got, (Got{{0x45, false}, {0x45, true}}));
}

// An event the hook posted stays in the window's queue until the window handles it; if
// the hook has stopped by then (or was started anew), the window does not take it.
TEST(KeyboardHookTest, QueuedEventsOfAStoppedHookAreNotTaken) {
  HookWindow window;
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  ASSERT_TRUE(window.hook.StartHook(&window));
  QKeyEvent press(QEvent::KeyPress, Qt::Key_B, Qt::NoModifier, QStringLiteral("b"));
  QCoreApplication::sendEvent(window.windowHandle(), &press);  // posts, does not deliver
  window.hook.StopHook();
  window.hook.StartHook(&window);
  QTest::qWait(20);
  EXPECT_TRUE(window.got.empty());
  QCoreApplication::sendEvent(window.windowHandle(), &press);
  QTest::qWait(20);
  using Got = std::vector<std::pair<std::uint8_t, bool>>;
  EXPECT_EQ(window.got, (Got{{0x42, false}})) << "the same event from the running hook is taken";
}

}  // namespace
}  // namespace corvane::testing
