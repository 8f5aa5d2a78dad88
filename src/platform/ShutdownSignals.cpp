#include "platform/ShutdownSignals.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>

#include <QSocketNotifier>

namespace corvane {

namespace {

constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};

// The write end of the active object's pipe; the handler may touch nothing else.
volatile sig_atomic_t gWriteFd = -1;

extern "C" void OnSignal(int signalNumber) {
  const int saved = errno;
  const unsigned char byte = static_cast<unsigned char>(signalNumber);
  if (gWriteFd >= 0) {
    const ssize_t n = write(gWriteFd, &byte, 1);
    (void)n;
  }
  errno = saved;
}

}  // namespace

ShutdownSignals::ShutdownSignals(QObject* parent) : QObject(parent) {
  if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, fds_) != 0) {
    fds_[0] = fds_[1] = -1;
    return;
  }
  gWriteFd = fds_[1];
  struct sigaction action {};
  action.sa_handler = &OnSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (const int s : kSignals) sigaction(s, &action, nullptr);
  notifier_ = new QSocketNotifier(fds_[0], QSocketNotifier::Read, this);
  connect(notifier_, &QSocketNotifier::activated, this, &ShutdownSignals::OnReadable);
}

ShutdownSignals::~ShutdownSignals() {
  if (fds_[0] < 0) return;
  struct sigaction action {};
  action.sa_handler = SIG_DFL;
  sigemptyset(&action.sa_mask);
  for (const int s : kSignals) sigaction(s, &action, nullptr);
  gWriteFd = -1;
  delete notifier_;
  close(fds_[0]);
  close(fds_[1]);
}

void ShutdownSignals::OnReadable() {
  unsigned char byte = 0;
  int last = 0;
  while (read(fds_[0], &byte, 1) == 1) last = byte;
  if (last != 0) emit Requested(last);
}

}  // namespace corvane
