#pragma once
// Termination requests from the system (SIGTERM, SIGINT, SIGHUP) delivered to the event
// loop: the handler only writes one byte into a pipe; the loop reads it and emits
// Requested, so the program ends by its ordinary path (pending save written, device
// handles closed).
#include <QObject>

class QSocketNotifier;

namespace corvane {

class ShutdownSignals : public QObject {
  Q_OBJECT

 public:
  // Installs the handlers; only one object may exist at a time.
  explicit ShutdownSignals(QObject* parent = nullptr);
  ~ShutdownSignals() override;
  bool Installed() const { return notifier_ != nullptr; }

 signals:
  void Requested(int signalNumber);

 private:
  void OnReadable();

  int fds_[2] = {-1, -1};
  QSocketNotifier* notifier_ = nullptr;
};

}  // namespace corvane
