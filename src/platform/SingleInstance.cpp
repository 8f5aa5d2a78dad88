#include "platform/SingleInstance.h"

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstring>

#include <QDir>
#include <QSocketNotifier>

namespace corvane {

namespace {

// A message travels as its decimal text and a line feed.
std::string Encode(int message) { return std::to_string(message) + '\n'; }

// False when the path does not fit a socket address.
bool AddressOf(const std::string& path, sockaddr_un& addr) {
  addr = sockaddr_un{};
  addr.sun_family = AF_UNIX;
  if (path.empty() || path.size() >= sizeof addr.sun_path) return false;
  std::memcpy(addr.sun_path, path.data(), path.size());
  return true;
}

void SetTimeout(int fd, int option, int ms) {
  const timeval tv{ms / 1000, (ms % 1000) * 1000};
  setsockopt(fd, SOL_SOCKET, option, &tv, sizeof tv);
}

}  // namespace

// The socket lives where earlier versions kept it (the temporary folder), so a new start
// still finds a running older program.
SingleInstance::SingleInstance(const QString& key, QObject* parent)
    : QObject(parent), path_(QDir(QDir::tempPath()).filePath(SocketName(key)).toStdString()) {}

SingleInstance::~SingleInstance() {
  for (auto& caller : callers_) {
    delete caller->notifier;
    close(caller->fd);
  }
  if (listenFd_ >= 0) {
    delete listening_;  // none when Listen was never called
    close(listenFd_);
    unlink(path_.c_str());
  }
}

QString SingleInstance::SocketName(const QString& key) {
  QString name;
  for (const QChar c : key) name += c.isLetterOrNumber() ? c : QChar('_');
  return QStringLiteral("corvane-%1-%2").arg(name).arg(static_cast<qulonglong>(getuid()));
}

SingleInstance::Role SingleInstance::Claim(int message, int connectTimeoutMs) {
  sockaddr_un addr;
  if (!AddressOf(path_, addr)) return Role::Failed;
  const auto* address = reinterpret_cast<const sockaddr*>(&addr);
  {
    const int probe = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (probe < 0) return Role::Failed;
    // A first program too busy to take the connection is waited for this long at most.
    SetTimeout(probe, SO_SNDTIMEO, connectTimeoutMs);
    if (::connect(probe, address, sizeof addr) == 0) {
      const std::string line = Encode(message);
      const bool sent = send(probe, line.data(), line.size(), MSG_NOSIGNAL) == static_cast<ssize_t>(line.size());
      close(probe);
      if (sent) return Role::Second;
      return Role::Failed;
    }
    close(probe);
  }
  // Nobody answers: whatever socket file carries the name was left by a program that
  // ended without removing it.
  const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
  if (fd < 0) return Role::Failed;
  bool bound = bind(fd, address, sizeof addr) == 0;
  if (!bound && errno == EADDRINUSE) {
    unlink(path_.c_str());
    bound = bind(fd, address, sizeof addr) == 0;
  }
  // Only this user may connect.
  if (!bound || chmod(path_.c_str(), S_IRUSR | S_IWUSR) != 0 || listen(fd, 8) != 0) {
    if (bound) unlink(path_.c_str());
    close(fd);
    return Role::Failed;
  }
  listenFd_ = fd;
  return Role::First;
}

void SingleInstance::Listen() {
  if (listenFd_ < 0 || listening_) return;
  listening_ = new QSocketNotifier(listenFd_, QSocketNotifier::Read, this);
  // Starts that came while this one was still starting wait in the listen queue, which
  // reads as ready: the event loop's first round takes them.
  connect(listening_, &QSocketNotifier::activated, this, [this] { OnNewConnection(); });
}

void SingleInstance::OnNewConnection() {
  for (;;) {
    const int fd = accept4(listenFd_, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
    if (fd < 0) return;
    auto caller = std::make_unique<Caller>();
    caller->fd = fd;
    caller->notifier = new QSocketNotifier(fd, QSocketNotifier::Read, this);
    Caller* raw = caller.get();
    connect(caller->notifier, &QSocketNotifier::activated, this, [this, raw] { OnCallerReadable(raw); });
    callers_.push_back(std::move(caller));
    // What a quick caller sent before this notifier existed is read at once.
    OnCallerReadable(raw);
  }
}

void SingleInstance::OnCallerReadable(Caller* caller) {
  char buffer[256];
  bool closed = false;
  for (;;) {
    const ssize_t n = read(caller->fd, buffer, sizeof buffer);
    if (n > 0) {
      caller->pending.append(buffer, static_cast<std::size_t>(n));
      continue;
    }
    if (n < 0 && errno == EINTR) continue;
    // End of the caller's data or an error close it, once its lines are taken.
    closed = !(n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK));
    break;
  }
  std::vector<int> messages;
  std::size_t start = 0;
  for (std::size_t lf; (lf = caller->pending.find('\n', start)) != std::string::npos; start = lf + 1) {
    std::string_view text(caller->pending.data() + start, lf - start);
    while (!text.empty() && (text.back() == '\r' || text.back() == ' ')) text.remove_suffix(1);
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    int message = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), message);
    if (!text.empty() && error == std::errc() && end == text.data() + text.size()) messages.push_back(message);
  }
  caller->pending.erase(0, start);
  // A caller is one start with one short line; one that only talks is cut off.
  if (closed || caller->pending.size() > 4096) Drop(caller);
  // Last: a receiver may run a modal window, whose event loop can come back here.
  for (const int message : messages) emit MessageReceived(message);
}

void SingleInstance::Drop(Caller* caller) {
  const auto it = std::find_if(callers_.begin(), callers_.end(), [caller](const auto& c) { return c.get() == caller; });
  if (it == callers_.end()) return;
  caller->notifier->setEnabled(false);
  caller->notifier->deleteLater();
  close(caller->fd);
  callers_.erase(it);
}

}  // namespace corvane
