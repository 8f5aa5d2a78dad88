// Per-application profiles on a real X server (Xvfb): the test makes two windows of
// different classes and, acting as the window manager, names each in turn as the active
// one; the main window switches to the mapped profile and back, and the simulated mouse
// receives the frames of the profile that became current. Also the dialog's editing and
// its form where the active window cannot be followed.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <sstream>

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>

#include "app/CCorvaneDlg.h"
#include "dialogs/CAutoSwitchDlg.h"
#include "platform/ActiveWindowWatcher.h"
#include "settings/AutoSwitchMap.h"
#include "support/ApplyCliHelpers.h"
#include "support/SkinTestSupport.h"
#include "support/XvfbServer.h"

// Xlib last: its macros clash with Qt's and gtest's names.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace corvane::testing {
namespace {

// Sets an environment variable for the life of the object, then restores it.
class EnvOverride {
 public:
  EnvOverride(const char* name, const QByteArray* value) : name_(name), had_(qEnvironmentVariableIsSet(name)) {
    old_ = qgetenv(name);
    if (value)
      qputenv(name, *value);
    else
      qunsetenv(name);
  }
  ~EnvOverride() {
    if (had_)
      qputenv(name_, old_);
    else
      qunsetenv(name_);
  }

 private:
  const char* name_;
  bool had_;
  QByteArray old_;
};

// The test's own X client: two mapped windows of the given classes, and the root
// window's _NET_ACTIVE_WINDOW set as a window manager sets it.
class TestWindows {
 public:
  explicit TestWindows(const QString& display) { display_ = XOpenDisplay(display.toLocal8Bit().constData()); }
  ~TestWindows() {
    if (display_) XCloseDisplay(display_);
  }
  bool Ok() const { return display_ != nullptr; }
  Window Make(const char* windowClass) {
    const Window w = XCreateSimpleWindow(display_, DefaultRootWindow(display_), 10, 10, 200, 100, 0, 0, 0);
    std::string name(windowClass);
    XClassHint hint{name.data(), name.data()};
    XSetClassHint(display_, w, &hint);
    XMapWindow(display_, w);
    XFlush(display_);
    return w;
  }
  void Activate(Window w) {
    const Atom active = XInternAtom(display_, "_NET_ACTIVE_WINDOW", False);
    XChangeProperty(display_, DefaultRootWindow(display_), active, XA_WINDOW, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(&w), 1);
    XFlush(display_);
  }

 private:
  Display* display_ = nullptr;
};

bool WaitFor(const std::function<bool()>& done, int timeoutMs = 8000) {
  QElapsedTimer t;
  t.start();
  while (!done()) {
    if (t.elapsed() > timeoutMs) return false;
    QApplication::processEvents(QEventLoop::AllEvents, 20);
  }
  return true;
}

// A command frame without its running number (byte 2) and the checksum over it (byte 4):
// those count the frames a program has sent, not what the frame says.
std::string Content(const std::string& line) {
  std::istringstream in(line);
  std::vector<std::string> words;
  for (std::string w; in >> w;) words.push_back(w);
  std::string out;
  for (std::size_t i = 0; i < words.size(); ++i) out += (i == 4 || i == 6 ? std::string("..") : words[i]) + " ";
  return out;
}

bool Contains(const std::vector<std::string>& frames, std::size_t from, const std::vector<std::string>& wanted) {
  for (const auto& w : wanted) {
    const auto same = [&](const std::string& f) { return Content(f) == Content(w); };
    if (std::none_of(frames.begin() + static_cast<long>(from), frames.end(), same)) return false;
  }
  return true;
}

std::string Joined(const std::vector<std::string>& lines, std::size_t from) {
  std::string out;
  for (std::size_t i = from; i < lines.size(); ++i) out += lines[i] + "\n";
  return out;
}

TEST(AutoSwitchX11, ActiveWindowSwitchesTheProfileAndTheMouseGetsIt) {
  XvfbServer x;
  ASSERT_TRUE(x.Start(QStringLiteral("1280x800x24"))) << "Xvfb";
  const QByteArray display = x.Display().toLocal8Bit();
  EnvOverride displayEnv("DISPLAY", &display);
  EnvOverride waylandEnv("WAYLAND_DISPLAY", nullptr);

  // Profile 0 polls at 500 Hz and profile 2 at 125 Hz; the frames corvanectl sends for
  // each are what the window must send when it switches to that profile.
  TempDataFolder data;
  const UploadRun p0 = RunOnSimulatedMouse(data, {"set", "polling=500"});
  ASSERT_EQ(p0.run.status, 0) << p0.run.err;
  ASSERT_EQ(RunOnSimulatedMouse(data, {"profile", "select", "2"}).run.status, 0);
  const UploadRun p2 = RunOnSimulatedMouse(data, {"set", "polling=125"});
  ASSERT_EQ(p2.run.status, 0) << p2.run.err;
  ASSERT_EQ(RunOnSimulatedMouse(data, {"profile", "select", "0"}).run.status, 0);
  ASSERT_FALSE(p0.frames.empty());
  ASSERT_FALSE(p2.frames.empty());
  const CliRun add = RunCorvanectl(data.Root(), {"autoswitch", "add", "CorvaneAlpha", "2"});
  ASSERT_EQ(add.status, 0) << add.err;

  TestWindows windows(x.Display());
  ASSERT_TRUE(windows.Ok());
  const Window alpha = windows.Make("CorvaneAlpha");
  const Window beta = windows.Make("CorvaneBeta");

  const auto trace = data.Path("window-trace.txt");
  CorvaneDlgOptions options;
  options.DataFolder = data.Root();
  options.Device.simulate = ParseSimulatedRoles("wired");
  options.Device.noWait = true;
  options.Device.traceFile = trace.string();
  CCorvaneDlg dlg(std::move(options));
  dlg.EnsureInitialized();
  // A window that is not shown starts its watcher as soon as the event loop runs.
  QApplication::processEvents();
  ASSERT_NE(dlg.ActiveWindow(), nullptr) << "the watcher runs on the X server";
  ASSERT_EQ(dlg.App().CurrentProfileIndex, 0);
  QApplication::processEvents(QEventLoop::AllEvents, 200);
  const auto frames = [&] { return TraceOf(TraceLines(trace), "set"); };

  struct Step {
    Window window;
    int profile;
    const std::vector<std::string>* sent;
  };
  const Step steps[] = {{alpha, 2, &p2.frames}, {beta, 0, &p0.frames}, {alpha, 2, &p2.frames}};
  for (const auto& s : steps) {
    const std::size_t before = frames().size();
    windows.Activate(s.window);
    EXPECT_TRUE(WaitFor([&] { return dlg.App().CurrentProfileIndex == s.profile; })) << "profile " << s.profile;
    EXPECT_TRUE(WaitFor([&] { return Contains(frames(), before, *s.sent); }))
        << "frames of profile " << s.profile << "\nwanted:\n" << Joined(*s.sent, 0) << "sent:\n" << Joined(frames(), before);
    EXPECT_EQ(dlg.App().Config.GetCurrentProfile(), s.profile);
  }
  dlg.Shutdown();
}

TEST(AutoSwitchDialog, AddsRemovesAndSavesAtOnce) {
  TempDataFolder data;
  AppContext app;
  app.DataFolder = data.Root();
  app.Config.ConfigDefaults();
  auto gui = MakeGuiState(app.Language);
  CAutoSwitchDlg dlg(app, *gui, [] { return QStringLiteral("Picked"); });
  dlg.EnsureInitialized();
  ASSERT_NE(dlg.Edit(), nullptr);

  // The shown profiles in turn: 0, 1, 2, then 0 again.
  EXPECT_EQ(dlg.ChosenProfile(), 0);
  for (const int expected : {1, 2, 0, 1}) {
    dlg.NextProfile();
    EXPECT_EQ(dlg.ChosenProfile(), expected);
  }
  dlg.FinishPick();  // the active window's class goes into the edit box
  EXPECT_EQ(dlg.Edit()->text(), QStringLiteral("Picked"));
  dlg.Add();
  dlg.Edit()->setText(QStringLiteral("  Typed  "));
  dlg.Add();
  const std::vector<AutoSwitchEntry> both{{"Picked", 1}, {"Typed", 1}};
  EXPECT_EQ(dlg.Map().Entries(), both);
  EXPECT_EQ(LoadAutoSwitchMap(AutoSwitchFilePath(data.Root())).Entries(), both);
  dlg.Remove(0);
  EXPECT_EQ(LoadAutoSwitchMap(AutoSwitchFilePath(data.Root())).Entries(), (std::vector<AutoSwitchEntry>{{"Typed", 1}}));
  dlg.Remove(5);  // no such row: nothing happens
  EXPECT_EQ(dlg.Map().Entries().size(), 1u);
}

TEST(AutoSwitchDialog, WithoutTheActiveWindowOnlySaysSo) {
  TempDataFolder data;
  AppContext app;
  app.DataFolder = data.Root();
  app.Config.ConfigDefaults();
  auto gui = MakeGuiState(app.Language);
  CAutoSwitchDlg dlg(app, *gui, {});
  dlg.EnsureInitialized();
  EXPECT_EQ(dlg.Edit(), nullptr);
  EXPECT_EQ(dlg.FindControl(CAutoSwitchDlg::kIdAdd), nullptr);
  EXPECT_NE(dlg.FindControl(CAutoSwitchDlg::kIdNote), nullptr);
  dlg.Add();  // nothing to add from, nothing written
  EXPECT_FALSE(data.Exists("config/AutoSwitch.ini"));
}

TEST(AutoSwitchDialog, WaylandSessionHasNoWatcher) {
  const QByteArray wayland("wayland-0");
  EnvOverride waylandEnv("WAYLAND_DISPLAY", &wayland);
  ActiveWindowWatcher watcher;
  EXPECT_TRUE(ActiveWindowWatcher::SessionIsWayland());
  EXPECT_FALSE(watcher.Available());
  EXPECT_TRUE(watcher.ActiveClass().isEmpty());
}

}  // namespace
}  // namespace corvane::testing
