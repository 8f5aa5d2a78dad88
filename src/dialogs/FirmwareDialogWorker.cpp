#include "dialogs/FirmwareDialogWorker.h"

#include "device/DeviceLink.h"
#include "dialogs/FirmwareReportQueue.h"
#include "lang/LanguageEntries.h"
#include "session/DeviceSession.h"

namespace corvane {

namespace {

std::atomic<int> g_runningUpdates{0};

// Hands every report of the update to the dialog's thread. The window's own link learns,
// before the restart frame leaves, that the mouse is about to drop off the bus, so the
// window does not take its disappearance for the user unplugging the last device.
class QueuedFirmwareObserver final : public FirmwareObserver {
 public:
  QueuedFirmwareObserver(FirmwareReportQueue& queue, const FirmwareDialogSink& sink, DeviceLink& windowLink)
      : queue_(queue), sink_(sink), windowLink_(windowLink) {}

  void DeviceChecksum(const std::u16string& text) override {
    queue_.Post([f = sink_.deviceChecksum, text] { f(text); });
  }
  void Status(const FirmwareStatus& status) override {
    // The first restart text comes right before the restart frame; it is shown three
    // times, but only one disappearance is expected.
    if (status.languageText == kTextFwRestarting && !restartAnnounced_) {
      restartAnnounced_ = true;
      windowLink_.ExpectReenumeration = 1;
    }
    queue_.Post([f = sink_.status, status] { f(status); });
  }
  void Progress(const FirmwareProgress& progress) override {
    queue_.Post([f = sink_.progress, progress] { f(progress); });
  }

 private:
  FirmwareReportQueue& queue_;
  const FirmwareDialogSink& sink_;
  DeviceLink& windowLink_;
  bool restartAnnounced_ = false;
};

}  // namespace

bool FirmwareUpdateRunning() { return g_runningUpdates.load() > 0; }

FirmwareDialogWorker::FirmwareDialogWorker(DeviceSession& session, const LanguageTable& language,
                                           const LoadedImages& images)
    : session_(session), language_(language), images_(images) {}

FirmwareDialogWorker::~FirmwareDialogWorker() { Wait(); }

bool FirmwareDialogWorker::Start(QObject* target, FirmwareDialogSink sink) {
  if (running_) return false;
  Wait();
  running_ = true;
  ++g_runningUpdates;
  queue_ = std::make_unique<FirmwareReportQueue>(target);
  thread_ = std::thread([this, sink = std::move(sink)] { Run(sink); });
  return true;
}

void FirmwareDialogWorker::Wait() {
  if (thread_.joinable()) thread_.join();
}

void FirmwareDialogWorker::Run(const FirmwareDialogSink& sink) {
  FirmwareResult result;
  {
    // A link of the worker's own: the window keeps using its link on its own thread (a
    // rescan there must not pull a handle from under a flash write here). Both go
    // through the same HID stack, trace and pause service.
    DeviceLink link(session_.Backend(), session_.GetPause());
    link.ScanDevices();
    QueuedFirmwareObserver observer(*queue_, sink, session_.Link());
    result = RunFirmwareCheck(link, language_, images_, observer);
    link.CloseFeatureHandles();
  }
  --g_runningUpdates;
  queue_->Post([this, f = sink.finished, result] {
    running_ = false;
    f(result);
  });
}

}  // namespace corvane
