#pragma once
// The firmware worker's reports on their way to the window's thread. The worker appends
// under a mutex and posts a wake-up that carries nothing; the window's thread takes the
// reports out under the same mutex and runs them. The report data thus changes threads
// through our own lock, never through Qt's event queue, so its hand-over is ordered for
// every checker that sees our locks (Qt's internal ones are invisible to ThreadSanitizer
// in a distribution build).
#include <QObject>
#include <QPointer>
#include <deque>
#include <functional>
#include <mutex>

namespace corvane {

class FirmwareReportQueue final : public QObject {
 public:
  // Reports run only while target exists.
  explicit FirmwareReportQueue(QObject* target) : target_(target) {}

  // Any thread.
  void Post(std::function<void()> report);

 protected:
  bool event(QEvent* e) override;

 private:
  void Drain();

  QPointer<QObject> target_;
  std::mutex mutex_;
  std::deque<std::function<void()>> reports_;
};

}  // namespace corvane
