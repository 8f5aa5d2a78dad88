// "corvane --macros" on an X server of its own: the first start opens the macro manager
// right after its window, and a later start opens it in the program already running
// (through the one-instance channel) and ends at once.
#include <gtest/gtest.h>

#include <functional>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "support/XvfbServer.h"

namespace corvane::testing {
namespace {

const QString kCorvane = QStringLiteral(CORVANE_PATH);

// The sizes of the visible windows titled "Corvane" (the program's secondary windows).
QStringList CorvaneWindows(const XvfbServer& x) {
  QStringList sizes;
  const QString ids = x.Run("xdotool", {"search", "--onlyvisible", "--name", "^Corvane$"}).trimmed();
  for (const QString& id : ids.split('\n', Qt::SkipEmptyParts)) {
    const QString info = x.Run("xwininfo", {"-id", id.trimmed()});
    QString w, h;
    for (const QString& line : info.split('\n')) {
      const QString t = line.trimmed();
      if (t.startsWith("Width:")) w = t.mid(6).trimmed();
      if (t.startsWith("Height:")) h = t.mid(7).trimmed();
    }
    sizes << w + "x" + h;
  }
  return sizes;
}

bool WaitFor(const std::function<bool()>& done, int ms) {
  for (int waited = 0; waited < ms; waited += 100) {
    if (done()) return true;
    QThread::msleep(100);
  }
  return done();
}

class MacrosProgramTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!XvfbServer::Available({"xdotool", "xwininfo"})) GTEST_SKIP() << "Xvfb, xdotool or xwininfo is not installed";
    if (!x.Start()) GTEST_SKIP() << "Xvfb could not be started";
    env = x.Environment();
    env.insert("QT_QPA_PLATFORM", "xcb");
    env.insert("CORVANE_DATA_DIR", dir.path());
    // The instance socket lives in TMPDIR: a folder of the test's own keeps other
    // programs' instances (and other tests running at the same time) apart.
    env.insert("TMPDIR", tmp.path());
  }
  void TearDown() override {
    if (first.state() != QProcess::NotRunning) {
      first.terminate();
      if (!first.waitForFinished(10000)) first.kill();
      first.waitForFinished();
    }
  }
  void StartFirst(const QStringList& args) {
    first.setProcessEnvironment(env);
    first.setStandardErrorFile(tmp.filePath(QStringLiteral("first.err")));
    first.start(kCorvane, QStringList{"--simulate", "--no-wait"} + args);
    ASSERT_TRUE(first.waitForStarted(10000));
  }
  // What the first program wrote to its error output: a sanitizer's report or Qt's warnings
  // explain a window that never came.
  std::string FirstSaid() const {
    QFile err(tmp.filePath(QStringLiteral("first.err")));
    return err.open(QIODevice::ReadOnly) ? err.readAll().toStdString() : std::string();
  }

  XvfbServer x;
  QTemporaryDir dir, tmp;
  QProcessEnvironment env;
  QProcess first;
};

TEST_F(MacrosProgramTest, FirstStartOpensTheManager) {
  StartFirst({"--macros"});
  EXPECT_TRUE(WaitFor([&] { return CorvaneWindows(x) == QStringList{"528x365"}; }, 15000))
      << CorvaneWindows(x).join(' ').toStdString() << "\n" << FirstSaid();
}

TEST_F(MacrosProgramTest, LaterStartOpensTheManagerInTheRunningProgram) {
  StartFirst({});
  ASSERT_TRUE(WaitFor([&] { return !x.Run("xdotool", {"search", "--onlyvisible", "--name", "."}).trimmed().isEmpty(); }, 15000))
      << FirstSaid();
  QThread::msleep(500);
  EXPECT_TRUE(CorvaneWindows(x).isEmpty());
  QProcess second;
  second.setProcessEnvironment(env);
  second.start(kCorvane, {"--macros"});
  ASSERT_TRUE(second.waitForFinished(15000));
  EXPECT_EQ(second.exitCode(), 0);
  EXPECT_TRUE(WaitFor([&] { return CorvaneWindows(x) == QStringList{"528x365"}; }, 15000))
      << CorvaneWindows(x).join(' ').toStdString() << "\n" << FirstSaid();
  EXPECT_EQ(first.state(), QProcess::Running);
}

}  // namespace
}  // namespace corvane::testing
