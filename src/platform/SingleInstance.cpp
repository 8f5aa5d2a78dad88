#include "platform/SingleInstance.h"

#include <unistd.h>

#include <QLocalServer>
#include <QLocalSocket>

namespace corvane {

namespace {

// A message travels as its decimal text and a line feed.
QByteArray Encode(int message) { return QByteArray::number(message) + '\n'; }

}  // namespace

SingleInstance::SingleInstance(const QString& key, QObject* parent)
    : QObject(parent), name_(SocketName(key)) {}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::SocketName(const QString& key) {
  QString name;
  for (const QChar c : key) name += c.isLetterOrNumber() ? c : QChar('_');
  return QStringLiteral("corvane-%1-%2").arg(name).arg(static_cast<qulonglong>(getuid()));
}

SingleInstance::Role SingleInstance::Claim(int message, int connectTimeoutMs) {
  {
    QLocalSocket probe;
    probe.connectToServer(name_);
    if (probe.waitForConnected(connectTimeoutMs)) {
      probe.write(Encode(message));
      probe.waitForBytesWritten(connectTimeoutMs);
      probe.disconnectFromServer();
      if (probe.state() != QLocalSocket::UnconnectedState) probe.waitForDisconnected(connectTimeoutMs);
      return Role::Second;
    }
  }
  // Nobody answers: whatever socket file carries the name was left by a program that
  // ended without removing it.
  server_ = new QLocalServer(this);
  server_->setSocketOptions(QLocalServer::UserAccessOption);
  if (!server_->listen(name_)) {
    QLocalServer::removeServer(name_);
    if (!server_->listen(name_)) {
      delete server_;
      server_ = nullptr;
      return Role::Failed;
    }
  }
  connect(server_, &QLocalServer::newConnection, this, &SingleInstance::OnNewConnection);
  return Role::First;
}

void SingleInstance::OnNewConnection() {
  while (QLocalSocket* socket = server_->nextPendingConnection()) {
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
      while (socket->canReadLine()) {
        bool ok = false;
        const int message = socket->readLine().trimmed().toInt(&ok);
        if (ok) emit MessageReceived(message);
      }
    });
  }
}

}  // namespace corvane
