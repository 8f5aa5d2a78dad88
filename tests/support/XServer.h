#pragma once
// An X server of its own (Xvfb) on a display number nobody uses, for the life of a test.
#include <QFile>
#include <QProcess>
#include <QString>
#include <QThread>

namespace corvane::testing {

class XServer {
 public:
  bool Start() {
    for (int n = 91; n < 160; ++n) {
      if (QFile::exists(QStringLiteral("/tmp/.X%1-lock").arg(n)) ||
          QFile::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(n)))
        continue;
      server_.start(QStringLiteral("Xvfb"),
                    {QStringLiteral(":%1").arg(n), "-screen", "0", "1280x800x24", "-nolisten", "tcp"});
      if (!server_.waitForStarted(5000)) return false;
      for (int i = 0; i < 100 && server_.state() == QProcess::Running; ++i) {
        if (QFile::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(n))) {
          display_ = QStringLiteral(":%1").arg(n);
          return true;
        }
        QThread::msleep(50);
      }
      server_.kill();
      server_.waitForFinished();
    }
    return false;
  }
  ~XServer() {
    if (server_.state() != QProcess::NotRunning) {
      server_.terminate();
      if (!server_.waitForFinished(3000)) server_.kill();
      server_.waitForFinished();
    }
  }
  const QString& Display() const { return display_; }

 private:
  QProcess server_;
  QString display_;
};

}  // namespace corvane::testing
