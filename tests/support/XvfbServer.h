#pragma once
// An X server of its own (Xvfb) on a display number nobody uses, for the life of a test,
// and a way to run X clients (xdotool, xev) on it.
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <QThread>

namespace corvane::testing {

class XvfbServer {
 public:
  // Whether the programs needed are installed.
  static bool Available(const QStringList& clients) {
    if (QStandardPaths::findExecutable(QStringLiteral("Xvfb")).isEmpty()) return false;
    for (const QString& c : clients)
      if (QStandardPaths::findExecutable(c).isEmpty()) return false;
    return true;
  }

  // The server chooses a free display itself and names it on its output, so servers
  // of tests running at the same time never share one. screen: WIDTHxHEIGHTxDEPTH.
  bool Start(const QString& screen = QStringLiteral("1024x768x24")) {
    // -noreset: by default the server resets each time its last client leaves, and a
    // program connecting during a reset is refused; the tests' probes come and go.
    server_.start(QStringLiteral("Xvfb"),
                  {"-displayfd", "1", "-screen", "0", screen, "-nolisten", "tcp", "-noreset"});
    if (!server_.waitForStarted(5000)) return false;
    QByteArray out;
    for (int i = 0; i < 100 && !out.contains('\n') && server_.state() == QProcess::Running; ++i) {
      server_.waitForReadyRead(100);
      out += server_.readAllStandardOutput();
    }
    bool ok = false;
    const int n = out.trimmed().toInt(&ok);
    if (!ok || server_.state() != QProcess::Running) return false;
    display_ = QStringLiteral(":%1").arg(n);
    return true;
  }
  ~XvfbServer() {
    for (QProcess* client : clients_) {
      client->kill();
      client->waitForFinished();
      delete client;
    }
    if (server_.state() != QProcess::NotRunning) {
      server_.terminate();
      if (!server_.waitForFinished(3000)) server_.kill();
      server_.waitForFinished();
    }
  }
  const QString& Display() const { return display_; }

  QProcessEnvironment Environment() const {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), display_);
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    // No session bus on a private server: without an address D-Bus would try to launch one
    // (dbus-launch), and Qt's accessibility bridge can wait on that launch indefinitely.
    if (!env.contains(QStringLiteral("DBUS_SESSION_BUS_ADDRESS")))
      env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), QStringLiteral("unix:path=/nonexistent/corvane-test-bus"));
    return env;
  }
  // Runs a client to its end; its standard output, empty when it failed.
  QString Run(const QString& program, const QStringList& args, int timeoutMs = 20000) const {
    QProcess p;
    p.setProcessEnvironment(Environment());
    p.start(program, args);
    if (!p.waitForFinished(timeoutMs) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
      p.kill();
      p.waitForFinished();
      return QString();
    }
    return QString::fromLocal8Bit(p.readAllStandardOutput()).trimmed() + QStringLiteral(" ");
  }
  // Starts a client that runs until the server ends.
  bool Launch(const QString& program, const QStringList& args) {
    auto* p = new QProcess;
    p->setProcessEnvironment(Environment());
    p->start(program, args);
    clients_.push_back(p);
    return p->waitForStarted(5000);
  }

 private:
  QProcess server_;
  QString display_;
  std::vector<QProcess*> clients_;
};

}  // namespace corvane::testing
