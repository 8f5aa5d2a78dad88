// The real corvane program on an X server of its own (Xvfb): its window is mapped at the
// design size with the language's title, a second start ends at once and leaves one
// window, and SIGTERM ends it through the orderly path with its files intact. Also the
// command line's refusals.
#include <gtest/gtest.h>

#include <filesystem>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSize>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include "lang/LanguageEntries.h"
#include "lang/LanguageTable.h"
#include "lang/LoadLanguage.h"
#include "support/TempDataFolder.h"
#include "support/XvfbServer.h"

namespace corvane::testing {
namespace {

const QString kCorvane = QStringLiteral(CORVANE_PATH);

struct ProgramRun {
  int status = -1;
  QString out, err;
};

ProgramRun RunProgram(const QString& program, const QStringList& args, const QProcessEnvironment& env, int timeoutMs) {
  QProcess p;
  p.setProcessEnvironment(env);
  p.start(program, args);
  ProgramRun r;
  if (!p.waitForFinished(timeoutMs)) {
    p.kill();
    p.waitForFinished();
    return r;
  }
  r.status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
  r.out = QString::fromLocal8Bit(p.readAllStandardOutput());
  r.err = QString::fromLocal8Bit(p.readAllStandardError());
  return r;
}

// The environment of a program started from a desktop session without one: no display.
QProcessEnvironment WithoutDisplay() {
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) env.remove(QString::fromLatin1(name));
  return env;
}

TEST(CorvaneCommandLineTest, RefusalsExitWithOneLine) {
  struct Case {
    QStringList args;
    int status;
    const char* says;
  };
  const Case cases[] = {
      {{"--bogus"}, 2, "unknown option --bogus"},
      {{"--simulate=mouse"}, 2, "--simulate takes"},
      {{"--sim-state", "/tmp/x"}, 2, "--sim-state needs --simulate"},
      {{"--data-dir"}, 2, "--data-dir needs a value"},
      {{"--gallery"}, 2, "usage: corvane --gallery DIR"},
      {{"--simulate", "--no-wait"}, 1, "no display"},
  };
  for (const auto& c : cases) {
    const ProgramRun r = RunProgram(kCorvane, c.args, WithoutDisplay(), 20000);
    EXPECT_EQ(r.status, c.status) << c.args.join(' ').toStdString();
    EXPECT_TRUE(r.err.contains(QString::fromLatin1(c.says))) << r.err.toStdString();
    EXPECT_EQ(r.err.count(QLatin1Char('\n')), 1) << r.err.toStdString();
  }
}

// The ids of the visible windows with this title.
QStringList VisibleWindows(const QProcessEnvironment& env, const QString& title, bool wait) {
  QStringList args{"search"};
  if (wait) args << "--sync";
  args << "--onlyvisible" << "--name" << QStringLiteral("^%1$").arg(QRegularExpression::escape(title));
  const ProgramRun r = RunProgram(QStringLiteral("xdotool"), args, env, 20000);
  return r.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

QSize WindowSize(const QProcessEnvironment& env, const QString& id) {
  const ProgramRun r = RunProgram(QStringLiteral("xwininfo"), {"-id", id}, env, 10000);
  QSize size;
  for (const QString& line : r.out.split(QLatin1Char('\n'))) {
    const QString t = line.trimmed();
    if (t.startsWith(QLatin1String("Width:"))) size.setWidth(t.mid(6).trimmed().toInt());
    if (t.startsWith(QLatin1String("Height:"))) size.setHeight(t.mid(7).trimmed().toInt());
  }
  return size;
}

TEST(CorvaneProgramTest, RunsOneWindowAndEndsCleanlyOnSigterm) {
  if (QStandardPaths::findExecutable(QStringLiteral("Xvfb")).isEmpty() ||
      QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty() ||
      QStandardPaths::findExecutable(QStringLiteral("xwininfo")).isEmpty())
    GTEST_SKIP() << "Xvfb, xdotool or xwininfo is not installed";
  XvfbServer x;
  ASSERT_TRUE(x.Start(QStringLiteral("1920x1080x24"))) << "Xvfb did not start";

  TempDataFolder data;
  // The instance socket lives in TMPDIR: a folder of the test's own keeps a program the
  // user runs at the same time out of the test.
  QTemporaryDir tmp;
  ASSERT_TRUE(tmp.isValid());
  QProcessEnvironment env = WithoutDisplay();
  env.insert(QStringLiteral("DISPLAY"), x.Display());
  env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
  env.insert(QStringLiteral("TMPDIR"), tmp.path());
  const QStringList args{"--simulate", "--no-wait", "--data-dir", QString::fromStdString(data.Root().string())};

  QProcess first;
  first.setProcessEnvironment(env);
  first.start(kCorvane, args);
  ASSERT_TRUE(first.waitForStarted(5000));

  // The title is language text 3 of the language the fresh data folder was given.
  for (int i = 0; i < 200 && !data.Exists("config/LanSetting.ini"); ++i) QThread::msleep(50);
  LanguageTable language;
  UiFont font;
  LoadLanguage(data.Root(), language, font, 1.0f);
  const QString title = QString::fromStdU16String(language.Text(kTextMainTitle));
  ASSERT_FALSE(title.isEmpty());

  const QStringList windows = VisibleWindows(env, title, true);
  ASSERT_EQ(windows.size(), 1) << first.readAllStandardError().toStdString();
  EXPECT_EQ(WindowSize(env, windows[0]), QSize(1127, 740));

  const ProgramRun second = RunProgram(kCorvane, args, env, 20000);
  EXPECT_EQ(second.status, 0) << second.err.toStdString();
  EXPECT_EQ(VisibleWindows(env, title, false).size(), 1);
  EXPECT_EQ(first.state(), QProcess::Running);

  first.terminate();  // SIGTERM
  ASSERT_TRUE(first.waitForFinished(10000));
  EXPECT_EQ(first.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(first.exitCode(), 0) << first.readAllStandardError().toStdString();

  // Every settings file is there and whole (UTF-16 with its mark, ending in a line feed).
  for (const char* file : {"config/config.ini", "config/default0.psf", "config/default1.psf", "config/default2.psf",
                           "config/default3.psf", "config/default4.psf"}) {
    SCOPED_TRACE(file);
    const std::string bytes = data.Bytes(file);
    ASSERT_GE(bytes.size(), 4u);
    EXPECT_EQ(bytes.substr(0, 2), std::string("\xFF\xFE"));
    EXPECT_EQ(bytes.substr(bytes.size() - 2), std::string("\n\0", 2));
  }
}

}  // namespace
}  // namespace corvane::testing
