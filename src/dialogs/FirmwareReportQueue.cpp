#include "dialogs/FirmwareReportQueue.h"

#include <QCoreApplication>
#include <QEvent>

namespace corvane {

namespace {
const QEvent::Type kDrainEvent = static_cast<QEvent::Type>(QEvent::registerEventType());
}

void FirmwareReportQueue::Post(std::function<void()> report) {
  {
    std::lock_guard lock(mutex_);
    reports_.push_back(std::move(report));
  }
  QCoreApplication::postEvent(this, new QEvent(kDrainEvent));
}

bool FirmwareReportQueue::event(QEvent* e) {
  if (e->type() != kDrainEvent) return QObject::event(e);
  Drain();
  return true;
}

void FirmwareReportQueue::Drain() {
  // One wake-up may find several reports (or none, when an earlier one took them); each
  // runs without the lock held, so a report may itself wait for the worker.
  for (;;) {
    std::function<void()> report;
    {
      std::lock_guard lock(mutex_);
      if (reports_.empty()) return;
      report = std::move(reports_.front());
      reports_.pop_front();
    }
    if (target_) report();
  }
}

}  // namespace corvane
