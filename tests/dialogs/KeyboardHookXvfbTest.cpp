// The real keyboard hook on an X server of its own: keys sent with XTEST (xdotool) while
// another program's window has the focus reach the window that started the hook, the
// macro manager records them (held keys, measured and fixed delays, the step limit),
// and nothing arrives once the hook is stopped. Skipped where Xvfb or xdotool is missing.
#include <gtest/gtest.h>

#include <algorithm>

#include <QLineEdit>
#include <QTest>

#include "dialogs/CMacroManagerDlg.h"
#include "lang/LanguageEntries.h"
#include "platform/KeyboardHook.h"
#include "platform/KeyboardHookKeys.h"
#include "session/AppContext.h"
#include "session/StartupLoad.h"
#include "support/ModalScript.h"
#include "support/TempDataFolder.h"
#include "support/XvfbServer.h"
#include "widgets/CEditShowList.h"

namespace corvane::testing {
namespace {

struct HookMessage {
  std::uint8_t key;
  std::uint32_t lParam;
};

// A window that keeps what its hook delivers.
class Receiver : public QObject {
 public:
  bool event(QEvent* e) override {
    std::uint8_t key = 0;
    std::uint32_t lParam = 0;
    if (hook.Take(e, key, lParam)) {
      got.push_back({key, lParam});
      return true;
    }
    return QObject::event(e);
  }
  CKeyboardHook hook;
  std::vector<HookMessage> got;
};

class KeyboardHookXvfbTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!XvfbServer::Available({"xdotool", "xev"})) GTEST_SKIP() << "Xvfb, xdotool or xev is not installed";
    if (!x.Start()) GTEST_SKIP() << "Xvfb could not be started";
    // Another program's window, with the keyboard focus.
    ASSERT_TRUE(x.Launch("xev", {"-name", "other-program"}));
    QString id;
    for (int i = 0; i < 100 && id.trimmed().isEmpty(); ++i) {
      id = x.Run("xdotool", {"search", "--name", "^other-program$"});
      if (id.trimmed().isEmpty()) QThread::msleep(50);
    }
    ASSERT_FALSE(id.trimmed().isEmpty());
    x.Run("xdotool", {"windowfocus", "--sync", id.trimmed().split('\n').first()});
    SetKeyboardHookDisplay(x.Display());
  }
  void TearDown() override { SetKeyboardHookDisplay(QString()); }

  void Keys(const QStringList& args) { ASSERT_FALSE(x.Run("xdotool", args).isEmpty()) << args.join(' ').toStdString(); }

  XvfbServer x;
};

TEST_F(KeyboardHookXvfbTest, KeysOfAnotherWindowArriveUntilTheHookStops) {
  Receiver window;
  ASSERT_TRUE(window.hook.StartHook(&window));
  EXPECT_TRUE(window.hook.SystemWide());
  Keys({"key", "a", "keydown", "shift", "keydown", "F5", "keyup", "F5", "keyup", "shift"});
  EXPECT_TRUE(QTest::qWaitFor([&] { return window.got.size() >= 6; }, 3000));
  std::vector<std::pair<std::uint8_t, bool>> seen;
  for (const HookMessage& m : window.got) seen.push_back({m.key, (m.lParam & kHookReleaseBit) != 0});
  // xdotool may let a modifier go twice; the recorder drops such repeats itself.
  seen.erase(std::unique(seen.begin(), seen.end()), seen.end());
  const std::vector<std::pair<std::uint8_t, bool>> expected = {{0x41, false}, {0x41, true},  {0xA0, false},
                                                               {0x74, false}, {0x74, true}, {0xA0, true}};
  EXPECT_EQ(seen, expected);
  window.hook.StopHook();
  window.got.clear();
  Keys({"key", "b"});
  QTest::qWait(300);
  EXPECT_TRUE(window.got.empty()) << "nothing after StopHook";
  // Started again, it delivers again.
  ASSERT_TRUE(window.hook.StartHook(&window));
  Keys({"key", "c"});
  EXPECT_TRUE(QTest::qWaitFor([&] { return window.got.size() >= 2; }, 3000));
}

class RecordingXvfbTest : public KeyboardHookXvfbTest {
 protected:
  void SetUp() override {
    KeyboardHookXvfbTest::SetUp();
    if (IsSkipped() || HasFatalFailure()) return;
    ctx.DataFolder = data.Root();
    RunStartupLoad(ctx);
    gui = MakeGuiState(ctx.Language);
    MacroLocation at;
    ctx.Macros.NewMacro(u"Recorded", at);
    dlg = std::make_unique<CMacroManagerDlg>(ctx, *gui);
    dlg->EnsureInitialized();
    dlg->show();
    const CRect tree = dlg->Tree()->GetRect();
    Click(dlg.get(), {tree.left + 20, tree.top + 5});
    ASSERT_NE(dlg->CurrentMacro(), nullptr);
  }
  void Record(bool on) { Click(dlg.get(), Inside(dlg->FindControl(CMacroManagerDlg::kIdRecord)->GetRect())); ASSERT_EQ(dlg->Recording(), on); }
  std::uint32_t Steps() const { return dlg->CurrentMacro()->MacroActionNum; }
  bool WaitSteps(std::uint32_t n) { return QTest::qWaitFor([&] { return Steps() >= n; }, 5000); }

  TempDataFolder data;
  AppContext ctx;
  std::unique_ptr<GuiState> gui;
  std::unique_ptr<CMacroManagerDlg> dlg;
};

TEST_F(RecordingXvfbTest, RealDelaysAndHeldKeys) {
  Record(true);
  Keys({"keydown", "a", "sleep", "0.13", "keyup", "a"});
  ASSERT_TRUE(WaitSteps(3));
  const MacroItem& m = *dlg->CurrentMacro();
  EXPECT_EQ(m.GetAction(0), (MacroAction{{0x41, 0, 0, 0}}));
  EXPECT_EQ(m.GetAction(1).bytes[0], 3);
  EXPECT_NEAR(static_cast<int>(DelayOf(m.GetAction(1))), 130, 25) << "the time stamps of the X server";
  EXPECT_EQ(m.GetAction(2), (MacroAction{{0x41, 0x80, 0, 0}}));
  // A key held down and pressed again meanwhile, as auto-repeat does: one press, one release.
  Keys({"keydown", "b", "keydown", "b", "keydown", "b", "sleep", "0.4", "keyup", "b", "keyup", "b"});
  ASSERT_TRUE(WaitSteps(7));
  QTest::qWait(200);
  EXPECT_EQ(Steps(), 7u);
  EXPECT_EQ(m.GetAction(4), (MacroAction{{0x42, 0, 0, 0}}));
  EXPECT_EQ(m.GetAction(6), (MacroAction{{0x42, 0x80, 0, 0}}));
  Record(false);
  Keys({"key", "c"});
  QTest::qWait(300);
  EXPECT_EQ(Steps(), 7u) << "nothing is recorded once recording is off";
}

TEST_F(RecordingXvfbTest, FixedDelayOfZeroShowsOneAndRecordsOneMs) {
  dlg->DelayEdit()->selectAll();
  QTest::keyClicks(dlg->DelayEdit(), "0");
  EXPECT_EQ(dlg->DelayEdit()->text(), "1");
  Click(dlg.get(), Inside(dlg->FindControl(CMacroManagerDlg::kIdFixedDelay)->GetRect()));
  Record(true);
  Keys({"keydown", "a", "sleep", "0.1", "keyup", "a"});
  ASSERT_TRUE(WaitSteps(3));
  EXPECT_EQ(dlg->CurrentMacro()->GetAction(1), (MacroAction{{3, 0, 0, 1}}));
}

TEST_F(RecordingXvfbTest, The126thKeyEventStopsRecordingWith235) {
  Record(true);
  // 63 taps: 126 key events, a press and a release each.
  QStringList args{"key", "--delay", "1"};
  for (int i = 0; i < 63; ++i) args << (i % 2 ? "b" : "a");
  ModalScript answers;
  answers.Attention();
  Keys(args);
  EXPECT_TRUE(QTest::qWaitFor([&] { return !dlg->Recording(); }, 10000));
  EXPECT_TRUE(QTest::qWaitFor([&] { return answers.Done(); }, 3000));
  EXPECT_EQ(answers.attentions, (std::vector<std::u16string>{ctx.Language.Text(kTextRecordingFull)}));
  EXPECT_EQ(Steps(), 249u);
  EXPECT_FALSE(dlg->Hook().Started());
}

}  // namespace
}  // namespace corvane::testing
