#pragma once
// One running program per user: the first start listens on a local socket named from the
// program's instance key and the user id; a later start connects, hands the first one a
// message number and ends. A socket left behind by a program that crashed is taken over.
// Plain Unix-domain sockets: the program needs nothing else of a network library, and
// loading one (with its security and proxy libraries) would cost every start.
#include <memory>
#include <string>
#include <vector>

#include <QObject>
#include <QString>

class QSocketNotifier;

namespace corvane {

class SingleInstance : public QObject {
  Q_OBJECT

 public:
  enum class Role { First, Second, Failed };

  // key: the instance key shared by every start of the program.
  explicit SingleInstance(const QString& key, QObject* parent = nullptr);
  ~SingleInstance() override;

  // The socket name for key and the current user.
  static QString SocketName(const QString& key);

  // First: this start now owns the name; later starts' messages wait for Listen.
  // Second: another start owns it and has been sent message.
  // Failed: neither (the name cannot be listened on); the caller runs on alone.
  // Needs no application object, so a second start can end before making one.
  Role Claim(int message, int connectTimeoutMs = 1000);

  // After a First claim, with the application object made: reports later starts'
  // messages, beginning with those that came in the meantime. Nothing for other roles.
  void Listen();

 signals:
  // A later start sent this message number.
  void MessageReceived(int message);

 private:
  struct Caller {
    int fd = -1;
    QSocketNotifier* notifier = nullptr;
    std::string pending;  // what came after the last line feed
  };

  void OnNewConnection();
  void OnCallerReadable(Caller* caller);
  void Drop(Caller* caller);

  std::string path_;
  int listenFd_ = -1;
  QSocketNotifier* listening_ = nullptr;
  std::vector<std::unique_ptr<Caller>> callers_;
};

}  // namespace corvane
